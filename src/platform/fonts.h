#pragma once

// Fonts under numbers, by face, size in points and weight.

#include "platform/numbers.h"
#include <QFont>

#include <QString>

namespace platform {

// Returns the number (NEW_NUMBER: an assigned one).
int loadFont(int number, const QString& face, int points, bool bold);
void freeFont(int font);
void freeAllFonts();
const QFont* findFont(int font);

} // namespace platform

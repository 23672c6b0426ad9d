#pragma once

// One line of static text. The text is shown as it is: "&" is a character, not the marker of a
// keyboard shortcut, and nothing in it is taken as markup.

#include "platform/numbers.h"

#include <QString>

namespace platform {

// Read and changed with controlText and setControlText.
int createStaticText(int number, int x, int y, int width, int height, const QString& text);

} // namespace platform

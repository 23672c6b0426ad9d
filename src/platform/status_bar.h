#pragma once

// A status bar along the bottom of a window's client area, with fields of fixed widths.

#include "platform/numbers.h"

#include <QString>

namespace platform {

// Returns the number (NEW_NUMBER: an assigned one).
int createStatusBar(int number, int window);
void addStatusField(int bar, int width);
// Texts are left-aligned.
void setStatusText(int bar, int field, const QString& text);
QString statusText(int bar, int field);
int statusFieldWidth(int bar, int field);
int statusBarHeight(int bar);
void freeStatusBar(int bar);
void freeAllStatusBars();

} // namespace platform

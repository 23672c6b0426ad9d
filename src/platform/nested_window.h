#pragma once

// A window that runs a loop of its own inside an operation of another window. It is centred on
// the screen, has a title bar with close, minimise and maximise boxes and a fixed border; new
// controls go into it until it closes, and then back to where they went before.

#include "platform/numbers.h"

#include <QString>

namespace platform {

// Opens and shows the window under an assigned number. Colour value as for setWindowColour;
// -1 keeps the system's colour. Returns the window's number.
int openNestedWindow(int clientWidth, int clientHeight, const QString& title, int colour);
// Destroys the window with every control in it.
void closeNestedWindow(int window);

} // namespace platform

#pragma once

// Controls under numbers, one number space for all windows. Each is made in the container that
// receives new controls (a window's client area or a tab page) and returns its number (NEW_NUMBER
// asks for an assigned one). Changes the program makes never raise events; what the user does does.

#include "platform/numbers.h"

#include <QString>

namespace platform {

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};

// Reports a click as a control event.
int createButton(int number, int x, int y, int width, int height, const QString& text);
// A push button showing a picture; reports a click.
int createImageButton(int number, int x, int y, int width, int height, int image);
// A picture that reports mouse clicks with the CLICK_* types, with a raised border when asked.
int createImageControl(int number, int x, int y, int width, int height, int image,
                       bool raisedBorder);
// A one-line text field with a sunken border, scrolling sideways; reports typing.
int createTextField(int number, int x, int y, int width, int height, const QString& text);
int createProgressBar(int number, int x, int y, int width, int height, int minimum, int maximum);

void freeControl(int control);
// Gives the control another number; what was queued for it follows.
void renumberControl(int from, int to);
void freeAllControls();
bool controlExists(int control);

void moveControl(int control, int x, int y, int width, int height);
Rect controlRect(int control);
bool controlVisible(int control);
void setControlText(int control, const QString& text);
QString controlText(int control);
void setControlToolTip(int control, const QString& text);
QString controlToolTip(int control);
// Progress bar position.
void setControlValue(int control, int value);
int controlValue(int control);
// Text and background colours of a text field, bar and background colours of a progress bar.
// Colour values as red + 256 * green + 65536 * blue.
void setControlColours(int control, int front, int back);
int controlFrontColour(int control);
int controlBackColour(int control);
void setControlFont(int control, int font);
int controlFont(int control);

} // namespace platform

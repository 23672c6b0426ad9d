#pragma once

// Top-level windows under numbers. A window's client area is where its controls live; a menu bar
// sits above it and a status bar inside it, at its bottom.

#include "platform/numbers.h"

#include <QString>

namespace platform {

enum WindowFlag {
    WINDOW_TITLE_BAR = 1 << 0,
    WINDOW_SYSTEM_MENU = 1 << 1, // close box
    WINDOW_MINIMISE_BOX = 1 << 2,
    WINDOW_MAXIMISE_BOX = 1 << 3,
    WINDOW_SIZABLE = 1 << 4, // otherwise the border is fixed
    WINDOW_TOOL = 1 << 5,
    WINDOW_MAXIMISED = 1 << 6,
    WINDOW_CENTRED = 1 << 7,
};

// Opens and shows a window with the given client size (NEW_NUMBER: an assigned number). A centred
// window is placed in the middle of the screen, at 0 on an axis where it is larger than the screen.
// New controls go into its client area from then on. Returns the window's number.
int openWindow(int number, int x, int y, int clientWidth, int clientHeight, const QString& title,
               int flags, int ownerWindow = 0);
void closeWindow(int window);
void closeAllWindows();
bool windowExists(int window);
// New controls go into this window's client area.
void useWindowForNewControls(int window);

void setWindowTitle(int window, const QString& title);
QString windowTitle(int window);
// Colour value red + 256 * green + 65536 * blue; -1 is the system's default.
void setWindowColour(int window, int colour);
int windowColour(int window);
int clientWidth(int window);
int clientHeight(int window);
void hideWindow(int window);
// Shows the window again in the state it had: maximised, minimised or normal.
void showWindow(int window);
bool windowVisible(int window);
bool windowMaximised(int window);
bool windowMinimised(int window);
int windowFlags(int window);

// A close request of the window arrives when the process is asked to end (SIGTERM, SIGINT).
void closeWindowOnTerminationSignals(int window);
// Whether the process has been asked to end. A nested window takes the close request for itself,
// so the loop it returns to asks this to end the run all the same.
bool terminationRequested();

} // namespace platform

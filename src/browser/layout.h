#pragma once

#include "browser/main_window.h"

// Places the main window's controls and every tab's view from the window's client size.
void layoutMainWindow(const MainWindowControls& controls);

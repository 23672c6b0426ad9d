#pragma once

// The plain state of the run: the main window's numbers, the settings record and the main
// loop's variables. Only start-up and the main loop read these; operations take what they need.

#include "browser/main_window.h"
#include "settings/browser_settings.h"

#include <QString>

struct MainLoopState {
    // The current view's address as last found changed.
    QString lastSeenAddress;
    // Set the first time the loading text is put on a tab; never cleared.
    bool loadingTitleShown = false;
    // The clock text last written to the status bar.
    QString lastClockText;
    // Whether the tray icon has the main window shown.
    bool trayWindowShown = true;
};

extern MainWindowControls mainWindow;
extern BrowserSettings browserSettings;
extern MainLoopState mainLoop;

#pragma once

// The numbers under which the main window and its controls live, and the constants every part of
// the browser shares.

#include <QString>

// Page tab i of the tab panel holds the web view numbered WEB_VIEW_BASE + i.
inline constexpr int WEB_VIEW_BASE = 42;
inline constexpr int SPLIT_VIEW = 5555;
inline constexpr int MAIN_MENU_BAR = 25;
inline constexpr int PAGE_MENU = 31;
inline constexpr int TRAY_ICON = 45;
inline constexpr int MAIN_STATUS_BAR = 0;
inline constexpr int ICON_IMAGE = 1;
inline constexpr int OFFLINE_SAVE_PICTURE = 2;
inline constexpr int LOGO_IMAGE = 21;
inline constexpr int ADDRESS_FONT = 0;
inline constexpr int TITLE_FONT = 1;
inline constexpr int HISTORY_LOG_FILE = 1;

// Every new web view loads this first: the search engine's home, without scheme.
inline const QString START_PAGE = QStringLiteral("www.google.fr");

// Geometry the main window is opened with; the width also fixes the status bar's fields.
inline constexpr int WINDOW_X = 0;
inline constexpr int WINDOW_Y = 0;
inline constexpr int WINDOW_WIDTH = 1270;
inline constexpr int WINDOW_HEIGHT = 740;

// Numbers the platform assigned at start-up.
struct MainWindowControls {
    int window = 0;
    int backButton = 0;
    int forwardButton = 0;
    int addressField = 0;
    int loadProgressBar = 0;
    int searchButton = 0;
    int refreshButton = 0;
    int offlineSaveImage = 0;
    int externalBrowserButton = 0;
    int tabPanel = 0;
    int indexImage = 0;
};

// The view of the selected tab, looked up afresh on every call.
int currentView(const MainWindowControls& controls);

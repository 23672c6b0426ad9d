#include "app/start_up.h"

#include "app/browser_state.h"
#include "app/main_loop.h"
#include "app/main_window_menus.h"
#include "browser/tabs.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/menus.h"
#include "platform/pictures.h"
#include "platform/status_bar.h"
#include "platform/tab_panel.h"
#include "platform/tray_icon.h"
#include "platform/windows.h"
#include "settings/settings_file.h"
#include "tools/history_log.h"
#include "webview/web_view.h"

MainWindowControls mainWindow;
BrowserSettings browserSettings;
MainLoopState mainLoop;

namespace {

int colourOf(const BrowserSettings& s) {
    return s.backgroundRed + 256 * s.backgroundGreen + 65536 * s.backgroundBlue;
}

void createStatusBar() {
    platform::createStatusBar(MAIN_STATUS_BAR, mainWindow.window);
    platform::addStatusField(MAIN_STATUS_BAR, WINDOW_WIDTH / 2);
    platform::addStatusField(MAIN_STATUS_BAR, WINDOW_WIDTH / 2 - 100);
    platform::addStatusField(MAIN_STATUS_BAR, 100);
    platform::setStatusText(MAIN_STATUS_BAR, 0, QStringLiteral("Label"));
}

void createToolbar() {
    MainWindowControls& c = mainWindow;
    c.backButton =
        platform::createButton(platform::NEW_NUMBER, 10, 20, 80, 25, QStringLiteral("Précédent"));
    platform::setControlToolTip(c.backButton, QStringLiteral("Revient a la page web précédente"));
    c.forwardButton =
        platform::createButton(platform::NEW_NUMBER, 100, 20, 80, 25, QStringLiteral("Suivant"));
    platform::setControlToolTip(c.forwardButton, QStringLiteral("Va a la page web suivante"));
    c.addressField = platform::createTextField(platform::NEW_NUMBER, 190, 20, 810, 25,
                                               QStringLiteral("Orvelia"));
    platform::setControlToolTip(c.addressField, QStringLiteral("Recherche"));
    platform::setControlColours(c.addressField, 0 + 256 * 255 + 65536 * 64,
                                0 + 256 * 128 + 65536 * 128);
    platform::setControlFont(c.addressField, ADDRESS_FONT);
    c.loadProgressBar =
        platform::createProgressBar(platform::NEW_NUMBER, 0, 0, WINDOW_WIDTH, 10, 0, 100);
    platform::setControlColours(c.loadProgressBar, 0 + 256 * 255, 63 + 256 * 82 + 65536 * 116);
    c.searchButton = platform::createButton(platform::NEW_NUMBER, 1010, 20, 100, 25,
                                            QStringLiteral("Rechercher"));
    platform::setControlToolTip(
        c.searchButton,
        QStringLiteral("Rechercher sur Google le texte écrit dans la barre ci contre. "
                       "L'autodétection d'URLs est supportée Vous devez pour cela commencer par "
                       "'www' si vous voulez afficher directement une page."));
    c.refreshButton = platform::createButton(platform::NEW_NUMBER, 1120, 20, 75, 25,
                                             QStringLiteral("Actualiser"));
    platform::setControlToolTip(c.refreshButton,
                                QStringLiteral("Recharge la page web dans le navigateur."));
    c.offlineSaveImage = platform::createImageControl(platform::NEW_NUMBER, 1205, 20, 25, 25,
                                                      OFFLINE_SAVE_PICTURE, true);
    c.externalBrowserButton =
        platform::createImageButton(platform::NEW_NUMBER, 1230, 20, 30, 30, c.indexImage);
    platform::setControlToolTip(c.externalBrowserButton,
                                QStringLiteral("Charge la page dans un navigateur externe."));
}

void createTabsWithFirstView(const QString& firstAddress) {
    MainWindowControls& c = mainWindow;
    c.tabPanel = platform::createTabPanel(platform::NEW_NUMBER, 10, 50, 1080, 520);
    platform::insertTabItem(c.tabPanel, -1, QStringLiteral("Tab 1"));
    createWebView(WEB_VIEW_BASE, 10, 10, 1060, 478, firstAddress);
    platform::insertTabItem(c.tabPanel, -1, QStringLiteral("   +"));
    platform::selectTab(c.tabPanel, 0);
    platform::endTabPanelFilling();
}

} // namespace

void startUp(const QStringList& addresses) {
    mainWindow = {};
    browserSettings = {};
    mainLoop = {};
    platform::clearEventQueue();

    platform::prepareImageDecoders();
    mainWindow.indexImage = platform::loadImage(platform::NEW_NUMBER, QStringLiteral("index.png"));
    platform::loadImage(OFFLINE_SAVE_PICTURE, QStringLiteral("lecture2.png"));
    platform::loadImage(LOGO_IMAGE, QStringLiteral("Orvelia Logo.bmp"));
    platform::loadImage(ICON_IMAGE, QStringLiteral("OrveliaIcon.ICO"));
    platform::loadFont(ADDRESS_FONT, QStringLiteral("Arial"), 15, false);
    platform::loadFont(TITLE_FONT, QStringLiteral("Arial"), 16, true);

    mainWindow.window = platform::openWindow(
        platform::NEW_NUMBER, WINDOW_X, WINDOW_Y, WINDOW_WIDTH, WINDOW_HEIGHT,
        QStringLiteral("Orvelia - Tiny Powerful Web Browser"),
        platform::WINDOW_TITLE_BAR | platform::WINDOW_SYSTEM_MENU | platform::WINDOW_MINIMISE_BOX |
            platform::WINDOW_MAXIMISE_BOX | platform::WINDOW_SIZABLE | platform::WINDOW_CENTRED |
            platform::WINDOW_MAXIMISED);
    // A logout or Ctrl+C asks the window to close, so the run ends through shutDown.
    platform::closeWindowOnTerminationSignals(mainWindow.window);

    readSettings(browserSettings);
    platform::setWindowColour(mainWindow.window, colourOf(browserSettings));
    platform::addTrayIcon(TRAY_ICON, mainWindow.window, ICON_IMAGE, QStringLiteral("Orvelia"));
    createStatusBar();
    createPageMenu();
    createMainMenuBar(mainWindow.window);
    createToolbar();
    createTabsWithFirstView(addresses.isEmpty() ? START_PAGE : addresses.first());
    setContextMenuBlocked(WEB_VIEW_BASE, true);
    openHistoryLog();

    platform::showWindow(mainWindow.window);
    mainLoop.trayWindowShown = true;
    // The offline save opens its own sockets; there is no network layer to start beforehand.

    for (qsizetype i = 1; i < addresses.size(); ++i)
        addTab(mainWindow, addresses[i]);
}

int shutDown() {
    platform::removeAllTrayIcons();
    platform::freeAllControls();
    platform::freeAllStatusBars();
    platform::freeAllMenus();
    platform::closeAllWindows();
    platform::freeAllFonts();
    platform::closeAllFiles();
    platform::freeAllImages();
    platform::clearEventQueue();
    return 0;
}

int runBrowser(const QStringList& addresses) {
    startUp(addresses);
    while (mainLoopPass()) {
    }
    return shutDown();
}

#include "app/main_loop.h"

#include "app/browser_state.h"
#include "app/main_window_menus.h"
#include "browser/layout.h"
#include "browser/navigation.h"
#include "browser/split_view.h"
#include "browser/tabs.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/status_bar.h"
#include "platform/tab_panel.h"
#include "platform/windows.h"
#include "tools/history_log.h"
#include "tools/history_window.h"
#include "tools/source_viewer.h"
#include "webview/web_view.h"

#include <array>

using platform::Event;
using platform::EventKind;

QString tabLabel(const QString& text) {
    return text.left(26).leftJustified(26, QLatin1Char(' '));
}

int progressBarValue(int p, int m) {
    return m == 0 ? 0 : int(qint64(p) * 100 / m);
}

namespace {

int view() {
    return currentView(mainWindow);
}

// --- Per-pass steps ---------------------------------------------------------------------------

void openTabWhenAddItemSelected() {
    int items = platform::tabCount(mainWindow.tabPanel);
    if (items > 0 && platform::selectedTab(mainWindow.tabPanel) == items - 1) addTab(mainWindow);
}

void renewTitleTabAndHistory() {
    const int current = view();
    const int tab = platform::selectedTab(mainWindow.tabPanel);
    if (isBusy(current)) {
        platform::setWindowTitle(mainWindow.window, QStringLiteral("Orvelia - Chargement..."));
        if (!mainLoop.loadingTitleShown) {
            platform::setTabText(mainWindow.tabPanel, tab,
                                 tabLabel(QStringLiteral("Chargement...")));
            mainLoop.loadingTitleShown = true;
        }
        return;
    }
    const QString title = pageTitle(current);
    platform::setWindowTitle(mainWindow.window, QStringLiteral("Orvelia v4.2.2 - ") + title);
    const QString address = currentAddress(current);
    if (address != mainLoop.lastSeenAddress) {
        platform::setTabText(mainWindow.tabPanel, tab, tabLabel(title));
        if (browserSettings.historyEnabled == 1) appendEntry(address);
        mainLoop.lastSeenAddress = address;
    }
}

void showPageMenuOnRequest(const Event& event) {
    if (event.kind == EventKind::Control && event.type == VIEW_MENU_REQUESTED)
        platform::showPopupMenu(PAGE_MENU, platform::pointerX() - 1, platform::pointerY() - 1);
}

void renewClock() {
    QString clock = platform::localClockText();
    if (clock == mainLoop.lastClockText) return;
    platform::setStatusText(MAIN_STATUS_BAR, 2, clock);
    mainLoop.lastClockText = clock;
}

// --- Control events ---------------------------------------------------------------------------

void renewProgressBar() {
    platform::setControlValue(mainWindow.loadProgressBar,
                              progressBarValue(loadProgress(view()), loadProgressMax(view())));
}

void renewStatusFields() {
    platform::setStatusText(MAIN_STATUS_BAR, 0,
                            QStringLiteral("Navigateur Orvelia. Connected to : ") +
                                pageTitle(view()));
    platform::setStatusText(MAIN_STATUS_BAR, 1,
                            QStringLiteral("     Adresse : ") + currentAddress(view()));
}

void handleControlEvent(const Event& event) {
    const MainWindowControls& c = mainWindow;
    const int control = event.object;
    if (control == c.backButton) {
        goBack(view());
    } else if (control == c.forwardButton) {
        goForward(view());
    } else if (control == c.searchButton) {
        goToTypedText(c);
    } else if (control == c.refreshButton) {
        reload(view());
    } else if (control == c.externalBrowserButton) {
        openInExternalBrowser(c);
    } else if (control == c.offlineSaveImage) {
        // A left double-click saves the page for offline reading once that exists.
    } else if (isWebView(control) && event.type == VIEW_PROGRESS) {
        renewProgressBar();
    }
    renewStatusFields();
}

// --- Menu commands ----------------------------------------------------------------------------

struct CommandEntry {
    int command;
    void (*run)();
    bool endsLoop;
};

void back() {
    goBack(view());
}
void forward() {
    goForward(view());
}
void newTab() {
    addTab(mainWindow);
}
void closeTab() {
    closeCurrentTab(mainWindow);
}
void splitView() {
    openSplitView(mainWindow);
}
void openFile() {
    openLocalFile(mainWindow);
}
void openExternal() {
    openInExternalBrowser(mainWindow);
}
void showPageSource() {
    showSource(currentAddress(view()), pageSource(view()));
}
void showHistory() {
    showHistoryWindow(mainWindow);
}

// Commands without an entry here, or with no operation yet, do nothing.
const std::array<CommandEntry, 17> COMMANDS = {{
    {CMD_NEW_SPLIT_WINDOW, splitView, false},
    {CMD_OPEN_FILE, openFile, false},
    {CMD_QUIT, nullptr, true},
    {CMD_OPTIONS, nullptr, false}, // options window, then the settings read again
    {CMD_BACK, back, false},
    {CMD_FORWARD, forward, false},
    {CMD_OPEN_SPLIT_VIEW, splitView, false},
    {CMD_SAVE, nullptr, false},
    {CMD_SAVE_AS, nullptr, false},
    {CMD_SHOW_SOURCE, showPageSource, false},
    {CMD_OPEN_EXTERNAL, openExternal, false},
    {CMD_OFFLINE_READING, nullptr, false},
    {CMD_SHOW_HISTORY, showHistory, false},
    {CMD_NEW_TAB, newTab, false},
    {CMD_CLOSE_TAB, closeTab, false},
    {CMD_RESTART, startInstalledCopy, true}, // ends whether or not the copy started
    {CMD_NEW_WINDOW, startInstalledCopy, false},
}};

// False when the command ends the loop.
bool handleMenuEvent(const Event& event) {
    for (const CommandEntry& entry : COMMANDS) {
        if (entry.command != event.object) continue;
        if (entry.run) entry.run();
        return !entry.endsLoop;
    }
    return true;
}

void handleTrayEvent(const Event& event) {
    if (event.object != TRAY_ICON) return;
    if (mainLoop.trayWindowShown)
        platform::hideWindow(mainWindow.window);
    else
        platform::showWindow(mainWindow.window);
    mainLoop.trayWindowShown = !mainLoop.trayWindowShown;
}

} // namespace

bool mainLoopPass() {
    const Event event = platform::waitEvent(PASS_WAIT_MS);
    openTabWhenAddItemSelected();
    renewTitleTabAndHistory();
    showPageMenuOnRequest(event);
    renewClock();
    bool goOn = true;
    switch (event.kind) {
    case EventKind::Control:
        handleControlEvent(event);
        break;
    case EventKind::Menu:
        goOn = handleMenuEvent(event);
        break;
    case EventKind::Tray:
        handleTrayEvent(event);
        break;
    case EventKind::Size:
        if (event.object == mainWindow.window) layoutMainWindow(mainWindow);
        break;
    case EventKind::Close:
        goOn = false;
        break;
    case EventKind::None:
        break;
    }
    // A logout or Ctrl+C while a nested window was open: that window took the close request.
    return goOn && !platform::terminationRequested();
}

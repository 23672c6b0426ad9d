// The main loop, pass by pass, against pages served from a loopback server.

#include "app/browser_state.h"
#include "app/main_loop.h"
#include "app/main_window_menus.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/status_bar.h"
#include "platform/tab_panel.h"
#include "platform/windows.h"
#include "support/browser_session.h"
#include "support/http_server.h"
#include "webview/web_view.h"

#include <QCursor>
#include <gtest/gtest.h>

namespace {

using platform::EventKind;

QString title() {
    return platform::windowTitle(mainWindow.window);
}
QString firstTabText() {
    return platform::tabText(mainWindow.tabPanel, 0);
}
QString statusField(int i) {
    return platform::statusText(MAIN_STATUS_BAR, i);
}

// The current page has loaded and every event it raised has been handled.
bool settled() {
    return title().startsWith("Orvelia v4.2.2 - ") && platform::queuedEventCount() == 0;
}

class MainLoop : public testing::Test {
protected:
    MainLoop() {
        server.route("/a", HttpAnswer::html("<title>Page A</title>A"));
        server.route("/b",
                     HttpAnswer::html("<title>A title longer than twenty-six characters</title>B"));
        HttpAnswer slow = HttpAnswer::html("<title>Slow</title>slow");
        slow.delayMs = 600;
        server.route("/slow", slow);
    }
    HttpServer server;
};

TEST(TabLabel, CutsOrPadsToTwentySixCharacters) {
    EXPECT_EQ(tabLabel(""), QString(26, ' '));
    EXPECT_EQ(tabLabel("abc"), "abc" + QString(23, ' '));
    EXPECT_EQ(tabLabel("Chargement..."), "Chargement..." + QString(13, ' '));
    EXPECT_EQ(tabLabel(QString(40, 'x')), QString(26, 'x'));
}

TEST(ProgressBarValue, FollowsProgressOverMaximum) {
    struct Case {
        int p, m, expected;
    };
    for (Case c : {Case{0, 0, 0}, Case{5, 0, 0}, Case{100, 100, 100}, Case{37, 100, 37},
                   Case{1, 3, 33}, Case{2147483647, 2147483647, 100}})
        EXPECT_EQ(progressBarValue(c.p, c.m), c.expected) << c.p << "/" << c.m;
}

TEST_F(MainLoop, TitleAndTabFollowTheCurrentPage) {
    BrowserSession session({server.url("/slow")});
    // The first busy pass shows the loading text, in the window title and, once, in the tab.
    ASSERT_TRUE(session.passUntil([] { return title() == "Orvelia - Chargement..."; }));
    EXPECT_EQ(firstTabText(), tabLabel("Chargement..."));
    ASSERT_TRUE(session.passUntil([] { return title() == "Orvelia v4.2.2 - Slow"; }));
    EXPECT_EQ(firstTabText(), tabLabel("Slow"));
    EXPECT_EQ(mainLoop.lastSeenAddress, server.url("/slow"));

    // A later load never shows the loading text in a tab, and a long title is cut to 26.
    navigate(WEB_VIEW_BASE, server.url("/slow"));
    ASSERT_TRUE(session.passUntil([] { return title() == "Orvelia - Chargement..."; }));
    EXPECT_EQ(firstTabText(), tabLabel("Slow"));
    navigate(WEB_VIEW_BASE, server.url("/b"));
    ASSERT_TRUE(session.passUntil([] { return firstTabText() == "A title longer than twenty"; }));
    EXPECT_EQ(title(), "Orvelia v4.2.2 - A title longer than twenty-six characters");
}

TEST_F(MainLoop, StatusFieldsFollowControlEventsButNotMenuEvents) {
    BrowserSession session({server.url("/a")});
    ASSERT_TRUE(session.passUntil([] { return title() == "Orvelia v4.2.2 - Page A"; }));
    // The page's own notifications are control events: they renew the fields.
    ASSERT_TRUE(session.passUntil(settled));
    EXPECT_EQ(statusField(0), "Navigateur Orvelia. Connected to : Page A");
    EXPECT_EQ(statusField(1), "     Adresse : " + server.url("/a"));

    platform::setStatusText(MAIN_STATUS_BAR, 0, "marker");
    platform::postEvent({EventKind::Menu, CMD_SAVE, 0});
    EXPECT_TRUE(session.pass());
    EXPECT_EQ(statusField(0), "marker");

    // Typing in the address field is a control event like any other.
    platform::postEvent({EventKind::Control, mainWindow.addressField, platform::EVENT_CHANGED});
    EXPECT_TRUE(session.pass());
    EXPECT_EQ(statusField(0), "Navigateur Orvelia. Connected to : Page A");
}

TEST_F(MainLoop, ClockIsShownFromTheFirstPass) {
    BrowserSession session({server.url("/a")});
    EXPECT_TRUE(session.pass());
    const QString before = platform::localClockText();
    const QString shown = statusField(2);
    EXPECT_EQ(shown.size(), 8);
    EXPECT_TRUE(shown == before || shown == platform::localClockText()) << shown.toStdString();
    // It changes with the second, without any event arriving.
    ASSERT_TRUE(session.passUntil([&] { return statusField(2) != shown; }, 3000));
    EXPECT_EQ(mainLoop.lastClockText, statusField(2));
}

TEST_F(MainLoop, ProgressBarMovesOnLoadProgressEvents) {
    BrowserSession session({server.url("/a")});
    ASSERT_TRUE(session.passUntil(settled));
    // After a finished load progress equals its maximum: a progress event fills the bar.
    ASSERT_GT(loadProgressMax(WEB_VIEW_BASE), 0);
    platform::setControlValue(mainWindow.loadProgressBar, 0);
    platform::postEvent({EventKind::Control, WEB_VIEW_BASE, VIEW_PROGRESS});
    EXPECT_TRUE(session.pass());
    EXPECT_EQ(platform::controlValue(mainWindow.loadProgressBar), 100);
    // Other events of the view leave the bar alone.
    platform::setControlValue(mainWindow.loadProgressBar, 7);
    platform::postEvent({EventKind::Control, WEB_VIEW_BASE, VIEW_TITLE_CHANGED});
    EXPECT_TRUE(session.pass());
    EXPECT_EQ(platform::controlValue(mainWindow.loadProgressBar), 7);
}

TEST_F(MainLoop, PageMenuOpensNextToThePointer) {
    BrowserSession session({server.url("/a")});
    ASSERT_TRUE(session.passUntil(settled));
    QCursor::setPos(400, 300);
    platform::postEvent({EventKind::Control, WEB_VIEW_BASE, VIEW_MENU_REQUESTED});
    EXPECT_TRUE(session.pass());
    int x = 0, y = 0;
    ASSERT_TRUE(platform::popupMenuShown(PAGE_MENU, &x, &y));
    EXPECT_EQ(x, 399);
    EXPECT_EQ(y, 299);
}

TEST_F(MainLoop, TrayIconHidesAndShowsTheWindow) {
    BrowserSession session({server.url("/a")});
    ASSERT_TRUE(session.passUntil(settled));
    const int window = mainWindow.window;
    platform::postEvent({EventKind::Tray, TRAY_ICON, platform::CLICK_LEFT});
    EXPECT_TRUE(session.pass());
    EXPECT_FALSE(platform::windowVisible(window));
    EXPECT_FALSE(mainLoop.trayWindowShown);
    platform::postEvent({EventKind::Tray, TRAY_ICON, platform::CLICK_RIGHT});
    EXPECT_TRUE(session.pass());
    EXPECT_TRUE(platform::windowVisible(window));
    // A double-click is a press and a double-click: the window ends as it was.
    platform::postEvent({EventKind::Tray, TRAY_ICON, platform::CLICK_LEFT});
    platform::postEvent({EventKind::Tray, TRAY_ICON, platform::CLICK_LEFT_DOUBLE});
    EXPECT_TRUE(session.pass());
    EXPECT_TRUE(session.pass());
    EXPECT_TRUE(platform::windowVisible(window));
    EXPECT_TRUE(mainLoop.trayWindowShown);
}

TEST_F(MainLoop, CloseRequestAndQuitEndTheRun) {
    for (platform::Event ending :
         {platform::Event{EventKind::Close, 0, 0}, platform::Event{EventKind::Menu, CMD_QUIT, 0}}) {
        BrowserSession session({server.url("/slow")});
        if (ending.kind == EventKind::Close) ending.object = mainWindow.window;
        const int window = mainWindow.window;
        platform::postEvent(ending);
        // Even while a page is loading, the pass that takes the event ends the loop.
        ASSERT_TRUE(session.passUntil([&] { return session.loopEnded(); }));
        EXPECT_EQ(session.shutDown(), 0);
        EXPECT_FALSE(platform::windowExists(window));
        EXPECT_FALSE(platform::controlExists(WEB_VIEW_BASE));
    }
}

TEST_F(MainLoop, SizeEventsLayTheWindowOut) {
    BrowserSession session({server.url("/a")});
    // Start-up leaves a size event waiting; the first passes place the controls.
    ASSERT_TRUE(
        session.passUntil([] { return platform::controlRect(mainWindow.tabPanel).y == 60; }));
    const int w = platform::clientWidth(mainWindow.window);
    EXPECT_EQ(platform::controlRect(mainWindow.addressField).width, w - 460);
    EXPECT_EQ(platform::controlRect(WEB_VIEW_BASE).x, 1);
}

} // namespace

// The window's controls follow its size; two pages side by side in the split view.

#include "app/browser_state.h"
#include "app/main_window_menus.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/splitter.h"
#include "platform/status_bar.h"
#include "platform/tab_panel.h"
#include "platform/windows.h"
#include "support/browser_session.h"
#include "support/http_server.h"
#include "support/page_mouse.h"
#include "webview/web_view.h"

#include <QMenu>
#include <gtest/gtest.h>

namespace {

using platform::EventKind;
using platform::Rect;

Rect rectOf(int control) {
    return platform::controlRect(control);
}
int statusHeight() {
    return platform::statusBarHeight(MAIN_STATUS_BAR);
}

class Layout : public testing::Test {
protected:
    Layout() {
        server.route("/a", HttpAnswer::html("<title>A</title>A"));
        server.route("/b", HttpAnswer::html("<title>B</title>B"));
    }
    // Resizes the window and runs passes until the layout has followed.
    void resize(BrowserSession& session, int w, int h) {
        session.resizeClientArea(w, h);
        ASSERT_TRUE(session.passUntil([&] {
            return platform::clientWidth(mainWindow.window) == w &&
                   rectOf(mainWindow.loadProgressBar).width == std::max(w, 0) &&
                   platform::queuedEventCount() == 0;
        }));
    }
    HttpServer server;
};

TEST_F(Layout, FollowsTheWindowsWidth) {
    BrowserSession session({server.url("/a")});
    resize(session, 1270, 740);
    const MainWindowControls& c = mainWindow;
    const int s = statusHeight();
    EXPECT_EQ(rectOf(c.addressField), (Rect{190, 20, 810, 25}));
    EXPECT_EQ(rectOf(c.loadProgressBar), (Rect{0, 0, 1270, 10}));
    EXPECT_EQ(rectOf(c.searchButton), (Rect{1010, 20, 90, 25}));
    EXPECT_EQ(rectOf(c.refreshButton), (Rect{1110, 20, 80, 25}));
    EXPECT_EQ(rectOf(c.externalBrowserButton), (Rect{1230, 20, 32, 32}));
    EXPECT_EQ(rectOf(c.offlineSaveImage), (Rect{1195, 20, 30, 30}));
    EXPECT_EQ(rectOf(c.tabPanel), (Rect{10, 60, 1250, 740 - s - 65}));
    EXPECT_EQ(rectOf(WEB_VIEW_BASE), (Rect{1, 10, 1225, 740 - s - 105}));
    // The back and forward buttons stay where start-up put them.
    EXPECT_EQ(rectOf(c.backButton), (Rect{10, 20, 80, 25}));
    EXPECT_EQ(rectOf(c.forwardButton), (Rect{100, 20, 80, 25}));
    // The status bar keeps its field widths whatever the width.
    EXPECT_EQ(platform::statusFieldWidth(MAIN_STATUS_BAR, 0), 635);
}

TEST_F(Layout, TinyWindowGetsEmptyControlsAndKeepsRunning) {
    BrowserSession session({server.url("/a")});
    resize(session, 200, 90);
    EXPECT_EQ(rectOf(mainWindow.addressField).width, 0);
    EXPECT_EQ(rectOf(mainWindow.tabPanel).height, std::max(90 - statusHeight() - 65, 0));
    EXPECT_EQ(rectOf(WEB_VIEW_BASE).height, 0);
    EXPECT_TRUE(session.pass());
}

TEST_F(Layout, NewTabsViewTakesTheLayoutSizeInTheSamePass) {
    BrowserSession session({server.url("/a")});
    resize(session, 1000, 700);
    platform::postEvent({EventKind::Menu, CMD_NEW_TAB, 0});
    ASSERT_TRUE(session.passUntil([] { return isWebView(WEB_VIEW_BASE + 1); }));
    EXPECT_EQ(rectOf(WEB_VIEW_BASE + 1), (Rect{1, 10, 955, 700 - statusHeight() - 105}));
}

class SplitView : public Layout {
protected:
    int rightView() const { return platform::splitterPartControl(SPLIT_VIEW, 1); }
};

TEST_F(SplitView, ShowsTheFirstTabBesideANewPage) {
    BrowserSession session({server.url("/a")});
    resize(session, 1270, 740);
    platform::postEvent({EventKind::Menu, CMD_NEW_TAB, 0});
    ASSERT_TRUE(session.passUntil([] { return isWebView(WEB_VIEW_BASE + 1); }));
    navigate(WEB_VIEW_BASE + 1, server.url("/b"));

    // Opened while the second tab is current: the left part is still the first tab's view.
    platform::postEvent({EventKind::Menu, CMD_OPEN_SPLIT_VIEW, 0});
    ASSERT_TRUE(session.passUntil([] { return platform::controlExists(SPLIT_VIEW); }));
    EXPECT_EQ(platform::splitterPartControl(SPLIT_VIEW, 0), WEB_VIEW_BASE);
    EXPECT_TRUE(isWebView(rightView()));
    EXPECT_FALSE(platform::controlInSplitter(SPLIT_VIEW, WEB_VIEW_BASE + 1));
    EXPECT_EQ(platform::selectedTab(mainWindow.tabPanel), 0) << "the split is brought into view";
    EXPECT_EQ(platform::splitterBarWidth(SPLIT_VIEW), 7);
    const int shared = 1225 - 7;
    EXPECT_EQ(platform::splitterPartWidth(SPLIT_VIEW, 1), shared / 2);
    EXPECT_EQ(platform::splitterPartWidth(SPLIT_VIEW, 0), shared - shared / 2);

    // The new page shows the engine's own menu.
    server.route("/drawn", HttpAnswer::html(DRAWN_PAGE));
    navigate(rightView(), server.url("/drawn"));
    ASSERT_TRUE(session.passUntil(
        [&] { return pageTitle(rightView()) == "Drawn" && !isBusy(rightView()); }));
    ASSERT_TRUE(session.passUntil([] { return platform::queuedEventCount() == 0; }));
    rightClickInPage(rightView());
    ASSERT_TRUE(session.passUntil([] { return shownMenu() != nullptr; }, 5000));
    EXPECT_FALSE(platform::popupMenuShown(PAGE_MENU)) << "the program's own menu opened";
    shownMenu()->close();

    // It follows later sizes, keeping the share between its parts.
    resize(session, 1000, 600);
    EXPECT_EQ(rectOf(SPLIT_VIEW).width, 955);
}

TEST_F(SplitView, SecondCommandAndClosingTheFirstTabLoseNoTabsView) {
    BrowserSession session({server.url("/a")});
    platform::postEvent({EventKind::Menu, CMD_NEW_SPLIT_WINDOW, 0});
    ASSERT_TRUE(session.passUntil([] { return platform::controlExists(SPLIT_VIEW); }));
    const int right = rightView();
    platform::postEvent({EventKind::Menu, CMD_NEW_SPLIT_WINDOW, 0});
    ASSERT_TRUE(session.passUntil([] { return platform::queuedEventCount() == 0; }));
    EXPECT_EQ(rightView(), right);
    EXPECT_EQ(platform::splitterPartControl(SPLIT_VIEW, 0), WEB_VIEW_BASE);

    platform::postEvent({EventKind::Menu, CMD_NEW_TAB, 0});
    ASSERT_TRUE(session.passUntil([] { return isWebView(WEB_VIEW_BASE + 1); }));
    navigate(WEB_VIEW_BASE + 1, server.url("/b"));
    session.chooseTab(0);
    ASSERT_TRUE(session.pass());
    // Closing the first tab closes its split with it; the second tab becomes the first, whole.
    platform::postEvent({EventKind::Menu, CMD_CLOSE_TAB, 0});
    ASSERT_TRUE(session.passUntil([] { return !platform::controlExists(SPLIT_VIEW); }));
    ASSERT_TRUE(
        session.passUntil([&] { return currentAddress(WEB_VIEW_BASE) == server.url("/b"); }));
    EXPECT_EQ(platform::tabCount(mainWindow.tabPanel), 2);
    // A new split can be opened on the new first tab.
    platform::postEvent({EventKind::Menu, CMD_OPEN_SPLIT_VIEW, 0});
    ASSERT_TRUE(session.passUntil([] { return platform::controlExists(SPLIT_VIEW); }));
    EXPECT_EQ(platform::splitterPartControl(SPLIT_VIEW, 0), WEB_VIEW_BASE);
}

} // namespace

// Tabs: opening, closing, the numbering of their views, and their texts.

#include "app/browser_state.h"
#include "app/main_loop.h"
#include "app/main_window_menus.h"
#include "platform/events.h"
#include "platform/tab_panel.h"
#include "platform/windows.h"
#include "support/browser_session.h"
#include "support/http_server.h"
#include "webview/web_view.h"

#include <gtest/gtest.h>

namespace {

using platform::EventKind;

QString tabText(int i) {
    return platform::tabText(mainWindow.tabPanel, i);
}
int tabCount() {
    return platform::tabCount(mainWindow.tabPanel);
}
int selected() {
    return platform::selectedTab(mainWindow.tabPanel);
}
bool loaded(int view, const QString& address) {
    return currentAddress(view) == address && !isBusy(view);
}

class Tabs : public testing::Test {
protected:
    Tabs() {
        for (const char* name : {"one", "two", "three", "four"})
            server.route(QByteArray("/") + name,
                         HttpAnswer::html(QByteArray("<title>") + name + "</title>" + name));
    }
    QString page(const char* name) const { return server.url(QString("/") + name); }
    // Three page tabs on pages "one", "two" and "three"; the third is current.
    void openThreeTabs(BrowserSession& session) {
        platform::postEvent({EventKind::Menu, CMD_NEW_TAB, 0});
        ASSERT_TRUE(session.passUntil([] { return tabCount() == 3; }));
        session.chooseTab(2); // the add-tab item
        ASSERT_TRUE(session.passUntil([] { return tabCount() == 4; }));
        navigate(WEB_VIEW_BASE + 1, page("two"));
        navigate(WEB_VIEW_BASE + 2, page("three"));
        ASSERT_TRUE(session.passUntil([&] {
            return loaded(WEB_VIEW_BASE, page("one")) && loaded(WEB_VIEW_BASE + 1, page("two")) &&
                   loaded(WEB_VIEW_BASE + 2, page("three"));
        }));
    }
    HttpServer server;
};

TEST_F(Tabs, AddTabItemAndCommandOpenNumberedTabs) {
    BrowserSession session({page("one")});
    // The first tab's load takes the one-time loading text.
    ASSERT_TRUE(session.passUntil([&] { return loaded(WEB_VIEW_BASE, page("one")); }));
    session.chooseTab(1);
    ASSERT_TRUE(session.passUntil([] { return tabCount() == 3; }));
    EXPECT_EQ(tabText(1), "Nouvel Onglet n°1");
    EXPECT_EQ(tabText(2), "   +");
    EXPECT_EQ(selected(), 1);
    EXPECT_TRUE(isWebView(WEB_VIEW_BASE + 1));

    platform::postEvent({EventKind::Menu, CMD_NEW_TAB, 0});
    ASSERT_TRUE(session.passUntil([] { return tabCount() == 4; }));
    EXPECT_EQ(tabText(2), "Nouvel Onglet n°2");
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(tabText(3), "   +");
}

TEST_F(Tabs, ClosingTheSecondOfThreeKeepsEachTabOnItsOwnPage) {
    BrowserSession session({page("one")});
    openThreeTabs(session);
    session.chooseTab(1);
    ASSERT_TRUE(session.pass());
    platform::postEvent({EventKind::Menu, CMD_CLOSE_TAB, 0});
    ASSERT_TRUE(session.passUntil([] { return tabCount() == 3; }));
    EXPECT_EQ(selected(), 0);
    EXPECT_FALSE(isWebView(WEB_VIEW_BASE + 2));

    // The former third tab, now second, acts on its own page.
    session.chooseTab(1);
    ASSERT_TRUE(session.passUntil(
        [] { return platform::windowTitle(mainWindow.window) == "Orvelia v4.2.2 - three"; }));
    EXPECT_EQ(currentAddress(WEB_VIEW_BASE + 1), page("three"));
    EXPECT_EQ(tabText(1), tabLabel("three"));
    navigate(WEB_VIEW_BASE + 1, page("four"));
    ASSERT_TRUE(session.passUntil([&] { return loaded(WEB_VIEW_BASE + 1, page("four")); }));
    platform::postEvent({EventKind::Control, mainWindow.backButton, 0});
    ASSERT_TRUE(session.passUntil([&] { return loaded(WEB_VIEW_BASE + 1, page("three")); }));
    platform::postEvent({EventKind::Control, mainWindow.forwardButton, 0});
    ASSERT_TRUE(session.passUntil([&] { return loaded(WEB_VIEW_BASE + 1, page("four")); }));
    const int before = server.requestCount("/four");
    platform::postEvent({EventKind::Control, mainWindow.refreshButton, 0});
    ASSERT_TRUE(session.passUntil([&] { return server.requestCount("/four") > before; }));
    EXPECT_EQ(currentAddress(WEB_VIEW_BASE), page("one")) << "the first tab was touched";
}

TEST_F(Tabs, NumbersStartAgainFromTheCountAfterCloses) {
    BrowserSession session({page("one")});
    openThreeTabs(session);
    platform::postEvent({EventKind::Menu, CMD_CLOSE_TAB, 0}); // the third
    ASSERT_TRUE(session.passUntil([] { return tabCount() == 3; }));
    platform::postEvent({EventKind::Menu, CMD_NEW_TAB, 0});
    ASSERT_TRUE(session.passUntil([] { return tabCount() == 4; }));
    EXPECT_EQ(tabText(2), "Nouvel Onglet n°2");
}

TEST_F(Tabs, ClosingTheOnlyTabOpensANewOneAtOnce) {
    BrowserSession session({page("one")});
    platform::postEvent({EventKind::Menu, CMD_CLOSE_TAB, 0});
    ASSERT_TRUE(session.passUntil([] { return tabCount() == 1; }));
    // The add-tab item is now selected: the very next pass opens tab 0.
    ASSERT_TRUE(session.pass());
    EXPECT_EQ(tabCount(), 2);
    EXPECT_EQ(tabText(0).left(17), "Nouvel Onglet n°0");
    EXPECT_EQ(selected(), 0);
    EXPECT_TRUE(isWebView(WEB_VIEW_BASE));
}

TEST_F(Tabs, TextsFollowTheCurrentAddressWhenSwitching) {
    BrowserSession session({page("one")});
    openThreeTabs(session);
    // Switching to a tab whose address differs from the last one seen renews its text.
    session.chooseTab(0);
    ASSERT_TRUE(session.passUntil([] { return tabText(0) == tabLabel("one"); }));
    session.chooseTab(1);
    ASSERT_TRUE(session.passUntil([] { return tabText(1) == tabLabel("two"); }));
    // A tab that is not current keeps its text while its page changes.
    navigate(WEB_VIEW_BASE, page("four"));
    ASSERT_TRUE(session.passUntil([&] { return loaded(WEB_VIEW_BASE, page("four")); }));
    EXPECT_EQ(tabText(0), tabLabel("one"));
    // Two tabs on the same address: switching renews neither.
    navigate(WEB_VIEW_BASE + 1, page("four"));
    ASSERT_TRUE(session.passUntil([&] { return tabText(1) == tabLabel("four"); }));
    session.chooseTab(0);
    ASSERT_TRUE(session.passUntil([] { return platform::queuedEventCount() == 0; }));
    EXPECT_EQ(tabText(0), tabLabel("one"));
}

} // namespace

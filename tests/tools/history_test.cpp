// The navigation history: what the main loop appends to "history.txt", and the window that lists
// it and reopens an entry.

#include "nested_steps.h"

#include "app/browser_state.h"
#include "app/main_window_menus.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/objects.h"
#include "platform/report_list.h"
#include "platform/top_window.h"
#include "platform/windows.h"
#include "support/browser_session.h"
#include "support/http_server.h"
#include "tools/history_window.h"
#include "webview/web_view.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

using platform::EventKind;

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool loaded(int view, const QString& address) {
    return currentAddress(view) == address && !isBusy(view);
}

class History : public testing::Test {
protected:
    History() {
        server.route("/a", HttpAnswer::html("<title>A</title>a"));
        server.route("/b", HttpAnswer::html("<title>B</title>b"));
        HttpAnswer slow = HttpAnswer::html("<title>Slow</title>slow");
        slow.delayMs = 1500;
        server.route("/slow", slow);
    }
    QString page(const char* name) const { return server.url(QString("/") + name); }
    // The log's expected bytes: each address followed by CR LF.
    QByteArray entries(const QStringList& addresses) const {
        QByteArray bytes;
        for (const QString& address : addresses)
            bytes += address.toUtf8() + "\r\n";
        return bytes;
    }
    bool logHolds(const BrowserSession& session, const QStringList& addresses) const {
        return contentOf(session.path("history.txt")) == entries(addresses);
    }
    // Opens the history window through its menu command and runs the steps inside its loop.
    static void inHistoryWindow(BrowserSession& session, std::vector<NestedSteps::Step> steps) {
        NestedSteps driver(HISTORY_LIST, std::move(steps));
        platform::postEvent({EventKind::Menu, CMD_SHOW_HISTORY, 0});
        // Events queued earlier (the window's size, the pages' notifications) come first.
        ASSERT_TRUE(session.passUntil([&] { return driver.finished(); }));
        EXPECT_FALSE(platform::controlExists(HISTORY_LIST));
    }
    static QStringList listedRows() {
        QStringList rows;
        for (int i = 0; i < platform::reportRowCount(HISTORY_LIST); ++i)
            rows << platform::reportRowText(HISTORY_LIST, i);
        return rows;
    }
    static void clickClose() { platform::postEvent({EventKind::Control, HISTORY_CLOSE_BUTTON, 0}); }

    HttpServer server;
};

TEST_F(History, EveryChangeOfTheCurrentAddressIsAppendedRevisitsIncluded) {
    BrowserSession session({page("a")});
    ASSERT_TRUE(session.passUntil([&] { return logHolds(session, {page("a")}); }));
    navigate(WEB_VIEW_BASE, page("b"));
    ASSERT_TRUE(session.passUntil([&] { return logHolds(session, {page("a"), page("b")}); }));
    navigate(WEB_VIEW_BASE, page("a"));
    ASSERT_TRUE(session.passUntil([&] {
        return logHolds(session, {page("a"), page("b"), page("a")});
    }));
}

TEST_F(History, SwitchedOffLogsNothingAndSwitchedOnWaitsForTheNextChange) {
    BrowserSession session({page("a")});
    browserSettings.historyEnabled = 0;
    ASSERT_TRUE(session.passUntil([&] { return mainLoop.lastSeenAddress == page("a"); }));
    navigate(WEB_VIEW_BASE, page("b"));
    ASSERT_TRUE(session.passUntil([&] { return mainLoop.lastSeenAddress == page("b"); }));
    EXPECT_TRUE(QFile::exists(session.path("history.txt")));
    EXPECT_EQ(contentOf(session.path("history.txt")), "");

    browserSettings.historyEnabled = 1;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(session.pass());
    EXPECT_EQ(contentOf(session.path("history.txt")), "");
    navigate(WEB_VIEW_BASE, page("a"));
    ASSERT_TRUE(session.passUntil([&] { return logHolds(session, {page("a")}); }));
}

TEST_F(History, SwitchingTabsLogsTheAddressOfTheTabNowShown) {
    BrowserSession session({page("a"), page("b")}); // the second tab is current
    ASSERT_TRUE(session.passUntil([&] { return logHolds(session, {page("b")}); }));
    session.chooseTab(0);
    ASSERT_TRUE(session.passUntil([&] { return logHolds(session, {page("b"), page("a")}); }));
    session.chooseTab(1);
    ASSERT_TRUE(session.passUntil([&] {
        return logHolds(session, {page("b"), page("a"), page("b")});
    }));
}

TEST_F(History, NothingIsLoggedWhileThePageLoads) {
    BrowserSession session({page("a")});
    ASSERT_TRUE(session.passUntil([&] { return logHolds(session, {page("a")}); }));
    navigate(WEB_VIEW_BASE, page("slow"));
    int busyPasses = 0;
    ASSERT_TRUE(session.passUntil([&] {
        if (isBusy(WEB_VIEW_BASE)) {
            ++busyPasses;
            EXPECT_TRUE(logHolds(session, {page("a")})) << "logged while loading";
        }
        return loaded(WEB_VIEW_BASE, page("slow"));
    }));
    EXPECT_GT(busyPasses, 1);
    ASSERT_TRUE(session.passUntil([&] { return logHolds(session, {page("a"), page("slow")}); }));
}

TEST_F(History, WindowListsOneRowPerLineWhateverTheLineEnds) {
    const struct {
        const char* name;
        QByteArray bytes;
        QStringList rows;
    } cases[] = {
        {"CR LF", "http://a/\r\nhttp://b/\r\n", {"http://a/", "http://b/"}},
        {"LF only", "http://a/\nhttp://b/\n", {"http://a/", "http://b/"}},
        {"CR only", "http://a/\rhttp://b/\r", {"http://a/", "http://b/"}},
        {"blank line between", "http://a/\r\n\r\nhttp://b/\r\n", {"http://a/", "", "http://b/"}},
        {"zero byte", QByteArray("http://a/\0http://b/\r\n", 21), {"http://a/", "http://b/"}},
        {"no end at the end", "http://a/\r\nhttp://b/", {"http://a/", "http://b/"}},
        {"UTF-8", "http://a/caf\xc3\xa9\r\n", {"http://a/café"}},
        {"empty file", "", {}},
    };
    BrowserSession session({page("a")});
    browserSettings.historyEnabled = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile log(session.path("history.txt"));
        ASSERT_TRUE(log.open(QIODevice::WriteOnly | QIODevice::Truncate));
        log.write(c.bytes);
        log.close();
        QStringList rows;
        inHistoryWindow(session, {[&] {
                            rows = listedRows();
                            clickClose();
                        }});
        EXPECT_EQ(rows, c.rows);
    }
}

TEST_F(History, WindowHasItsTitleColourAndColumn) {
    BrowserSession session({page("a")});
    QString title, column;
    int colour = 0, grid = 0, width = 0;
    inHistoryWindow(session, {[&] {
                        const int window =
                            platform::windowNumberOf(platform::controlWidget(HISTORY_LIST));
                        title = platform::windowTitle(window);
                        colour = platform::windowColour(window);
                        column = platform::reportColumnTitle(HISTORY_LIST);
                        width = platform::reportColumnWidth(HISTORY_LIST);
                        grid = platform::reportGridColour(HISTORY_LIST);
                        clickClose();
                    }});
    EXPECT_EQ(title, "Orvelia - Historique de navigation");
    EXPECT_EQ(colour, 52 + 256 * 90 + 65536 * 163);
    EXPECT_EQ(column, "Pages Web consultées");
    EXPECT_EQ(width, 500);
    EXPECT_EQ(grid, 63 + 256 * 105 + 65536 * 153);
}

TEST_F(History, OpenThisPageLoadsTheSelectedRowAndRecordingGoesOn) {
    BrowserSession session({page("a")});
    ASSERT_TRUE(session.passUntil([&] { return logHolds(session, {page("a")}); }));
    navigate(WEB_VIEW_BASE, page("b"));
    ASSERT_TRUE(session.passUntil([&] { return logHolds(session, {page("a"), page("b")}); }));
    const int requestsBefore = server.requestCount("/a");

    inHistoryWindow(session,
                    {
                        [] {
                            platform::postEvent({EventKind::Control, HISTORY_OPEN_BUTTON, 0});
                        },
                        [&] {
                            // No row selected: nothing happens.
                            EXPECT_TRUE(loaded(WEB_VIEW_BASE, page("b")));
                            EXPECT_TRUE(platform::controlExists(HISTORY_LIST));
                            platform::selectReportRow(HISTORY_LIST, 0);
                            platform::postEvent({EventKind::Control, HISTORY_OPEN_BUTTON, 0});
                        },
                        [&] {
                            EXPECT_TRUE(platform::controlExists(HISTORY_LIST))
                                << "the window stays open";
                            clickClose();
                        },
                    });
    ASSERT_TRUE(session.passUntil([&] {
        return logHolds(session, {page("a"), page("b"), page("a")});
    }));
    EXPECT_GT(server.requestCount("/a"), requestsBefore);
}

TEST_F(History, CloseRequestOfTheMainWindowClosesOnlyTheHistoryWindow) {
    BrowserSession session({page("a")});
    inHistoryWindow(session, {[] {
                        platform::postEvent({EventKind::Close, mainWindow.window, 0});
                    }});
    EXPECT_TRUE(platform::windowVisible(mainWindow.window));
    EXPECT_TRUE(session.pass()) << "the browser ended";
}

TEST_F(History, MessageWhenTheLogCannotBeRead) {
    BrowserSession session({page("a")});
    ASSERT_TRUE(QFile::remove(session.path("history.txt")));
    platform::takeDialogRecords();
    platform::postEvent({EventKind::Menu, CMD_SHOW_HISTORY, 0});
    QList<platform::DialogRecord> shown;
    ASSERT_TRUE(session.passUntil([&] {
        shown += platform::takeDialogRecords();
        return !shown.isEmpty();
    }));
    EXPECT_FALSE(platform::controlExists(HISTORY_LIST));
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].kind, "message");
    EXPECT_EQ(shown[0].title, "Orvelia");
    EXPECT_EQ(shown[0].text,
              "Impossible d'ouvrir l'historique.\n\nVérifiez que vous vous être déja connecté a "
              "Internet et que l'option 'Activer l'Historique de navigation' est activée.");
}

} // namespace

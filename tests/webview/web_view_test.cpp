#include "platform/events.h"
#include "platform/numbers.h"
#include "platform/objects.h"
#include "support/http_server.h"
#include "support/page_mouse.h"
#include "support/wait.h"
#include "webview/web_view.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int DEADLINE_MS = 15000;

QByteArray page(const QByteArray& title, const QByteArray& body) {
    return "<html><head><title>" + title + "</title></head><body>" + body + "</body></html>";
}

class WebViewTest : public testing::Test {
protected:
    void SetUp() override {
        container.resize(800, 600);
        container.show();
        platform::setPlacementContainer(&container);
        platform::clearEventQueue();
    }
    void TearDown() override {
        for (int view : views)
            platform::controls().destroy(view);
        platform::setPlacementContainer(nullptr);
        platform::clearEventQueue();
    }

    int openView(const QString& address = QString()) {
        int view = createWebView(platform::NEW_NUMBER, 0, 0, 800, 600, address);
        views.push_back(view);
        return view;
    }

    // Takes the view's events from the queue until one of type lastType arrives, calling check
    // after each. Returns their types; empty when the deadline passed first.
    std::vector<int> eventsUntil(int view, int lastType, const std::function<void()>& check = {}) {
        std::vector<int> types;
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < DEADLINE_MS) {
            platform::Event event = platform::waitEvent(100);
            if (event.kind != platform::EventKind::Control || event.object != view) continue;
            types.push_back(event.type);
            if (check) check();
            if (event.type == lastType) return types;
        }
        return {};
    }

    bool load(int view, const QString& address) {
        navigate(view, address);
        return !eventsUntil(view, VIEW_DOWNLOAD_COMPLETE).empty();
    }

    // A view showing a page that has been drawn at least once, so that it takes mouse input.
    int openDrawnPage() {
        server.route("/drawn", HttpAnswer::html(DRAWN_PAGE));
        int view = openView(server.url("/drawn"));
        EXPECT_TRUE(waitUntil([&] { return pageTitle(view) == "Drawn" && !isBusy(view); }));
        platform::clearEventQueue();
        return view;
    }

    // Whether the queue holds an event of the view (of the type, when given); empties it.
    static bool queueHolds(int view, int type = -1) {
        bool found = false;
        for (int left = platform::queuedEventCount(); left > 0; --left) {
            platform::Event event = platform::waitEvent(0);
            if (event.kind == platform::EventKind::Control && event.object == view &&
                (type < 0 || event.type == type))
                found = true;
        }
        return found;
    }

    HttpServer server;
    QWidget container;
    std::vector<int> views;
};

TEST_F(WebViewTest, ProgressStaysWithinItsMaximumThroughALoadAndEndsEqualToIt) {
    int view = openView();
    EXPECT_EQ(loadProgress(view), 0);
    EXPECT_EQ(loadProgressMax(view), 0);

    HttpAnswer chunked = HttpAnswer::html(page("Chunks", QByteArray(6000, 'x')));
    chunked.chunkSize = 1000;
    chunked.delayMs = 30;
    server.route("/chunked", chunked);
    navigate(view, server.url("/chunked"));
    std::vector<int> types = eventsUntil(view, VIEW_DOWNLOAD_COMPLETE, [&] {
        ASSERT_GE(loadProgress(view), 0);
        ASSERT_LE(loadProgress(view), loadProgressMax(view));
    });

    ASSERT_FALSE(types.empty());
    EXPECT_EQ(types.front(), VIEW_DOWNLOAD_BEGAN);
    EXPECT_NE(std::find(types.begin(), types.end(), VIEW_PROGRESS), types.end());
    EXPECT_GT(loadProgressMax(view), 0);
    EXPECT_EQ(loadProgress(view), loadProgressMax(view));
}

TEST_F(WebViewTest, IsBusyWhileAPageIsLoadingOnly) {
    HttpAnswer slow = HttpAnswer::html(page("Slow", "slow"));
    slow.delayMs = 400;
    server.route("/slow", slow);
    server.route("/fast", HttpAnswer::html(page("Fast", "fast")));
    int view = openView();
    EXPECT_FALSE(isBusy(view));

    navigate(view, server.url("/slow"));
    ASSERT_TRUE(waitUntil([&] { return server.requestCount("/slow") == 1; }));
    EXPECT_TRUE(isBusy(view));
    ASSERT_TRUE(waitUntil([&] { return !isBusy(view); }));
    EXPECT_EQ(pageTitle(view), "Slow");

    // A load cut short by the next one must not leave the view busy or its progress behind.
    navigate(view, server.url("/slow"));
    navigate(view, server.url("/fast"));
    ASSERT_TRUE(waitUntil([&] { return pageTitle(view) == "Fast"; }));
    ASSERT_TRUE(waitUntil([&] { return !isBusy(view); }));
    EXPECT_EQ(loadProgress(view), loadProgressMax(view));
}

// How a load ends: the address asked for and the address the view shows at the end.
struct Ending {
    const char* name;
    QString asked;
    QString shown;
};

void PrintTo(const Ending& ending, std::ostream* out) {
    *out << ending.name;
}

class LoadEndingTest : public WebViewTest, public testing::WithParamInterface<Ending> {
protected:
    // Paths are served by this test's server; "refused" goes to a port nobody listens on.
    QString address(const QString& path) {
        if (path != "refused") return server.url(path);
        HttpServer gone;
        return gone.url("/");
    }
};

TEST_P(LoadEndingTest, EveryWayALoadEndsLeavesTheViewIdleWithFullProgress) {
    server.route("/page", HttpAnswer::html(page("Page", "<p id=\"part\">partie</p>")));
    HttpAnswer cut = HttpAnswer::html(page("Cut", QByteArray(5000, 'y')));
    cut.closeAfterBytes = 100;
    server.route("/cut", cut);
    server.route("/moved", HttpAnswer::redirect("/page"));
    int view = openView();
    ASSERT_TRUE(load(view, server.url("/page")));

    QString asked = address(GetParam().asked);
    navigate(view, asked);
    ASSERT_FALSE(eventsUntil(view, VIEW_DOWNLOAD_COMPLETE).empty());
    EXPECT_FALSE(isBusy(view));
    EXPECT_EQ(loadProgress(view), loadProgressMax(view));
    EXPECT_EQ(currentAddress(view), GetParam().shown.isEmpty() ? asked : address(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Loads, LoadEndingTest,
    testing::Values(Ending{"NotFound", "/missing", ""}, Ending{"ClosedEarly", "/cut", ""},
                    Ending{"Redirected", "/moved", "/page"}, Ending{"Refused", "refused", ""}),
    [](const testing::TestParamInfo<Ending>& info) { return info.param.name; });

TEST_F(WebViewTest, MovingWithinThePageReportsNoLoad) {
    server.route("/page", HttpAnswer::html(page("Page", "<p id=\"part\">partie</p>")));
    int view = openView();
    ASSERT_TRUE(load(view, server.url("/page")));

    navigate(view, server.url("/page#part"));
    ASSERT_TRUE(waitUntil([&] { return currentAddress(view) == server.url("/page#part"); }));
    EXPECT_FALSE(isBusy(view));
    EXPECT_EQ(loadProgress(view), loadProgressMax(view));
    EXPECT_FALSE(queueHolds(view, VIEW_DOWNLOAD_BEGAN));
}

TEST_F(WebViewTest, ReportsTitleAddressAndSourceOfTheShownPage) {
    server.route("/titled", HttpAnswer::html(page("Café – été", "<p id=\"mark\">corps</p>")));
    server.route("/untitled", HttpAnswer::html("<html><body>sans titre</body></html>"));
    int view = openView();
    EXPECT_EQ(currentAddress(view), "about:blank");
    EXPECT_EQ(pageTitle(view), "");

    navigate(view, server.url("/titled?q=1"));
    std::vector<int> types = eventsUntil(view, VIEW_DOWNLOAD_COMPLETE);
    EXPECT_NE(std::find(types.begin(), types.end(), VIEW_TITLE_CHANGED), types.end());
    EXPECT_EQ(pageTitle(view), QString::fromUtf8("Café – été"));
    EXPECT_EQ(currentAddress(view), server.url("/titled?q=1"));
    QString source = pageSource(view);
    EXPECT_TRUE(source.startsWith("<html>")) << source.toStdString();
    EXPECT_TRUE(source.contains("<p id=\"mark\">corps</p>")) << source.toStdString();

    // The engine shows the address as the title of a document without one.
    ASSERT_TRUE(load(view, server.url("/untitled")));
    EXPECT_EQ(pageTitle(view), "");
    EXPECT_TRUE(pageSource(view).contains("sans titre"));
}

TEST_F(WebViewTest, TakesAnAddressWithoutSchemeAsHttpAndIgnoresEmptyText) {
    server.route("/plain", HttpAnswer::html(page("Plain", "")));
    int view = openView();
    navigate(view, "");
    EXPECT_FALSE(isBusy(view));
    EXPECT_EQ(platform::queuedEventCount(), 0);

    QString withoutScheme = server.url("/plain").mid(QStringLiteral("http://").size());
    ASSERT_TRUE(load(view, withoutScheme));
    EXPECT_EQ(currentAddress(view), server.url("/plain"));
    // A scheme further on in the text does not make it an address with a scheme.
    ASSERT_TRUE(load(view, withoutScheme + "?next=http://elsewhere"));
    EXPECT_EQ(currentAddress(view), server.url("/plain?next=http://elsewhere"));
    EXPECT_EQ(server.requestCount("/plain"), 2);
}

TEST_F(WebViewTest, MakesTheViewUnderAFixedNumberAndLoadsTheAddressAtOnce) {
    server.route("/first", HttpAnswer::html(page("First", "")));
    server.route("/second", HttpAnswer::html(page("Second", "")));
    const int fixed = 42;
    views.push_back(fixed);
    EXPECT_EQ(createWebView(fixed, 0, 0, 800, 600, server.url("/first")), fixed);
    EXPECT_TRUE(isWebView(fixed));
    ASSERT_FALSE(eventsUntil(fixed, VIEW_DOWNLOAD_COMPLETE).empty());
    EXPECT_EQ(pageTitle(fixed), "First");

    // A view made under a number in use replaces the one that had it.
    QPointer<QWidget> replaced = platform::controlWidget(fixed);
    EXPECT_EQ(createWebView(fixed, 0, 0, 800, 600, server.url("/second")), fixed);
    EXPECT_TRUE(replaced.isNull());
    ASSERT_FALSE(eventsUntil(fixed, VIEW_DOWNLOAD_COMPLETE).empty());
    EXPECT_EQ(pageTitle(fixed), "Second");
}

TEST_F(WebViewTest, GoesBackAndForwardAndReloads) {
    server.route("/one", HttpAnswer::html(page("One", "")));
    server.route("/two", HttpAnswer::html(page("Two", "")));
    int view = openView();
    goBack(view); // nowhere to go yet
    goForward(view);
    ASSERT_TRUE(load(view, server.url("/one")));
    ASSERT_TRUE(load(view, server.url("/two")));

    goBack(view);
    ASSERT_TRUE(waitUntil([&] { return currentAddress(view) == server.url("/one"); }));
    goForward(view);
    ASSERT_TRUE(waitUntil([&] { return currentAddress(view) == server.url("/two"); }));
    ASSERT_TRUE(waitUntil([&] { return !isBusy(view); }));

    int before = server.requestCount("/two");
    reload(view);
    ASSERT_TRUE(waitUntil([&] { return server.requestCount("/two") == before + 1; }));
    ASSERT_TRUE(waitUntil([&] { return !isBusy(view); }));
    goForward(view); // at the end of the history
    EXPECT_EQ(currentAddress(view), server.url("/two"));
}

TEST_F(WebViewTest, BlockedMenuReportsTheRightClickInsteadOfShowingTheEngineMenu) {
    int view = openDrawnPage();

    setContextMenuBlocked(view, true);
    rightClickInPage(view);
    EXPECT_FALSE(eventsUntil(view, VIEW_MENU_REQUESTED).empty());
    EXPECT_EQ(shownMenu(), nullptr);
}

TEST_F(WebViewTest, UnblockedViewShowsTheEngineMenuAndReportsNothing) {
    int view = openDrawnPage();

    rightClickInPage(view);
    ASSERT_TRUE(waitUntil([] { return shownMenu() != nullptr; }));
    shownMenu()->close();
    EXPECT_FALSE(queueHolds(view, VIEW_MENU_REQUESTED));
}

struct NewWindowCase {
    const char* name;
    QByteArray opener;
};

void PrintTo(const NewWindowCase& request, std::ostream* out) {
    *out << request.name;
}

class NewWindowTest : public WebViewTest, public testing::WithParamInterface<NewWindowCase> {};

TEST_P(NewWindowTest, OpensThePageInTheSameViewKeepingItsHistory) {
    server.route("/opener", HttpAnswer::html(page("Opener", GetParam().opener)));
    server.route("/target", HttpAnswer::html(page("Target", "")));
    int view = openView();

    navigate(view, server.url("/opener"));
    ASSERT_TRUE(waitUntil([&] { return pageTitle(view) == "Target"; }));
    EXPECT_EQ(currentAddress(view), server.url("/target"));
    ASSERT_TRUE(waitUntil([&] { return !isBusy(view); }));
    goBack(view);
    ASSERT_TRUE(waitUntil([&] { return currentAddress(view) == server.url("/opener"); }));
}

INSTANTIATE_TEST_SUITE_P(
    Requests, NewWindowTest,
    testing::Values(NewWindowCase{"BlankTargetLink",
                                  "<a id=\"l\" target=\"_blank\" href=\"/target\">"
                                  "lien</a><script>document.getElementById('l')"
                                  ".click()</script>"},
                    NewWindowCase{"WindowOpen", "<script>window.open('/target')</script>"}),
    [](const testing::TestParamInfo<NewWindowCase>& info) { return info.param.name; });

TEST_F(WebViewTest, SourceWaitEndsWhenTheViewIsDestroyedMeanwhile) {
    server.route("/doomed", HttpAnswer::html(page("Doomed", "")));
    int view = openView();
    ASSERT_TRUE(load(view, server.url("/doomed")));

    QTimer::singleShot(0, [view] { platform::controls().destroy(view); });
    QElapsedTimer clock;
    clock.start();
    pageSource(view);
    EXPECT_LT(clock.elapsed(), 4000);
    EXPECT_FALSE(isWebView(view));
    EXPECT_EQ(platform::queuedEventCount(), 0);
}

TEST_F(WebViewTest, ADestroyedViewLeavesNoEventsBehind) {
    HttpAnswer slow = HttpAnswer::html(page("Slow", QByteArray(3000, 'z')));
    slow.chunkSize = 500;
    slow.delayMs = 20;
    server.route("/slow", slow);
    server.route("/other", HttpAnswer::html(page("Other", "")));
    int doomed = openView(server.url("/slow"));
    ASSERT_TRUE(waitUntil([&] { return server.requestCount("/slow") == 1; }));
    platform::controls().destroy(doomed);
    views.clear();

    // The queue is left alone while another view loads, giving the engine time to report.
    int other = openView(server.url("/other"));
    ASSERT_TRUE(waitUntil([&] { return pageTitle(other) == "Other" && !isBusy(other); }));
    EXPECT_FALSE(queueHolds(doomed));
}

TEST_F(WebViewTest, AnUnknownNumberDoesNothingAndReadsEmpty) {
    const int unknown = 4242;
    navigate(unknown, server.url("/x"));
    goBack(unknown);
    goForward(unknown);
    reload(unknown);
    setContextMenuBlocked(unknown, true);
    EXPECT_FALSE(isWebView(unknown));
    EXPECT_EQ(currentAddress(unknown), "");
    EXPECT_EQ(pageTitle(unknown), "");
    EXPECT_EQ(pageSource(unknown), "");
    EXPECT_FALSE(isBusy(unknown));
    EXPECT_EQ(loadProgress(unknown), 0);
    EXPECT_EQ(loadProgressMax(unknown), 0);
    EXPECT_EQ(platform::queuedEventCount(), 0);
    EXPECT_TRUE(server.requests().isEmpty());
}

} // namespace

// The address bar's autodetection, opening local files, the desktop's browser and new copies.

#include "app/browser_state.h"
#include "app/main_window_menus.h"
#include "browser/navigation.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/processes.h"
#include "support/browser_session.h"
#include "support/http_server.h"
#include "webview/web_view.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using platform::EventKind;

TEST(PercentEncode, KeepsTheCopiedSetAndEncodesTheRest) {
    struct Case {
        QString text, expected;
    };
    const Case cases[] = {
        {"AZaz09!#$&'()*+,-./:;=?@_~", "AZaz09!#$&'()*+,-./:;=?@_~"},
        {"%", "%25"},
        {" ", "%20"},
        {"é", "%E9"},
        {"\x01", "%01"},
        {"\"<>[]^`{|}\\", "%22%3C%3E%5B%5D%5E%60%7B%7C%7D%5C"},
        {QString::fromUtf8("ÿ"), "%FF"},
        {QString::fromUtf8("λ€"), "??"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(percentEncode(c.text), c.expected) << c.text.toStdString();
}

TEST(TypedText, IsLoadedOrSearchedFor) {
    const QString search = "https://www.google.fr/?gws_rd=ssl#newwindow=1&q=";
    struct Case {
        QString typed, loaded;
    };
    const Case cases[] = {
        {"www.exemple.fr/a b", "http://www.exemple.fr/a%20b"},
        {"WWW.exemple.fr", search + "WWW.exemple.fr"},
        {"exemple.fr", search + "exemple.fr"},
        {"https://exemple.fr/s?a=1&b=%20", "https://exemple.fr/s?a=1&b=%2520"},
        {"http://exemple.fr/", "http://exemple.fr/"},
        {" www.exemple.fr", search + " www.exemple.fr"},
        {"chats & chiens", search + "chats & chiens"},
        {QString::fromUtf8("www.λ.gr"), "http://www.?.gr"},
        {QString::fromUtf8("λόγος"), search + QString::fromUtf8("λόγος")},
        {"www", "http://www"},
        {"ww", search + "ww"},
        {"", search},
    };
    for (const Case& c : cases)
        EXPECT_EQ(addressForTypedText(c.typed), c.loaded) << c.typed.toStdString();
}

class Navigation : public testing::Test {
protected:
    Navigation() {
        server.route("/a", HttpAnswer::html("<title>A</title>A"));
        server.route("/b", HttpAnswer::html("<title>B</title>B"));
        platform::recordInsteadOfStarting(true);
    }
    ~Navigation() override { platform::recordInsteadOfStarting(false); }
    HttpServer server;
};

bool showing(const QString& address) {
    return currentAddress(WEB_VIEW_BASE) == address;
}

TEST_F(Navigation, ToolbarSearchBackForwardAndReload) {
    BrowserSession session({server.url("/a")});
    ASSERT_TRUE(
        session.passUntil([&] { return showing(server.url("/a")) && !isBusy(WEB_VIEW_BASE); }));

    // Typed "http://" text is loaded; the field keeps what was typed.
    platform::setControlText(mainWindow.addressField, server.url("/b"));
    platform::postEvent({EventKind::Control, mainWindow.searchButton, 0});
    ASSERT_TRUE(
        session.passUntil([&] { return showing(server.url("/b")) && !isBusy(WEB_VIEW_BASE); }));
    EXPECT_EQ(platform::controlText(mainWindow.addressField), server.url("/b"));

    platform::postEvent({EventKind::Control, mainWindow.backButton, 0});
    ASSERT_TRUE(session.passUntil([&] { return showing(server.url("/a")); }));
    platform::postEvent({EventKind::Menu, CMD_FORWARD, 0});
    ASSERT_TRUE(
        session.passUntil([&] { return showing(server.url("/b")) && !isBusy(WEB_VIEW_BASE); }));
    const int before = server.requestCount("/b");
    platform::postEvent({EventKind::Control, mainWindow.refreshButton, 0});
    ASSERT_TRUE(session.passUntil([&] { return server.requestCount("/b") > before; }));
}

TEST_F(Navigation, OpenLocalFileThroughTheDialog) {
    BrowserSession session({server.url("/a")});
    QFile page(session.path("page.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<title>Local</title>local");
    page.close();

    platform::queueDialogAnswer(session.path("page.htm"));
    platform::postEvent({EventKind::Menu, CMD_OPEN_FILE, 0});
    ASSERT_TRUE(session.passUntil([] { return pageTitle(WEB_VIEW_BASE) == "Local"; }));
    EXPECT_EQ(currentAddress(WEB_VIEW_BASE), "file://" + session.path("page.htm"));
    const QList<platform::DialogRecord> dialogs = platform::takeDialogRecords();
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_EQ(dialogs[0].title, "Ouvrir ");
    EXPECT_EQ(dialogs[0].text, "Pages Web | *.htm;*html;*php;*css | Tous les fichiers | *.*");

    // A cancelled dialog loads "file://" alone.
    platform::postEvent({EventKind::Menu, CMD_OPEN_FILE, 0});
    ASSERT_TRUE(session.passUntil([] {
        return currentAddress(WEB_VIEW_BASE).startsWith("file:///") &&
               pageTitle(WEB_VIEW_BASE) != "Local";
    }));
    EXPECT_EQ(platform::takeDialogRecords().size(), 1);
}

TEST_F(Navigation, ExternalBrowserGetsWebAddressesButNeverPrograms) {
    BrowserSession session({server.url("/a")});
    ASSERT_TRUE(session.passUntil([&] { return showing(server.url("/a")); }));
    platform::postEvent({EventKind::Control, mainWindow.externalBrowserButton, 0});
    platform::postEvent({EventKind::Menu, CMD_OPEN_EXTERNAL, 0});
    ASSERT_TRUE(session.passUntil([] { return platform::queuedEventCount() == 0; }));
    QList<platform::StartRecord> opened = platform::takeStartRecords();
    ASSERT_EQ(opened.size(), 2);
    for (const platform::StartRecord& r : opened) {
        EXPECT_EQ(r.kind, "desktop");
        EXPECT_EQ(r.target, server.url("/a"));
    }

    // A page that sends the view to a local program cannot have it run.
    QFile program(session.path("tool"));
    ASSERT_TRUE(program.open(QIODevice::WriteOnly));
    program.write("<title>Tool</title>#!/bin/sh");
    program.close();
    program.setPermissions(program.permissions() | QFile::ExeOwner);
    navigate(WEB_VIEW_BASE, "file://" + session.path("tool"));
    ASSERT_TRUE(session.passUntil([] { return currentAddress(WEB_VIEW_BASE).endsWith("/tool"); }));
    platform::postEvent({EventKind::Control, mainWindow.externalBrowserButton, 0});
    ASSERT_TRUE(session.passUntil([] { return platform::queuedEventCount() == 0; }));
    EXPECT_TRUE(platform::takeStartRecords().isEmpty());
}

TEST(RunnableFiles, AreToldFromDocuments) {
    QTemporaryDir folder;
    struct Case {
        const char* name;
        bool executable, runnable;
    };
    for (Case c : {Case{"page.htm", false, false}, Case{"tool", true, true},
                   Case{"launcher.desktop", false, true}, Case{"setup.EXE", false, true},
                   Case{"script.sh", false, true}}) {
        QFile file(folder.filePath(c.name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.close();
        if (c.executable) file.setPermissions(file.permissions() | QFile::ExeOwner);
        EXPECT_EQ(platform::isRunnableFile(folder.filePath(c.name)), c.runnable) << c.name;
    }
    EXPECT_FALSE(platform::isRunnableFile(folder.filePath("missing")));
}

TEST_F(Navigation, NewWindowAndRestartStartThisProgram) {
    BrowserSession session({server.url("/a")});
    platform::postEvent({EventKind::Menu, CMD_NEW_WINDOW, 0});
    ASSERT_TRUE(session.passUntil([] { return platform::queuedEventCount() == 0; }));
    EXPECT_FALSE(session.loopEnded()) << "Nouvelle Fenêtre keeps this program running";

    platform::postEvent({EventKind::Menu, CMD_RESTART, 0});
    ASSERT_TRUE(session.passUntil([&] { return session.loopEnded(); }));
    EXPECT_EQ(session.shutDown(), 0);
    const QList<platform::StartRecord> started = platform::takeStartRecords();
    ASSERT_EQ(started.size(), 2);
    for (const platform::StartRecord& r : started) {
        EXPECT_EQ(r.kind, "program");
        EXPECT_EQ(r.target, INSTALLED_EXECUTABLE_PATH());
        EXPECT_TRUE(r.arguments.isEmpty());
        EXPECT_EQ(QDir(r.workingFolder), QDir(session.path("")));
    }
}

TEST(StartInstalledCopy, RestartEndsEvenWhenNothingCouldBeStarted) {
    // Without the recording seam a missing program is simply not started.
    EXPECT_FALSE(platform::startProgram("/nonexistent/orvelia", {}, QDir::currentPath()));
}

} // namespace

// The navigation history as running copies of the built executable leave it.

#include "support/http_server.h"
#include "support/wait.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// As a std::string, so that a failure prints the bytes as text.
std::string contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

// A page that moves on to another address by itself a second after it has loaded.
HttpAnswer movingOnTo(const QByteArray& path) {
    return HttpAnswer::html("<meta http-equiv=\"refresh\" content=\"1;url=" + path + "\">moving");
}

std::unique_ptr<QProcess> startBrowser(const QString& folder, const QString& address) {
    auto browser = std::make_unique<QProcess>();
    browser->setWorkingDirectory(folder);
    browser->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    browser->start(QStringLiteral(ORVELIA_EXECUTABLE), {address});
    return browser;
}

void endWith(QProcess& browser, int signal) {
    ::kill(static_cast<pid_t>(browser.processId()), signal);
    EXPECT_TRUE(browser.waitForFinished(15000));
}

class HistoryProcess : public testing::Test {
protected:
    std::string entries(std::initializer_list<const char*> paths) const {
        std::string bytes;
        for (const char* path : paths)
            bytes += server.url(path).toStdString() + "\r\n";
        return bytes;
    }
    QString log() const { return folder.filePath("history.txt"); }

    HttpServer server;
    QTemporaryDir folder;
};

TEST_F(HistoryProcess, KilledProcessKeepsEveryEntryLoggedBeforeTheKill) {
    server.route("/a", movingOnTo("/b"));
    server.route("/b", HttpAnswer::html("<title>B</title>b"));
    auto browser = startBrowser(folder.path(), server.url("/a"));
    ASSERT_TRUE(browser->waitForStarted(10000));
    const std::string expected = entries({"/a", "/b"});
    EXPECT_TRUE(waitUntil([&] { return contentOf(log()) == expected; }, 30000))
        << "the log holds: " << contentOf(log());

    endWith(*browser, SIGKILL);
    EXPECT_EQ(browser->exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(contentOf(log()), expected);
}

TEST_F(HistoryProcess, SecondCopyInTheSameFolderLogsNothing) {
    server.route("/first", HttpAnswer::html("<title>First</title>first"));
    server.route("/second", movingOnTo("/second-done"));
    server.route("/second-done", HttpAnswer::html("<title>Done</title>done"));
    auto first = startBrowser(folder.path(), server.url("/first"));
    ASSERT_TRUE(first->waitForStarted(10000));
    ASSERT_TRUE(waitUntil([&] { return contentOf(log()) == entries({"/first"}); }, 30000));

    // The second copy shows its page for a second before moving on: time enough for many passes
    // of its loop, each of which would log the page if it held the log.
    auto second = startBrowser(folder.path(), server.url("/second"));
    ASSERT_TRUE(second->waitForStarted(10000));
    EXPECT_TRUE(waitUntil([&] { return server.requestCount("/second-done") > 0; }, 30000));
    endWith(*second, SIGTERM);
    endWith(*first, SIGTERM);
    EXPECT_EQ(contentOf(log()), entries({"/first"}));
}

} // namespace

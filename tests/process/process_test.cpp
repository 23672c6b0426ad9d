// The built executable as a desktop starts it: in an empty folder, ended by a signal.

#include "settings/browser_settings.h"
#include "settings/settings_text.h"
#include "support/http_server.h"
#include "support/wait.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Process, WritesDefaultSettingsAndEndsCleanlyOnSigterm) {
    HttpServer server;
    server.route("/", HttpAnswer::html("<title>Loopback</title>hello"));
    QTemporaryDir folder;
    QProcess browser;
    browser.setWorkingDirectory(folder.path());
    browser.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    browser.start(QStringLiteral(ORVELIA_EXECUTABLE), {server.url("/")});
    ASSERT_TRUE(browser.waitForStarted(10000));

    const QString settings = folder.filePath("settings.con");
    ASSERT_TRUE(waitUntil([&] { return server.requestCount("/") > 0; }, 30000))
        << "the page given as argument was never requested";
    EXPECT_EQ(contentOf(settings), settingsFileText(platformDefaultSettings()));

    ::kill(static_cast<pid_t>(browser.processId()), SIGTERM);
    ASSERT_TRUE(browser.waitForFinished(15000));
    EXPECT_EQ(browser.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(browser.exitCode(), 0);
}

} // namespace

// The main of every test executable: one toolkit application for the whole process (the web
// engine cannot be started twice), and toolkit warnings turned into test failures.

#include "platform/application.h"
#include "webview/engine_rendering.h"

#include <QByteArray>
#include <QtGlobal>
#include <gtest/gtest.h>

namespace {

// Messages from the toolkit or the engine that say nothing about our code.
bool isKnownNoise(const QString& message) {
    static const char* const noise[] = {
        "QSystemTrayIcon::setVisible: No Icon set",
        "This plugin does not support", // offscreen: window positions, raise
        "Release of profile requested but WebEnginePage still not deleted",
        "QStandardPaths: XDG_RUNTIME_DIR not set",
        "QStandardPaths: wrong permissions on runtime directory",
        "QStandardPaths: runtime directory",
        "Sandboxing disabled by user",
        "propagateSizeHints",
        "systemTrayWindowChanged", // offscreen has no notification area
        "No suitable graphics backend found",
    };
    for (const char* text : noise)
        if (message.contains(QLatin1String(text))) return true;
    return false;
}

void failOnWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg) return;
    if (isKnownNoise(message)) return;
    fprintf(stderr, "toolkit warning: %s\n", qPrintable(message));
    ADD_FAILURE() << "toolkit warning: " << message.toStdString();
}

} // namespace

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    chooseEngineRendering();
    platform::startPlatform(argc, argv);
    qInstallMessageHandler(failOnWarnings);
    return RUN_ALL_TESTS();
}

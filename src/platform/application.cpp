#include "platform/application.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>

namespace platform {
namespace {
QApplication* application = nullptr;
}

void startPlatform(int& argc, char** argv) {
    if (application) return;
    // The web engine shares its graphics contexts with the widgets that show it.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvelia"));
    QCoreApplication::setApplicationName(QStringLiteral("Orvelia"));
    QCoreApplication::setApplicationVersion(QStringLiteral("4.2.2"));
    // The engine lists its start-up parameters on every start; users have no use for them.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.debug=false\n"
                                                    "qt.webenginecontext.info=false"));
    application = new QApplication(argc, argv);
    // Windows hidden by the tray icon must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

bool platformStarted() {
    return application != nullptr;
}

QString executablePath() {
    return QCoreApplication::applicationFilePath();
}

QString executableFileName() {
    return QFileInfo(executablePath()).fileName();
}

QString workingFolder() {
    return QDir::currentPath();
}

void processPendingWork() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace platform

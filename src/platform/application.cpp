#include "platform/application.h"

#include <QApplication>
#include <QFileInfo>

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
    application = new QApplication(argc, argv);
    // Windows hidden by the tray icon must not end the program.
    QApplication::setQuitOnLastWindowClosed(false);
}

bool platformStarted() { return application != nullptr; }

QString executablePath() { return QCoreApplication::applicationFilePath(); }

QString executableFileName() { return QFileInfo(executablePath()).fileName(); }

void processPendingWork() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

} // namespace platform

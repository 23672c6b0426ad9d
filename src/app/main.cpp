#include "app/start_up.h"
#include "platform/application.h"
#include "webview/engine_rendering.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    chooseEngineRendering();
    platform::startPlatform(argc, argv);
    // Addresses given on the command line open in tabs, the way desktops hand links over.
    QStringList addresses = QCoreApplication::arguments().mid(1);
    return runBrowser(addresses);
}

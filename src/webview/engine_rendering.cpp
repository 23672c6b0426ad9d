#include "webview/engine_rendering.h"

#include <QQuickWindow>
#include <QSGRendererInterface>
#include <QtGlobal>

void chooseEngineRendering() {
    // Pages are composed in software unless the user asks for another scene graph backend: it
    // starts the first page in about half the time, takes less memory, and keeps an idle window
    // from burning CPU on every repaint of the controls around the page.
    if (qEnvironmentVariableIsSet("QT_QUICK_BACKEND") ||
        qEnvironmentVariableIsSet("QSG_RHI_BACKEND"))
        return;
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
}

#include "webview/engine_page.h"

#include "webview/engine_profile.h"

#include <QTimer>
#include <QWebEngineNewWindowRequest>

namespace webview {

EnginePage::EnginePage(QObject* parent) : QWebEnginePage(sharedProfile(), parent) {
    connect(this, &QWebEnginePage::newWindowRequested, this,
            [this](QWebEngineNewWindowRequest& request) {
                QUrl address = request.requestedUrl();
                // An empty window (window.open() to write into) has no page to show here.
                if (address.isEmpty() || address.toString() == QLatin1String("about:blank")) return;
                // The engine is still making the new window's contents: load once it is done.
                QTimer::singleShot(0, this, [this, address] { load(address); });
            });
}

} // namespace webview

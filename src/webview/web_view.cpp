#include "webview/web_view.h"

#include "platform/objects.h"
#include "webview/engine_view.h"

#include <QEventLoop>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>
#include <QWebEngineHistory>
#include <memory>
#include <optional>

using webview::EngineView;

namespace {

// How long pageSource waits for the engine to serialise the document.
constexpr int PAGE_SOURCE_DEADLINE_MS = 5000;

EngineView* findView(int view) {
    return qobject_cast<EngineView*>(platform::controlWidget(view));
}

// A text starting with a scheme ("http://", "https://", "file://", "about:") is taken as it
// is; any other text is an http address without its scheme ("www.example.org",
// "host:8080/path?next=http://elsewhere").
QUrl addressToUrl(const QString& text) {
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*://|about:)"));
    if (scheme.match(text).hasMatch()) return QUrl(text, QUrl::TolerantMode);
    return QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
}

} // namespace

int createWebView(int number, int x, int y, int width, int height, const QString& address) {
    auto* view = new EngineView;
    int assigned = platform::adoptControlAt(number, view, x, y, width, height);
    if (!address.isEmpty()) view->startLoad(addressToUrl(address));
    return assigned;
}

bool isWebView(int control) {
    return findView(control) != nullptr;
}

void navigate(int view, const QString& text) {
    EngineView* engineView = findView(view);
    if (!engineView || text.isEmpty()) return;
    engineView->startLoad(addressToUrl(text));
}

QString currentAddress(int view) {
    EngineView* engineView = findView(view);
    if (!engineView) return {};
    QUrl url = engineView->url();
    return url.isEmpty() ? QStringLiteral("about:blank") : url.toString();
}

void goBack(int view) {
    if (EngineView* engineView = findView(view)) engineView->back();
}

void goForward(int view) {
    if (EngineView* engineView = findView(view)) engineView->forward();
}

void reload(int view) {
    if (EngineView* engineView = findView(view)) engineView->reload();
}

QString pageTitle(int view) {
    EngineView* engineView = findView(view);
    if (!engineView) return {};
    // The page's title falls back to the address when the document has none; the history
    // entry keeps the document's own title.
    return engineView->history()->currentItem().title();
}

QString pageSource(int view) {
    QPointer<EngineView> engineView = findView(view);
    if (!engineView) return {};
    // The answer may come after the deadline, or never: it must not touch this frame then.
    auto source = std::make_shared<std::optional<QString>>();
    QEventLoop loop;
    QPointer<QEventLoop> waiting = &loop;
    engineView->page()->toHtml([source, waiting](const QString& html) {
        *source = html;
        if (waiting) waiting->quit();
    });
    if (!source->has_value()) {
        QTimer::singleShot(PAGE_SOURCE_DEADLINE_MS, &loop, &QEventLoop::quit);
        // The view may be destroyed while the toolkit runs here.
        QObject::connect(engineView, &QObject::destroyed, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return source->value_or(QString());
}

bool isBusy(int view) {
    EngineView* engineView = findView(view);
    return engineView && engineView->isBusy();
}

int loadProgress(int view) {
    EngineView* engineView = findView(view);
    return engineView ? engineView->loadProgress() : 0;
}

int loadProgressMax(int view) {
    EngineView* engineView = findView(view);
    return engineView ? engineView->loadProgressMax() : 0;
}

void setContextMenuBlocked(int view, bool blocked) {
    if (EngineView* engineView = findView(view)) engineView->setContextMenuBlocked(blocked);
}

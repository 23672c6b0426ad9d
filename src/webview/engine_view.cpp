#include "webview/engine_view.h"

#include "platform/events.h"
#include "platform/objects.h"
#include "webview/engine_page.h"
#include "webview/web_view.h"

namespace webview {
namespace {

// The engine reports progress as (done, total); the pair kept is always 0 <= done <= total.
// Returns false when the report is to be ignored.
bool keepProgress(int done, int total, int& progress, int& max) {
    if (done < 0) return false;
    if (done == 0 && total <= 0) total = 0;
    if (done > 0 && total < done) total = done;
    progress = done;
    max = total;
    return true;
}

} // namespace

EngineView::EngineView(QWidget* parent) : QWebEngineView(parent) {
    setPage(new EnginePage(this));
    requestTimeout_.setSingleShot(true);
    requestTimeout_.setInterval(5000);
    connect(&requestTimeout_, &QTimer::timeout, this, [this] { requested_ = false; });
    connect(this, &QWebEngineView::loadStarted, this, &EngineView::onLoadStarted);
    connect(this, &QWebEngineView::loadProgress, this, &EngineView::onLoadProgress);
    connect(this, &QWebEngineView::loadFinished, this, &EngineView::onLoadFinished);
    connect(this, &QWebEngineView::titleChanged, this, [this] { post(VIEW_TITLE_CHANGED); });
    connect(page(), &QWebEnginePage::linkHovered, this, [this] { post(VIEW_STATUS_TEXT); });
    // Only emitted while the engine's menu is blocked (custom context-menu policy).
    connect(this, &QWidget::customContextMenuRequested, this,
            [this] { post(VIEW_MENU_REQUESTED); });
}

EngineView::~EngineView() {
    // The engine may still signal while the view and its page are torn down: by then the view's
    // number is gone and its events are dropped, so nothing may be posted any more.
    disconnect(this, nullptr, this, nullptr);
    disconnect(page(), nullptr, this, nullptr);
}

void EngineView::setContextMenuBlocked(bool blocked) {
    setContextMenuPolicy(blocked ? Qt::CustomContextMenu : Qt::DefaultContextMenu);
}

void EngineView::post(int type) {
    // Looked up afresh: closing a tab gives the views after it new numbers.
    if (int number = platform::controls().numberOf(this))
        platform::postEvent({platform::EventKind::Control, number, type});
}

void EngineView::startLoad(const QUrl& address) {
    // A move within the shown document starts no load, so it never makes the view busy.
    const bool sameDocument = address.hasFragment() && address.adjusted(QUrl::RemoveFragment) ==
                                                           url().adjusted(QUrl::RemoveFragment);
    if (address.isValid() && !sameDocument) {
        requested_ = true;
        requestTimeout_.start();
    }
    load(address);
}

void EngineView::onLoadStarted() {
    requested_ = false;
    downloading_ = true;
    busy_ = true;
    progress_ = 0;
    progressMax_ = 0;
    post(VIEW_DOWNLOAD_BEGAN);
}

void EngineView::onLoadProgress(int percent) {
    if (!downloading_) return;
    // The engine counts in percent of the whole page.
    if (keepProgress(percent, 100, progress_, progressMax_)) post(VIEW_PROGRESS);
}

void EngineView::onLoadFinished() {
    requested_ = false;
    downloading_ = false;
    busy_ = false;
    progress_ = progressMax_;
    post(VIEW_DOWNLOAD_COMPLETE);
}

} // namespace webview

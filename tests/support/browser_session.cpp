#include "support/browser_session.h"

#include "app/browser_state.h"
#include "app/main_loop.h"
#include "app/start_up.h"
#include "platform/dialogs.h"
#include "platform/objects.h"
#include "platform/windows.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTabBar>
#include <QTabWidget>

QString picturesFolder() {
    return QStringLiteral(ORVELIA_ASSETS_DIR);
}

BrowserSession::BrowserSession(const QStringList& addresses, bool withPictures) {
    previousFolder_ = QDir::currentPath();
    QDir::setCurrent(folder_.path());
    if (withPictures) {
        for (const QString& name : QDir(picturesFolder()).entryList(QDir::Files))
            QFile::copy(picturesFolder() + QLatin1Char('/') + name, path(name));
    }
    platform::answerDialogsFromQueue(true);
    startUp(addresses);
}

BrowserSession::~BrowserSession() {
    shutDown();
    platform::answerDialogsFromQueue(false);
    QDir::setCurrent(previousFolder_);
}

bool BrowserSession::pass() {
    if (ended_) return false;
    ended_ = !mainLoopPass();
    return !ended_;
}

bool BrowserSession::passUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (ended_ || clock.elapsed() > timeoutMs) return false;
        pass();
    }
    return true;
}

int BrowserSession::shutDown() {
    if (shutDown_) return 0;
    shutDown_ = true;
    return ::shutDown();
}

void BrowserSession::chooseTab(int index) {
    if (auto* tabs = qobject_cast<QTabWidget*>(platform::controlWidget(mainWindow.tabPanel)))
        tabs->tabBar()->setCurrentIndex(index);
}

void BrowserSession::resizeClientArea(int width, int height) {
    QWidget* top = platform::controlWidget(mainWindow.tabPanel)->window();
    top->showNormal();
    top->resize(top->width() + width - platform::clientWidth(mainWindow.window),
                top->height() + height - platform::clientHeight(mainWindow.window));
}

QString BrowserSession::path(const QString& name) const {
    return folder_.filePath(name);
}

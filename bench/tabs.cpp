// Opening and closing tabs in the real browser, in-process: addTab until its view exists and the
// window is laid out again, then closing them one by one. Prints median and 95th percentile.
//
//   QT_QPA_PLATFORM=offscreen build/bench_tabs [count]

#include "browser/tabs.h"
#include "app/browser_state.h"
#include "app/main_loop.h"
#include "app/start_up.h"
#include "platform/application.h"
#include "platform/tab_panel.h"
#include "webview/web_view.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    const size_t index = std::min(values.size() - 1, size_t(p * (values.size() - 1) + 0.5));
    return values[index];
}

void report(const char* what, const std::vector<double>& ms) {
    std::printf("%-34s n=%zu  median %.1f ms  p95 %.1f ms  max %.1f ms\n", what, ms.size(),
                percentile(ms, 0.5), percentile(ms, 0.95), percentile(ms, 1.0));
}

} // namespace

int main(int argc, char** argv) {
    platform::startPlatform(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    QFile page(folder.filePath("page.html"));
    page.open(QIODevice::WriteOnly);
    page.write("<title>Bench</title><p>A small local page.</p>");
    page.close();
    const QString address = QStringLiteral("file://") + folder.filePath("page.html");

    startUp({address});
    // Let the first page load and the first layout happen before measuring.
    QElapsedTimer settle;
    settle.start();
    while (settle.elapsed() < 3000)
        mainLoopPass();

    std::vector<double> opening, closing;
    QElapsedTimer clock;
    for (int i = 0; i < count; ++i) {
        clock.start();
        addTab(mainWindow, address);
        opening.push_back(clock.nsecsElapsed() / 1e6);
        mainLoopPass();
    }
    // Let every page load, so closing measures loaded tabs.
    settle.start();
    while (settle.elapsed() < 5000)
        mainLoopPass();
    for (int i = 0; i < count; ++i) {
        platform::selectTab(mainWindow.tabPanel, platform::tabCount(mainWindow.tabPanel) - 2);
        clock.start();
        closeCurrentTab(mainWindow);
        closing.push_back(clock.nsecsElapsed() / 1e6);
        mainLoopPass();
    }
    report("addTab (view made, layout done)", opening);
    report("closeCurrentTab (last page tab)", closing);
    return shutDown();
}

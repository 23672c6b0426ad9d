// Opening the history window on a 100 000-line log, and the source viewer on a 10 MB source:
// the time from the call until the window is filled, shown, and its loop waits for the user.
// Median of 5 runs each. The peer is the bare widget filled with the same text and shown: for the
// history, a table view on a string list read from the same file at once and split on CR LF; for
// the source, a plain text editor. That is the floor the windows stand on.

#include "browser/main_window.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "tools/history_window.h"
#include "tools/source_viewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QStringListModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int RUNS = 5;
constexpr int HISTORY_LINES = 100000;
constexpr int SOURCE_BYTES = 10 * 1024 * 1024;

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from the call until the nested window's loop first waits with the control shown;
// the window is then closed by a close request.
double timeNestedWindow(int control, const std::function<void()>& open) {
    QElapsedTimer clock;
    double ready = -1;
    QTimer watch;
    watch.setInterval(0);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (ready >= 0 || !platform::controlExists(control)) return;
        ready = clock.nsecsElapsed() / 1e6;
        platform::postEvent({platform::EventKind::Close, 0, 0});
    });
    watch.start();
    clock.start();
    open();
    return ready;
}

// The same for a bare widget: filled, shown, and the toolkit's pending work done.
double timeBareWidget(const std::function<QWidget*()> make) {
    QElapsedTimer clock;
    clock.start();
    QWidget* widget = make();
    widget->show();
    QCoreApplication::processEvents();
    const double ready = clock.nsecsElapsed() / 1e6;
    delete widget;
    return ready;
}

QByteArray historyLog() {
    QByteArray log;
    for (int i = 0; i < HISTORY_LINES; ++i)
        log += "https://www.example.com/articles/2024/page-" + QByteArray::number(i) +
               ".html?ref=history\r\n";
    return log;
}

QString pageSourceOfSize(int bytes, bool oneLine) {
    QString source;
    source.reserve(bytes + 200);
    for (int i = 0; source.size() < bytes; ++i) {
        source += QStringLiteral("<div class=\"item\" id=\"item-%1\"><a href=\"/p/%1\">Item %1 "
                                 "&amp; more</a></div>")
                      .arg(i);
        if (!oneLine) source += QLatin1Char('\n');
    }
    return source;
}

void report(const char* work, const std::vector<double>& figures, const std::vector<double>& peer) {
    std::printf("%-44s median %8.1f ms   (bare widget %8.1f ms)\n", work, median(figures),
                median(peer));
}

} // namespace

// Arguments name the works to run ("history", "source", "one-line"); none runs them all.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    platform::startPlatform(argc, argv);
    const QStringList works = QCoreApplication::arguments().mid(1);
    auto runs = [&](const char* work) {
        return works.isEmpty() || works.contains(QLatin1String(work));
    };

    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    const QByteArray log = historyLog();
    QFile file(QStringLiteral("history.txt"));
    if (!file.open(QIODevice::WriteOnly)) return 1;
    file.write(log);
    file.close();

    std::vector<double> history, historyPeer;
    for (int run = 0; run < RUNS && runs("history"); ++run) {
        history.push_back(
            timeNestedWindow(HISTORY_LIST, [] { showHistoryWindow(MainWindowControls{}); }));
        historyPeer.push_back(timeBareWidget([&] {
            QFile whole(QStringLiteral("history.txt"));
            whole.open(QIODevice::ReadOnly);
            const QStringList rows = QString::fromUtf8(whole.readAll())
                                         .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
            auto* view = new QTableView;
            view->verticalHeader()->hide();
            view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
            view->setModel(new QStringListModel(rows, view));
            view->resize(580, 350);
            return view;
        }));
    }
    if (runs("history")) report("history window, 100 000 lines (6.5 MB)", history, historyPeer);

    for (bool oneLine : {false, true}) {
        if (!runs(oneLine ? "one-line" : "source")) continue;
        const QString source = pageSourceOfSize(SOURCE_BYTES, oneLine);
        std::vector<double> viewer, viewerPeer;
        for (int run = 0; run < RUNS; ++run) {
            viewer.push_back(timeNestedWindow(
                SOURCE_EDITOR, [&] { showSource(QStringLiteral("http://x/?a=1&b=2"), source); }));
            viewerPeer.push_back(timeBareWidget([&] {
                auto* editor = new QPlainTextEdit;
                editor->setLineWrapMode(QPlainTextEdit::NoWrap);
                editor->setPlainText(source);
                editor->resize(1020, 500);
                return editor;
            }));
        }
        report(oneLine ? "source viewer, 10 MB on one line" : "source viewer, 10 MB in lines",
               viewer, viewerPeer);
    }
    return 0;
}

#include "tools/history_window.h"

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/files.h"
#include "platform/nested_window.h"
#include "platform/report_list.h"
#include "tools/history_log.h"
#include "webview/web_view.h"

namespace {

inline constexpr int WINDOW_COLOUR = 52 + 256 * 90 + 65536 * 163;
inline constexpr int GRID_COLOUR = 63 + 256 * 105 + 65536 * 153;

int openWindowAndControls() {
    const int window = platform::openNestedWindow(
        600, 400, QStringLiteral("Orvelia - Historique de navigation"), WINDOW_COLOUR);
    platform::createReportList(HISTORY_LIST, 10, 10, 580, 350,
                               QStringLiteral("Pages Web consultées"), 500, GRID_COLOUR);
    platform::createButton(HISTORY_CLOSE_BUTTON, 490, 370, 100, 25, QStringLiteral("Fermer"));
    platform::createButton(HISTORY_OPEN_BUTTON, 10, 370, 140, 25,
                           QStringLiteral("Ouvrir cette page"));
    return window;
}

// One row per line; the line end after the last entry gives no row of its own.
void listEntries(int log) {
    QStringList entries;
    while (!platform::atEndOfFile(log))
        entries << platform::readLine(log);
    platform::addReportRows(HISTORY_LIST, entries);
}

void openSelectedPage(const MainWindowControls& controls) {
    const int row = platform::selectedReportRow(HISTORY_LIST);
    if (row >= 0) navigate(currentView(controls), platform::reportRowText(HISTORY_LIST, row));
}

void runWindowLoop(const MainWindowControls& controls) {
    for (;;) {
        const platform::Event event = platform::waitEvent(-1);
        // A close request of any window, the main window's included, ends this window only.
        if (event.kind == platform::EventKind::Close) return;
        if (event.kind != platform::EventKind::Control) continue;
        if (event.object == HISTORY_CLOSE_BUTTON) return;
        if (event.object == HISTORY_OPEN_BUTTON) openSelectedPage(controls);
    }
}

} // namespace

void showHistoryWindow(const MainWindowControls& controls) {
    // Entries are written through as they are appended: the file already holds them all.
    const int log =
        platform::openFile(platform::NEW_NUMBER, HISTORY_FILE_NAME, platform::FileMode::ReadOnly);
    if (log == platform::NO_OBJECT) {
        platform::messageBox(
            QStringLiteral("Orvelia"),
            QStringLiteral("Impossible d'ouvrir l'historique.\n\nVérifiez que vous vous être "
                           "déja connecté a Internet et que l'option 'Activer l'Historique de "
                           "navigation' est activée."));
        return;
    }
    const int window = openWindowAndControls();
    listEntries(log);
    platform::closeFile(log);
    runWindowLoop(controls);
    platform::closeNestedWindow(window);
}

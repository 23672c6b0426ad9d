#include "tools/source_viewer.h"

#include "platform/clipboard.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/nested_window.h"
#include "platform/static_text.h"
#include "platform/text_editor.h"

namespace {

// The system's own colour, as for buttons.
inline constexpr int SYSTEM_COLOUR = -1;

int openWindowAndControls(const QString& address, const QString& source) {
    const int window = platform::openNestedWindow(
        1050, 600, QStringLiteral("Orvelia - SourceViewer"), SYSTEM_COLOUR);
    platform::createTextEditor(SOURCE_EDITOR, 10, 50, 1020, 500);
    if (!source.isEmpty()) platform::setEditorText(SOURCE_EDITOR, source);
    platform::createStaticText(SOURCE_ADDRESS_LINE, 10, 10, 1020, 25, address);
    platform::createButton(SOURCE_COPY_BUTTON, 10, 560, 170, 25,
                           QStringLiteral("Copier dans le Presse Papiers"));
    platform::createButton(SOURCE_CLOSE_BUTTON, 930, 560, 100, 25, QStringLiteral("Fermer"));
    return window;
}

void runWindowLoop() {
    for (;;) {
        const platform::Event event = platform::waitEvent(-1);
        // A close request of any window, the main window's included, ends this window only.
        if (event.kind == platform::EventKind::Close) return;
        if (event.kind != platform::EventKind::Control) continue;
        if (event.object == SOURCE_CLOSE_BUTTON) return;
        if (event.object == SOURCE_COPY_BUTTON)
            platform::setClipboardText(platform::editorText(SOURCE_EDITOR));
    }
}

} // namespace

void showSource(const QString& address, const QString& source) {
    const int window = openWindowAndControls(address, source);
    runWindowLoop();
    platform::closeNestedWindow(window);
}

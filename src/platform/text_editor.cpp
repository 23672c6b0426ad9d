#include "platform/text_editor.h"

#include "platform/objects.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextDocument>

namespace platform {
namespace {

QPlainTextEdit* findEditor(int editor) {
    return controls().get<QPlainTextEdit>(editor);
}

} // namespace

int createTextEditor(int number, int x, int y, int width, int height) {
    auto* editor = new QPlainTextEdit;
    editor->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setMaximumBlockCount(0);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Unfocused, the selection is drawn in the same colours as focused, not faded out.
    QPalette palette = editor->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setBrush(QPalette::Inactive, role, palette.brush(QPalette::Active, role));
    editor->setPalette(palette);
    return adoptControlAt(number, editor, x, y, width, height);
}

void setEditorText(int editor, const QString& text) {
    QPlainTextEdit* edit = findEditor(editor);
    if (!edit) return;
    QSignalBlocker quiet(edit);
    edit->setPlainText(text);
    edit->horizontalScrollBar()->setValue(0);
    edit->verticalScrollBar()->setValue(0);
}

QString editorText(int editor) {
    QPlainTextEdit* edit = findEditor(editor);
    if (!edit) return {};
    // The raw text keeps non-breaking spaces, which the plain-text export turns into spaces; only
    // the separators between blocks are turned back into line ends.
    QString text = edit->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

} // namespace platform

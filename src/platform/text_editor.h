#pragma once

// A multi-line editor for plain text, with a border: no word wrap, no length limit, scroll bars
// both ways when the text needs them, and a selection that stays visible when the editor loses
// the focus. The user edits it freely; it reports nothing.

#include "platform/numbers.h"

#include <QString>

namespace platform {

int createTextEditor(int number, int x, int y, int width, int height);
// Replaces the whole text; the editor shows its start.
void setEditorText(int editor, const QString& text);
// The whole text as it stands now, the user's edits included.
QString editorText(int editor);

} // namespace platform

#pragma once

// The system clipboard, for one Unicode text.

#include <QString>

namespace platform {

// Empties the clipboard and puts the text on it as its only item.
void setClipboardText(const QString& text);
// The text on the clipboard; empty when it holds none.
QString clipboardText();

} // namespace platform

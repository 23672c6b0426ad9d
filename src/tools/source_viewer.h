#pragma once

// The window that shows a page's source under its address and copies it to the clipboard.

#include <QString>

inline constexpr int SOURCE_EDITOR = 7;
inline constexpr int SOURCE_ADDRESS_LINE = 8;
inline constexpr int SOURCE_COPY_BUTTON = 9;
inline constexpr int SOURCE_CLOSE_BUTTON = 10;

// Shows the source in an editor the user may change, and runs the window's own loop on the
// program's queue until it closes: "Copier dans le Presse Papiers" puts the editor's text as it
// stands on the clipboard, "Fermer" or a close request of any window closes this window only,
// everything else is dropped. Edits are never kept.
void showSource(const QString& address, const QString& source);

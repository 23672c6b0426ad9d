#pragma once

// The navigation history: "history.txt" in the working folder, one address per line ended by
// CR LF, oldest first. The program only ever appends to it.

#include <QString>

inline const QString HISTORY_FILE_NAME = QStringLiteral("history.txt");

// Opens the log for appending, creating an empty file when there is none. One program at a time
// holds it: when another copy has it, or it cannot be opened, this run logs nothing.
void openHistoryLog();
// Adds the address and a line end at the end of the log, written through at once, so a killed
// process loses nothing. Does nothing when the log is not open.
void appendEntry(const QString& address);

#pragma once

// Files under numbers, named relative to the working folder. Failures are silent: an operation
// on a number that names no open file does nothing, and a read gives nothing.

#include <QByteArray>
#include <QString>

#include "platform/numbers.h"

namespace platform {

enum class FileMode {
    ReadWrite, // read and write, created empty when missing
    ReadOnly,  // read only, with a position of its own
    Append,    // writes go to the end, created when missing; held by one program at a time
};

// Opens the file under the number (NEW_NUMBER: an assigned one). Returns the number, or
// NO_OBJECT on failure.
int openFile(int number, const QString& path, FileMode mode);
void closeFile(int file);
void closeAllFiles();
bool fileIsOpen(int file);
// The bytes from the current position to the end of the file.
QByteArray readRest(int file);
// One line: ends at CR LF, CR, LF or a zero byte, decoded from UTF-8, without its end.
QString readLine(int file);
bool atEndOfFile(int file);
qint64 fileLength(int file);
void seekFile(int file, qint64 position);
// Writes the text as UTF-8, with a CR LF after it when asked; written through at once.
void writeText(int file, const QString& text, bool withLineEnd);

// Replaces the whole file with the bytes through a temporary file beside it and a rename, so a
// crash leaves the old content or the new, never half of one. False when it cannot be written
// (an existing file that may not be written counts as such).
bool replaceFile(const QString& path, const QByteArray& bytes);
bool deleteFile(const QString& path);
bool fileExists(const QString& path);

// The folder offline pages go to unless the user chose one: "C:\" on Windows, elsewhere the
// user's download folder (the home folder when there is none), ending with "/".
QString userDownloadFolder();

} // namespace platform

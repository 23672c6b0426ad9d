#pragma once

// Starting programs and handing addresses to the desktop. Tests switch on recording, and then
// nothing is started or opened: each request is only recorded.

#include <QString>
#include <QStringList>

namespace platform {

// Starts the program as a process of its own without waiting for it. False when it could not
// be started.
bool startProgram(const QString& path, const QStringList& arguments, const QString& workingFolder);
// Opens the address with the desktop's default handler for its scheme (a web address in the
// default browser). False when the desktop could not open it.
bool openWithDesktop(const QString& address);
// True for a local file that the system would run as a program rather than open.
bool isRunnableFile(const QString& path);

struct StartRecord {
    QString kind; // "program" or "desktop"
    QString target;
    QStringList arguments;
    QString workingFolder;
};
void recordInsteadOfStarting(bool on);
QList<StartRecord> takeStartRecords();

} // namespace platform

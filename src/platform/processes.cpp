#include "platform/processes.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace platform {
namespace {
bool recording = false;
QList<StartRecord> records;
} // namespace

bool startProgram(const QString& path, const QStringList& arguments, const QString& workingFolder) {
    if (recording) {
        records.push_back({QStringLiteral("program"), path, arguments, workingFolder});
        return true;
    }
    return QProcess::startDetached(path, arguments, workingFolder);
}

bool openWithDesktop(const QString& address) {
    if (recording) {
        records.push_back({QStringLiteral("desktop"), address, {}, {}});
        return true;
    }
    return QDesktopServices::openUrl(QUrl(address));
}

bool isRunnableFile(const QString& path) {
    QFileInfo file(path);
    if (!file.exists()) return false;
    if (file.isExecutable() && !file.isDir()) return true;
    // Launchers and scripts the desktop would run when asked to open them.
    static const QStringList runnable = {"desktop", "exe", "bat", "cmd", "com", "lnk",     "msi",
                                         "ps1",     "scr", "sh",  "vbs", "jar", "appimage"};
    return runnable.contains(file.suffix().toLower());
}

void recordInsteadOfStarting(bool on) {
    recording = on;
    records.clear();
}

QList<StartRecord> takeStartRecords() {
    return std::exchange(records, {});
}

} // namespace platform

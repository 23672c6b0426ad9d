#include "platform/files.h"

#include "platform/objects.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <map>
#include <memory>

#ifdef Q_OS_UNIX
#include <sys/file.h>
#endif

namespace platform {

namespace {

std::map<int, std::unique_ptr<QFile>>& openFiles() {
    static std::map<int, std::unique_ptr<QFile>> files;
    return files;
}

int nextAssignedFile = FIRST_ASSIGNED_NUMBER;

QFile* findFile(int number) {
    auto it = openFiles().find(number);
    return it == openFiles().end() ? nullptr : it->second.get();
}

// An appended file is written by one program at a time, while others may still read it.
bool holdForWriting(QFile& file) {
#ifdef Q_OS_UNIX
    // Advisory: only other writers that ask for the lock are kept out; readers are not.
    return flock(file.handle(), LOCK_EX | LOCK_NB) == 0;
#else
    // Windows needs the handle made with FILE_SHARE_READ only (CreateFileW, then QFile::open on
    // the descriptor): QFile shares reading and writing there, and LockFileEx would also keep
    // readers out.
    Q_UNUSED(file);
    return true;
#endif
}

QIODevice::OpenMode openModeFor(FileMode mode) {
    switch (mode) {
    case FileMode::ReadWrite:
        return QIODevice::ReadWrite;
    case FileMode::ReadOnly:
        return QIODevice::ReadOnly;
    case FileMode::Append:
        return QIODevice::ReadWrite | QIODevice::Append;
    }
    return QIODevice::ReadOnly;
}

} // namespace

int openFile(int number, const QString& path, FileMode mode) {
    if (number != NEW_NUMBER) closeFile(number);
    auto file = std::make_unique<QFile>(path);
    if (!file->open(openModeFor(mode))) return NO_OBJECT;
    if (mode == FileMode::Append && !holdForWriting(*file)) return NO_OBJECT;
    if (number == NEW_NUMBER) {
        while (openFiles().count(nextAssignedFile))
            ++nextAssignedFile;
        number = nextAssignedFile++;
    }
    openFiles()[number] = std::move(file);
    return number;
}

void closeFile(int file) {
    openFiles().erase(file);
}

void closeAllFiles() {
    openFiles().clear();
}

bool fileIsOpen(int file) {
    return findFile(file) != nullptr;
}

QByteArray readRest(int file) {
    QFile* open = findFile(file);
    return open ? open->readAll() : QByteArray();
}

QString readLine(int file) {
    QFile* open = findFile(file);
    if (!open) return QString();
    // Looks ahead a block at a time for the line's end instead of reading byte by byte.
    QByteArray line;
    for (;;) {
        const QByteArray block = open->peek(4096);
        if (block.isEmpty()) break;
        const char* begin = block.constData();
        const char* stop = std::find_if(begin, begin + block.size(),
                                        [](char c) { return c == '\n' || c == '\r' || c == '\0'; });
        line.append(begin, stop - begin);
        if (stop == begin + block.size()) {
            open->skip(block.size());
            continue;
        }
        open->skip(stop - begin + 1);
        char next = 0;
        if (*stop == '\r' && open->peek(&next, 1) == 1 && next == '\n') open->skip(1);
        break;
    }
    return QString::fromUtf8(line);
}

// An unknown number counts as being at the end, so that reading loops over it end.
bool atEndOfFile(int file) {
    QFile* open = findFile(file);
    return open ? open->atEnd() : true;
}

qint64 fileLength(int file) {
    QFile* open = findFile(file);
    return open ? open->size() : 0;
}

void seekFile(int file, qint64 position) {
    if (QFile* open = findFile(file)) open->seek(position);
}

void writeText(int file, const QString& text, bool withLineEnd) {
    QFile* open = findFile(file);
    if (!open) return;
    QByteArray bytes = text.toUtf8();
    if (withLineEnd) bytes.append("\r\n");
    open->write(bytes);
    open->flush();
}

bool replaceFile(const QString& path, const QByteArray& bytes) {
    // QSaveFile refuses an existing file that may not be written and a folder where its
    // temporary file cannot be made, and removes the temporary file when it fails.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(bytes);
    return file.commit();
}

bool deleteFile(const QString& path) {
    return QFile::remove(path);
}

bool fileExists(const QString& path) {
    return QFileInfo(path).isFile();
}

QString userDownloadFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty()) folder = QDir::homePath();
    if (!folder.endsWith(QLatin1Char('/'))) folder.append(QLatin1Char('/'));
    return folder;
#endif
}

} // namespace platform

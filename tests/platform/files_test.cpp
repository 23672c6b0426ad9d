#include "platform/files.h"
#include "platform/objects.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace platform;

namespace {

// Each test works in a fresh folder of its own, made the working folder.
class FilesTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    }
    void TearDown() override {
        for (int file : opened_)
            closeFile(file);
        QDir::setCurrent(previous_);
    }

    int open(int number, const QString& path, FileMode mode) {
        const int file = openFile(number, path, mode);
        if (file != NO_OBJECT) opened_.push_back(file);
        return file;
    }
    static void put(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray contentOf(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    QStringList entries() const {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder_;
    QString previous_;
    std::vector<int> opened_;
};

// root writes through any permission bits: a read-only file is only read-only for others.
bool permissionsAreEnforced(const QString& readOnlyPath) {
    return access(QFile::encodeName(readOnlyPath).constData(), W_OK) != 0;
}

TEST_F(FilesTest, AppendedFileIsHeldByOneWriterButStaysReadable) {
    put("log.txt", "first\r\n");
    const int log = open(NEW_NUMBER, "log.txt", FileMode::Append);
    ASSERT_NE(log, NO_OBJECT);

    EXPECT_EQ(openFile(NEW_NUMBER, "log.txt", FileMode::Append), NO_OBJECT)
        << "a second writer got the file";
    const int reader = open(NEW_NUMBER, "log.txt", FileMode::ReadOnly);
    EXPECT_NE(reader, NO_OBJECT) << "readers must not be kept out";

    // Written through at once, at the end, visible to the reader without closing the log.
    writeText(log, QString::fromUtf8("http://exemple.fr/é"), true);
    writeText(log, "", true);
    EXPECT_EQ(contentOf("log.txt"), QByteArray("first\r\nhttp://exemple.fr/\xc3\xa9\r\n\r\n"));
    EXPECT_EQ(readLine(reader), "first");
    EXPECT_EQ(readLine(reader), QString::fromUtf8("http://exemple.fr/é"));

    closeFile(log);
    EXPECT_NE(open(NEW_NUMBER, "log.txt", FileMode::Append), NO_OBJECT)
        << "the lock outlived its file";
}

TEST_F(FilesTest, AppendCreatesMissingFile) {
    const int log = open(NEW_NUMBER, "new.txt", FileMode::Append);
    ASSERT_NE(log, NO_OBJECT);
    EXPECT_TRUE(fileExists("new.txt"));
    writeText(log, "a", false);
    EXPECT_EQ(contentOf("new.txt"), "a");
}

struct LineCase {
    const char* name;
    QByteArray bytes;
    QStringList lines;
};

TEST_F(FilesTest, LinesEndAtAnyLineEndOrZeroByte) {
    const LineCase cases[] = {
        {"crlf", "a\r\nb\r\n", {"a", "b"}},
        {"lone cr", "a\rb\r", {"a", "b"}},
        {"lone lf", "a\nb\n", {"a", "b"}},
        {"zero byte dropped", QByteArray("a\0b", 3), {"a", "b"}},
        {"last line without end", "a\r\nb", {"a", "b"}},
        {"blank lines", "a\n\nb\r\rc\r\n\r\nd", {"a", "", "b", "", "c", "", "d"}},
        {"lf then crlf", "a\n\r\nb", {"a", "", "b"}},
        {"utf-8", "caf\xc3\xa9\r\n", {QString::fromUtf8("café")}},
        {"empty file", "", {}},
        {"only a line end", "\r\n", {""}},
    };
    for (const LineCase& c : cases) {
        put("lines.txt", c.bytes);
        const int file = open(NEW_NUMBER, "lines.txt", FileMode::ReadOnly);
        ASSERT_NE(file, NO_OBJECT) << c.name;
        QStringList lines;
        while (!atEndOfFile(file) && lines.size() < 100)
            lines << readLine(file);
        EXPECT_EQ(lines, c.lines) << c.name;
        closeFile(file);
    }
}

TEST_F(FilesTest, NumbersFollowTheObjectRules) {
    put("one.txt", "one");
    put("two.txt", "two");

    const int assigned = open(NEW_NUMBER, "one.txt", FileMode::ReadOnly);
    const int another = open(NEW_NUMBER, "one.txt", FileMode::ReadOnly);
    EXPECT_GE(assigned, FIRST_ASSIGNED_NUMBER);
    EXPECT_GE(another, FIRST_ASSIGNED_NUMBER);
    EXPECT_NE(assigned, another);

    // Opening under a used number closes the file that had it, even when the new open fails.
    ASSERT_EQ(open(7, "one.txt", FileMode::Append), 7);
    ASSERT_EQ(open(7, "two.txt", FileMode::ReadOnly), 7);
    EXPECT_EQ(readRest(7), "two");
    EXPECT_NE(open(NEW_NUMBER, "one.txt", FileMode::Append), NO_OBJECT)
        << "the replaced file still held its lock";
    EXPECT_EQ(openFile(7, "missing.txt", FileMode::ReadOnly), NO_OBJECT);
    EXPECT_FALSE(fileIsOpen(7));
    EXPECT_FALSE(fileExists("missing.txt")) << "a read-only open created the file";

    // A number that names no file: nothing happens, reads give nothing, loops over it end.
    writeText(7, "x", true);
    EXPECT_EQ(readLine(7), "");
    EXPECT_EQ(readRest(7), "");
    EXPECT_EQ(fileLength(7), 0);
    EXPECT_TRUE(atEndOfFile(7));
}

TEST_F(FilesTest, ReadWriteCreatesAndSeeks) {
    const int file = open(NEW_NUMBER, "data.txt", FileMode::ReadWrite);
    ASSERT_NE(file, NO_OBJECT);
    writeText(file, "hello", true);
    EXPECT_EQ(fileLength(file), 7);
    seekFile(file, 2);
    EXPECT_EQ(readRest(file), "llo\r\n");
}

TEST_F(FilesTest, FolderIsNoFile) {
    ASSERT_TRUE(QDir().mkdir("folder"));
    EXPECT_EQ(openFile(NEW_NUMBER, "folder", FileMode::ReadWrite), NO_OBJECT);
    EXPECT_EQ(openFile(NEW_NUMBER, "folder", FileMode::ReadOnly), NO_OBJECT);
    EXPECT_FALSE(fileExists("folder"));
}

TEST_F(FilesTest, ReplaceWritesWholeFileAndLeavesNoTemporaryFile) {
    put("settings.con", QByteArray(500, 'x'));
    EXPECT_TRUE(replaceFile("settings.con", "new\r\n"));
    EXPECT_EQ(contentOf("settings.con"), "new\r\n");
    EXPECT_TRUE(replaceFile("fresh.con", "a"));
    EXPECT_EQ(entries(), QStringList({"fresh.con", "settings.con"}));
}

TEST_F(FilesTest, ReplaceRefusedInMissingFolder) {
    EXPECT_FALSE(replaceFile("nowhere/settings.con", "x"));
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(FilesTest, ReadOnlyFileIsNeitherReplacedNorOpenedForWriting) {
    put("settings.con", "old");
    ASSERT_TRUE(QFile::setPermissions("settings.con", QFile::ReadOwner | QFile::ReadGroup));
    if (!permissionsAreEnforced("settings.con")) GTEST_SKIP() << "permissions not enforced (root)";

    EXPECT_FALSE(replaceFile("settings.con", "new"));
    EXPECT_EQ(openFile(NEW_NUMBER, "settings.con", FileMode::ReadWrite), NO_OBJECT);
    EXPECT_EQ(openFile(NEW_NUMBER, "settings.con", FileMode::Append), NO_OBJECT);
    EXPECT_NE(open(NEW_NUMBER, "settings.con", FileMode::ReadOnly), NO_OBJECT);
    EXPECT_EQ(contentOf("settings.con"), "old");
    EXPECT_EQ(entries(), QStringList({"settings.con"}));
}

TEST(UserDownloadFolder, EndsWithSeparator) {
    const QString folder = userDownloadFolder();
    ASSERT_FALSE(folder.isEmpty());
#ifdef Q_OS_WIN
    EXPECT_EQ(folder, "C:\\");
#else
    EXPECT_TRUE(folder.endsWith('/')) << folder.toStdString();
#endif
}

} // namespace

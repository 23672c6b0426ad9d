#include "platform/files.h"
#include "settings/browser_settings.h"
#include "settings/settings_file.h"
#include "settings/settings_text.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <unistd.h>

void PrintTo(const BrowserSettings& s, std::ostream* out) {
    *out << "{blue " << s.backgroundBlue << ", red " << s.backgroundRed << ", green "
         << s.backgroundGreen << ", folder \"" << s.downloadFolder.toStdString() << "\", hist "
         << s.historyEnabled << ", popup " << s.blockPopups << ", statusbar " << s.showStatusBar
         << ", fav " << s.showFavourites << "}";
}

namespace {

const QByteArray WINDOWS_DEFAULT_FILE = "//COLOR/BLUE:152/RED:63/GREEN:105/\r\n"
                                        "/DL:C:\\/\r\n"
                                        "/HIST:1/\r\n"
                                        "/POPUP:1/\r\n"
                                        "/STATUSBAR:1/\r\n"
                                        "/FAV:0/\r\n";

// Each test runs in an empty working folder of its own.
class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    }
    void TearDown() override {
        QFile::setPermissions(folder_.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QDir::setCurrent(previous_);
    }

    static void putSettings(const QByteArray& bytes) {
        QFile file("settings.con");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    static QByteArray settingsBytes() {
        QFile file("settings.con");
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    QStringList entries() const {
        return QDir(folder_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }
    // root writes through any permission bits.
    static bool cannotWrite(const QString& path) {
        return access(QFile::encodeName(path).constData(), W_OK) != 0;
    }

    QTemporaryDir folder_;
    QString previous_;
};

struct NumberCase {
    const char* text;
    int32_t value;
};

TEST(SettingsNumber, FollowsTheNumberRule) {
    const NumberCase cases[] = {
        {"12", 12},
        {" 12", 12},
        {" \t 12", 12},
        {"+7", 7},
        {"-3", -3},
        {"12abc", 12},
        {"12/", 12},
        {"$FF", 255},
        {"$ff", 255},
        {"-$10", -16},
        {"$FG", 15},
        {"%101", 5},
        {"%102", 2},
        {"abc", 0},
        {"", 0},
        {"-", 0},
        {"$", 0},
        {"%", 0},
        {"$-5", 0},
        {"- 5", 0},
        {"\n5", 0},
        {"007", 7},
        // The value is formed in 64 bits and its low 32 bits are kept.
        {"2147483647", 2147483647},
        {"2147483648", INT32_MIN},
        {"4294967297", 1},
        {"-4294967295", 1},
        {"$FFFFFFFF", -1},
        {"$1FFFFFFFE", -2},
        {"%100000000000000000000000000000000", 0},
        // Beyond 64 bits the digits wrap, never overflow.
        {"99999999999999999999999", -159383553},
        {"$FFFFFFFFFFFFFFFFFFFFFFFF12345678", 0x12345678},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(readSettingsNumber(QString::fromUtf8(c.text)), c.value) << '"' << c.text << '"';
    // Digits of other scripts are not digits of the rule.
    EXPECT_EQ(readSettingsNumber(QString::fromUtf8("١٢")), 0);
}

TEST(SettingsText, DefaultFileForWindowsFolderIsThe91Bytes) {
    const QByteArray text = settingsFileText(defaultSettings("C:\\"));
    EXPECT_EQ(text, WINDOWS_DEFAULT_FILE);
    EXPECT_EQ(text.size(), 91);
}

TEST(SettingsText, WritesNumbersAndFolderUnchanged) {
    BrowserSettings settings;
    settings.backgroundRed = -5;
    settings.backgroundGreen = 300;
    settings.backgroundBlue = INT32_MIN;
    settings.downloadFolder = QString::fromUtf8("/home/zoé/Téléchargements/");
    settings.historyEnabled = 2;
    EXPECT_EQ(settingsFileText(settings),
              QByteArray("//COLOR/BLUE:-2147483648/RED:-5/GREEN:300/\r\n"
                         "/DL:/home/zo\xc3\xa9/T\xc3\xa9l\xc3\xa9\x63hargements//\r\n"
                         "/HIST:2/\r\n/POPUP:0/\r\n/STATUSBAR:1/\r\n/FAV:0/\r\n"));
}

TEST(BrowserSettingsRecord, StartsWithInitialValues) {
    const BrowserSettings initial;
    EXPECT_EQ(initial.backgroundRed, 0);
    EXPECT_EQ(initial.backgroundGreen, 0);
    EXPECT_EQ(initial.backgroundBlue, 0);
    EXPECT_EQ(initial.downloadFolder, "");
    EXPECT_EQ(initial.historyEnabled, 0);
    EXPECT_EQ(initial.blockPopups, 0);
    EXPECT_EQ(initial.showStatusBar, 1);
    EXPECT_EQ(initial.showFavourites, 0);
    EXPECT_EQ(platformDefaultSettings(), defaultSettings(platform::userDownloadFolder()));
}

BrowserSettings record(int32_t blue, int32_t red, int32_t green, const char* folder, int32_t hist,
                       int32_t popup, int32_t statusBar, int32_t fav) {
    BrowserSettings settings;
    settings.backgroundBlue = blue;
    settings.backgroundRed = red;
    settings.backgroundGreen = green;
    settings.downloadFolder = QString::fromUtf8(folder);
    settings.historyEnabled = hist;
    settings.blockPopups = popup;
    settings.showStatusBar = statusBar;
    settings.showFavourites = fav;
    return settings;
}

struct KeyCase {
    const char* name;
    QByteArray file;
    BrowserSettings expected;
};

TEST_F(SettingsFileTest, TakesEachKeyFromItsFirstOccurrence) {
    // The record before each read, so that fields the file does not name stand out.
    const BrowserSettings before = record(-1, -2, -3, "avant\\", -4, -5, -6, -7);
    const KeyCase cases[] = {
        {"standard layout", WINDOWS_DEFAULT_FILE, defaultSettings("C:\\")},
        {"one line",
         "//COLOR/BLUE:1/RED:2/GREEN:3//DL:D:\\x\\//HIST:0//POPUP:0//STATUSBAR:0//FAV:1/",
         record(1, 2, 3, "D:\\x\\", 0, 0, 0, 1)},
        {"other order",
         "/FAV:1/\n/STATUSBAR:0/\n/HIST:2/\n/DL:dl/\n/POPUP:3/\nGREEN:6/RED:5/BLUE:4/\n",
         record(4, 5, 6, "dl", 2, 3, 0, 1)},
        {"first occurrence wins",
         "BLUE:1/BLUE:9/RED:2/RED:9/GREEN:3/GREEN:9//DL:a//DL:b/"
         "/HIST:1//HIST:9//POPUP:1//POPUP:9//STATUSBAR:1//STATUSBAR:9/"
         "/FAV:1//FAV:9/",
         record(1, 2, 3, "a", 1, 1, 1, 1)},
        {"empty values",
         "BLUE://RED:/GREEN:/\r\n/DL:/\r\n/HIST:/\r\n/POPUP:/\r\n/STATUSBAR:/"
         "\r\n/FAV:/\r\n",
         record(0, 0, 0, "", 0, 0, 0, 0)},
        {"values as the number rule reads them",
         "BLUE: $FF/RED:+7/GREEN:12abc//DL:x//HIST:%101//POPUP:-3//STATUSBAR:abc//FAV:2/",
         record(255, 7, 12, "x", 5, -3, 0, 2)},
        {"folder kept as written", "BLUE:0//DL: C:\\Mes pages\\été\\ //HIST:1/",
         record(0, -2, -3, " C:\\Mes pages\\été\\ ", 1, -5, -6, -7)},
        {"colour keys found without their slash", "xBLUE:1xRED:2xGREEN:3/",
         record(1, 2, 3, "avant\\", -4, -5, -6, -7)},
        // A key the text lacks leaves its field as it was.
        {"missing keys", "//COLOR/BLUE:10/\r\n/HIST:1/\r\n",
         record(10, -2, -3, "avant\\", 1, -5, -6, -7)},
        {"keys matched case-sensitively", "BLUE:1//dl:x//Hist:1//HIST:0/",
         record(1, -2, -3, "avant\\", 0, -5, -6, -7)},
        // Folders keep their own "/": a value ends at the "/" before a line end or a key.
        {"folder holding slashes",
         "//COLOR/BLUE:1/RED:2/GREEN:3/\r\n/DL:/home/zoé/Téléchargements//\r\n/HIST:1/\r\n",
         record(1, 2, 3, "/home/zoé/Téléchargements/", 1, -5, -6, -7)},
        {"folder holding slashes on one line", "BLUE:1//DL:/srv/pages///HIST:0//FAV:1/",
         record(1, -2, -3, "/srv/pages/", 0, -5, -6, 1)},
        {"root folder", "BLUE:1//DL://\r\n", record(1, -2, -3, "/", -4, -5, -6, -7)},
        {"no slash closes the folder: the first one ends it", "BLUE:1//DL:abc/def",
         record(1, -2, -3, "abc", -4, -5, -6, -7)},
        // Without a closing "/" a value runs to the end of the text, less its line end.
        {"no closing slash on folder", "BLUE:1//DL:C:\\pages\r\n",
         record(1, -2, -3, "C:\\pages", -4, -5, -6, -7)},
        {"no closing slash on number", "BLUE:42\r\n",
         record(42, -2, -3, "avant\\", -4, -5, -6, -7)},
        {"key at the very end", "BLUE:5//DL:", record(5, -2, -3, "", -4, -5, -6, -7)},
        {"reading stops at a zero byte", QByteArray("BLUE:1/RED:2/\0GREEN:3/", 22),
         record(1, 2, -3, "avant\\", -4, -5, -6, -7)},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        putSettings(c.file);
        BrowserSettings settings = before;
        readSettings(settings);
        EXPECT_EQ(settings, c.expected);
        EXPECT_EQ(settingsBytes(), c.file) << "a file holding settings was rewritten";
    }
}

TEST_F(SettingsFileTest, FirstReadWritesDefaultFile) {
    // The history log is held open meanwhile: reading settings leaves it open and writable.
    const int log =
        platform::openFile(platform::NEW_NUMBER, "history.txt", platform::FileMode::Append);
    ASSERT_NE(log, platform::NO_OBJECT);

    BrowserSettings settings;
    readSettings(settings);

    const BrowserSettings defaults = defaultSettings(platform::userDownloadFolder());
    EXPECT_EQ(settings, defaults);
    EXPECT_EQ(settingsBytes(), settingsFileText(defaults));
    EXPECT_EQ(entries(), QStringList({"history.txt", "settings.con"}));
    BrowserSettings again;
    readSettings(again);
    EXPECT_EQ(again, defaults) << "the default file does not read back as the defaults";

    EXPECT_TRUE(platform::fileIsOpen(log));
    platform::writeText(log, "http://a/", true);
    EXPECT_EQ(platform::fileLength(log), 11);
    platform::closeFile(log);
}

TEST_F(SettingsFileTest, TextWithoutSettingsIsReplacedByDefaults) {
    const QByteArray defaultFile = settingsFileText(platformDefaultSettings());
    const std::pair<const char*, QByteArray> cases[] = {
        {"empty file", ""},
        {"lower case keys", "//color/blue:1/red:2/green:3/\r\n/DL:x/\r\n/HIST:0/\r\n"},
        {"zero byte before the key", QByteArray("\0BLUE:1/", 8)},
        {"other encoding", QByteArray("B\0L\0U\0E\0:\0001\0/\0", 14)},
        {"only line ends", "\r\n\r\n"},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        putSettings(bytes);
        BrowserSettings settings = record(1, 2, 3, "x", 4, 5, 6, 7);
        readSettings(settings);
        EXPECT_EQ(settings, platformDefaultSettings());
        EXPECT_EQ(settingsBytes(), defaultFile);
        EXPECT_EQ(entries(), QStringList({"settings.con"}));
    }
}

TEST_F(SettingsFileTest, WrittenSettingsReadBackAndReplaceOldFileWhole) {
    putSettings(QByteArray(2000, 'x') + "BLUE:9/");
    const BrowserSettings saved = record(-7, 256, 0, "/tmp/mes pages/", 0, 1, 0, 1);
    writeSettings(saved);
    EXPECT_EQ(settingsBytes(), settingsFileText(saved));
    EXPECT_EQ(entries(), QStringList({"settings.con"}));

    BrowserSettings settings;
    readSettings(settings);
    EXPECT_EQ(settings, saved);
}

TEST_F(SettingsFileTest, ReadOnlyFileIsNotRead) {
    putSettings("BLUE:9/");
    ASSERT_TRUE(QFile::setPermissions("settings.con", QFile::ReadOwner | QFile::ReadGroup));
    if (!cannotWrite("settings.con")) GTEST_SKIP() << "permissions not enforced (root)";

    BrowserSettings settings;
    readSettings(settings);
    EXPECT_EQ(settings, BrowserSettings());
    EXPECT_EQ(settingsBytes(), "BLUE:9/");

    writeSettings(defaultSettings("C:\\"));
    EXPECT_EQ(settingsBytes(), "BLUE:9/");
    EXPECT_EQ(entries(), QStringList({"settings.con"}));
}

// A name that cannot be opened as a file: the read stops at once, whoever runs the test.
TEST_F(SettingsFileTest, UnopenableSettingsEntryIsNotReadNorReplaced) {
    ASSERT_TRUE(QDir().mkdir("settings.con"));
    BrowserSettings settings;
    readSettings(settings);
    EXPECT_EQ(settings, BrowserSettings());
    EXPECT_TRUE(QFileInfo("settings.con").isDir());
    EXPECT_EQ(entries(), QStringList({"settings.con"}));
    EXPECT_TRUE(QDir("settings.con").isEmpty());
}

TEST_F(SettingsFileTest, MissingFileInUnwritableFolderIsNotCreated) {
    ASSERT_TRUE(QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner));
    if (!cannotWrite(folder_.path())) GTEST_SKIP() << "permissions not enforced (root)";

    BrowserSettings settings;
    readSettings(settings);
    EXPECT_EQ(settings, BrowserSettings());
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(SettingsFileTest, DefaultsAreTakenEvenWhenTheDefaultFileCannotBeWritten) {
    // The file may be written, but no new file can be made beside it to replace it with.
    putSettings("");
    ASSERT_TRUE(QFile::setPermissions(folder_.path(), QFile::ReadOwner | QFile::ExeOwner));
    if (!cannotWrite(folder_.path())) GTEST_SKIP() << "permissions not enforced (root)";

    BrowserSettings settings;
    readSettings(settings);
    EXPECT_EQ(settings, platformDefaultSettings());
    EXPECT_EQ(settingsBytes(), "");
    EXPECT_EQ(entries(), QStringList({"settings.con"}));
}

} // namespace

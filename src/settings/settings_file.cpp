#include "settings/settings_file.h"

#include "platform/files.h"
#include "settings/settings_text.h"

namespace {

const QLatin1String SETTINGS_FILE("settings.con");

} // namespace

void readSettings(BrowserSettings& settings) {
    // Opening for writing too keeps a read-only file from being read at all.
    const int file =
        platform::openFile(platform::NEW_NUMBER, SETTINGS_FILE, platform::FileMode::ReadWrite);
    if (file == platform::NO_OBJECT) return;
    QByteArray bytes = platform::readRest(file);
    platform::closeFile(file);

    const qsizetype zeroAt = bytes.indexOf('\0');
    if (zeroAt >= 0) bytes.truncate(zeroAt);
    const QString text = QString::fromUtf8(bytes);

    if (!holdsSettings(text)) {
        const BrowserSettings defaults = platformDefaultSettings();
        writeSettings(defaults);
        settings = defaults;
        return;
    }
    takeSettingsFromText(text, settings);
}

void writeSettings(const BrowserSettings& settings) {
    platform::replaceFile(SETTINGS_FILE, settingsFileText(settings));
}

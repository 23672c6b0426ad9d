#include "settings/browser_settings.h"

#include "platform/files.h"

BrowserSettings defaultSettings(const QString& downloadFolder) {
    BrowserSettings settings;
    settings.backgroundRed = 63;
    settings.backgroundGreen = 105;
    settings.backgroundBlue = 152;
    settings.downloadFolder = downloadFolder;
    settings.historyEnabled = 1;
    settings.blockPopups = 1;
    settings.showStatusBar = 1;
    settings.showFavourites = 0;
    return settings;
}

BrowserSettings platformDefaultSettings() {
    return defaultSettings(platform::userDownloadFolder());
}

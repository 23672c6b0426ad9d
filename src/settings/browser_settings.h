#pragma once

// The run's settings record and its default values.

#include <QString>
#include <cstdint>

struct BrowserSettings {
    // The values in force from start-up until the first read of the settings file.
    int32_t backgroundRed = 0;
    int32_t backgroundGreen = 0;
    int32_t backgroundBlue = 0;
    QString downloadFolder;
    // Switches: on only when exactly 1; any other value read from the file is kept as it is.
    int32_t historyEnabled = 0;
    int32_t blockPopups = 0;
    int32_t showStatusBar = 1;
    int32_t showFavourites = 0;

    bool operator==(const BrowserSettings&) const = default;
};

// The values of a fresh settings file, saving pages into the given folder.
BrowserSettings defaultSettings(const QString& downloadFolder);
// The same, saving pages into the user's download folder.
BrowserSettings platformDefaultSettings();

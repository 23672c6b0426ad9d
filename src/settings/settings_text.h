#pragma once

// The text of "settings.con": six "/KEY:value/" lines written, eight key/value pairs read back
// wherever they stand.

#include "settings/browser_settings.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

// The file's bytes: UTF-8, six lines each ended by CR LF, blue first on the colour line.
QByteArray settingsFileText(const BrowserSettings& settings);

// A number value: spaces and tabs skipped, an optional sign, then decimal digits, hexadecimal
// ones after "$" or binary ones after "%", up to the first other character. No digits give 0;
// the low 32 bits of the value are kept.
int32_t readSettingsNumber(QStringView value);

// True when the text holds settings at all, i.e. the colour key "BLUE:".
bool holdsSettings(QStringView text);

// Takes every pair the text holds into the record, each from the first occurrence of its key.
// A value ends at the "/" that is followed by a line end, the end of the text or another key, so
// that folders holding "/" read back whole; a key the text lacks leaves its field unchanged.
void takeSettingsFromText(QStringView text, BrowserSettings& settings);

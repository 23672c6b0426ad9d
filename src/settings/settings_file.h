#pragma once

// "settings.con" in the working folder: read into the record, written from it. Failures are
// silent.

#include "settings/browser_settings.h"

// Brings the record in line with the file. A file that cannot be opened for reading and
// writing (read-only, or not creatable) leaves the record as it is; a file without settings
// is replaced by the default file and the record takes the defaults.
void readSettings(BrowserSettings& settings);

// Replaces the file with the six lines of the record, all at once: a failed write leaves the old
// file whole.
void writeSettings(const BrowserSettings& settings);

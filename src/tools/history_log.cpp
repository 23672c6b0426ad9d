#include "tools/history_log.h"

#include "browser/main_window.h"
#include "platform/files.h"

void openHistoryLog() {
    platform::openFile(HISTORY_LOG_FILE, HISTORY_FILE_NAME, platform::FileMode::Append);
}

void appendEntry(const QString& address) {
    platform::writeText(HISTORY_LOG_FILE, address, true);
}

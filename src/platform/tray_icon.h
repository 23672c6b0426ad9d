#pragma once

// An icon in the desktop's notification area. Mouse presses and double-clicks on it post tray
// events with the CLICK_* types; mouse moves post nothing.

#include <QString>

namespace platform {

// Without a picture no icon is added, and 0 is returned.
int addTrayIcon(int number, int window, int image, const QString& toolTip);
void removeTrayIcon(int icon);
void removeAllTrayIcons();
bool trayIconExists(int icon);
QString trayIconToolTip(int icon);

} // namespace platform

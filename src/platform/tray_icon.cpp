#include "platform/tray_icon.h"

#include "platform/events.h"
#include "platform/objects.h"
#include "platform/picture_registry.h"
#include "platform/top_window.h"

#include <QPixmap>
#include <QSystemTrayIcon>

namespace platform {

int addTrayIcon(int number, int window, int image, const QString& toolTip) {
    const QImage* picture = findImage(image);
    if (!picture) return 0;
    auto* icon = new QSystemTrayIcon(QIcon(QPixmap::fromImage(*picture)), findWindow(window));
    number = trayIcons().put(number, icon);
    icon->setToolTip(toolTip);
    QObject::connect(icon, &QSystemTrayIcon::activated, icon,
                     [number](QSystemTrayIcon::ActivationReason reason) {
                         int type = -1;
                         switch (reason) {
                         case QSystemTrayIcon::Trigger:
                             type = CLICK_LEFT;
                             break;
                         case QSystemTrayIcon::Context:
                             type = CLICK_RIGHT;
                             break;
                         case QSystemTrayIcon::DoubleClick:
                             type = CLICK_LEFT_DOUBLE;
                             break;
                         default:
                             break;
                         }
                         if (type >= 0) postEvent({EventKind::Tray, number, type});
                     });
    icon->show();
    return number;
}

void removeTrayIcon(int icon) {
    trayIcons().destroy(icon);
}

void removeAllTrayIcons() {
    trayIcons().destroyAll();
}

bool trayIconExists(int icon) {
    return trayIcons().find(icon) != nullptr;
}

QString trayIconToolTip(int icon) {
    auto* tray = trayIcons().get<QSystemTrayIcon>(icon);
    return tray ? tray->toolTip() : QString();
}

} // namespace platform

#include "platform/clock.h"

#include <QTime>

namespace platform {

QString localClockText() {
    return QTime::currentTime().toString(QStringLiteral("HH:mm:ss"));
}

} // namespace platform

#pragma once

#include <QString>

namespace platform {

// The local time as "hh:mm:ss", hours 00 to 23.
QString localClockText();

} // namespace platform

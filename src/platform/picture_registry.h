#pragma once

// The decoded pictures behind the numbers, for the platform files that show them (buttons,
// picture controls, the tray icon). Inside platform/ only.

#include <QImage>

namespace platform {

// The picture under the number; nullptr when none is there. Valid until that number is loaded
// again or freed.
const QImage* findImage(int number);

} // namespace platform

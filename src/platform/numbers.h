#pragma once

// Object numbers: every kind of object (window, control, menu, picture, font, file, tray icon,
// status bar) has its own number space, and all controls of all windows share one.

namespace platform {

// Asks for a number handed out by the platform; handed-out numbers never equal fixed ones.
inline constexpr int NEW_NUMBER = -1;
// What an operation that could make nothing returns; no object ever has it.
inline constexpr int NO_OBJECT = -1;

} // namespace platform

#pragma once

// The program's event queue. Every window, control, menu and tray icon reports through it,
// one event at a time; bindings and tests put events in with postEvent.

namespace platform {

enum class EventKind { None, Control, Menu, Tray, Size, Close };

struct Event {
    EventKind kind = EventKind::None;
    // Control: the control's number; Menu: the command; Tray: the icon's number;
    // Size and Close: the window's number.
    int object = 0;
    // Control and Tray events only: what happened (see the constants below).
    int type = 0;
};

// Control event types of the platform's own controls.
inline constexpr int EVENT_CHANGED = 0; // button clicked, text typed, tab chosen
// Mouse buttons on a picture control and the tray icon.
inline constexpr int CLICK_LEFT = 0;
inline constexpr int CLICK_RIGHT = 1;
inline constexpr int CLICK_LEFT_DOUBLE = 2;
inline constexpr int CLICK_RIGHT_DOUBLE = 3;

// Returns the oldest queued event, waiting at most timeoutMs for one while the toolkit runs;
// an event of kind None when the wait ended without one. A negative timeout waits for ever.
Event waitEvent(int timeoutMs);
void postEvent(const Event& event);
// Drops every queued event that a destroyed object would still deliver.
void dropQueuedEvents(EventKind kind, int object);
// Queued events of an object that changed its number follow it.
void renumberQueuedEvents(EventKind kind, int from, int to);
int queuedEventCount();
void clearEventQueue();

} // namespace platform

#pragma once

#include <QString>

// How long a pass waits for an event at most.
inline constexpr int PASS_WAIT_MS = 150;

// One pass of the main window's loop: waits for at most one event, brings the window in step with
// the current tab, then handles the event. False once the loop must end (the caller then runs
// shutDown).
bool mainLoopPass();

// The load-progress bar's value, 0 to 100, for progress p of maximum m (0 when m is 0).
int progressBarValue(int p, int m);

// The first 26 characters of the text, filled up with spaces to exactly 26.
QString tabLabel(const QString& text);

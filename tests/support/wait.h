#pragma once

// Waiting on conditions with a deadline, never for fixed times.

#include <functional>

// Lets the toolkit work until the condition holds or the deadline passes. True when it held.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 15000);

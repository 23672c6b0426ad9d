#pragma once

// The toolkit application: made once per process, before any window, picture or web view.

#include <QString>

namespace platform {

// Starts the toolkit and the services the web engine needs. Safe to call more than once.
void startPlatform(int& argc, char** argv);
bool platformStarted();
// The running executable's full path and its folder-free file name.
QString executablePath();
QString executableFileName();
// The process's working folder, which the program never changes.
QString workingFolder();
// Lets the toolkit deliver what is pending without waiting for an event.
void processPendingWork();

} // namespace platform

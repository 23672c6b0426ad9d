#pragma once

#include <QStringList>

// Builds everything the browser shows before its first event. The first address (if any) is
// loaded in the first tab instead of the start page; each further one opens in a tab of its own.
void startUp(const QStringList& addresses = {});
// Ends the run: tray icon, views, controls, windows, fonts, files and pictures go. Returns the
// process's exit code, 0.
int shutDown();
// Start-up, the main loop until it ends, then shutDown.
int runBrowser(const QStringList& addresses);

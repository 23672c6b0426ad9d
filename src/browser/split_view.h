#pragma once

#include "browser/main_window.h"

// Shows the first tab's page and a new page side by side, in the first tab's page area with a
// 7-pixel bar between them, and selects the first tab so the split is seen. The new page shows
// the engine's own menu on a right-click. While the split exists a second call only selects the
// first tab again: no view is replaced. Closing the first tab closes its split with it.
void openSplitView(const MainWindowControls& controls);

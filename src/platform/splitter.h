#pragma once

// A splitter holding two controls side by side with a bar the user can drag between them.

#include "platform/numbers.h"

namespace platform {

// Made in the container of the left control, at the given place; both controls move into it,
// with neither part having a minimum width. The bar is barWidth pixels wide; the right part
// gets half of the width left beside the bar (an odd pixel dropped), the left part the rest.
int createSplitter(int number, int x, int y, int width, int height, int leftControl,
                   int rightControl, int barWidth);
// The widths of the two parts, and whether a control sits in the splitter.
int splitterPartWidth(int splitter, int part);
int splitterBarWidth(int splitter);
// The control shown in a part (0 left, 1 right); NO_OBJECT when none.
int splitterPartControl(int splitter, int part);
bool controlInSplitter(int splitter, int control);

} // namespace platform

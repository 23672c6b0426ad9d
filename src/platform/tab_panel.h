#pragma once

// A tab control with one page per item. Controls made while a page is being filled go into it.

#include "platform/numbers.h"

#include <QString>

namespace platform {

// Reports the user's choice of a tab as a control event.
int createTabPanel(int number, int x, int y, int width, int height);
// Inserts an item at the index (-1: at the end); new controls go into its page until
// endTabPanelFilling. Returns the index it got.
int insertTabItem(int panel, int index, const QString& text);
// Removes the item with its page and every control in it.
void removeTabItem(int panel, int index);
void endTabPanelFilling();
int tabCount(int panel);
int selectedTab(int panel);
void selectTab(int panel, int index);
void setTabText(int panel, int index, const QString& text);
QString tabText(int panel, int index);

} // namespace platform

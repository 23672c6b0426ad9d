#pragma once

// Menus under numbers: a window's menu bar and popup menus shown at the pointer. Choosing an item
// posts a menu event with the item's command number.

#include "platform/numbers.h"

#include <QString>

namespace platform {

// Returns the number (NEW_NUMBER: an assigned one).
int createMenuBar(int number, int window);
// A titled menu at the end of a menu bar; items added next go into it.
void addMenuTitle(int menu, const QString& title);
int createPopupMenu(int number);
void addMenuItem(int menu, int command, const QString& text);
void addMenuSeparator(int menu);
// Shows a popup menu with its top left corner at the screen position and returns at once.
void showPopupMenu(int menu, int x, int y);
void freeMenu(int menu);
void freeAllMenus();

// The mouse pointer's position on the screen.
int pointerX();
int pointerY();

// What a menu holds, as the user sees it: titles and item texts, "-" for a separator.
QStringList menuTitles(int menu);
QStringList menuItemTexts(int menu, int title = -1);
QList<int> menuItemCommands(int menu, int title = -1);
bool popupMenuShown(int menu, int* x = nullptr, int* y = nullptr);

} // namespace platform

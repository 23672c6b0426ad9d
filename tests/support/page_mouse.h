#pragma once

// The user's mouse on a web view's page.

class QMenu;

// A right button press and release on the surface the page is drawn on.
void rightClickInPage(int view);
// The popup menu on screen, if any.
QMenu* shownMenu();

#pragma once

// The user's mouse on a web view's page.

#include <QByteArray>

class QMenu;

// A page that takes the title "Drawn" once it has been drawn: from then on it takes mouse input.
inline const QByteArray DRAWN_PAGE = "<title>Menu</title><p>clic droit</p><script>"
                                     "requestAnimationFrame(() => requestAnimationFrame(() => "
                                     "document.title = 'Drawn'))</script>";

// A right button press and release on the surface the page is drawn on.
void rightClickInPage(int view);
// The popup menu on screen, if any.
QMenu* shownMenu();

#include "support/page_mouse.h"

#include "platform/objects.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>

void rightClickInPage(int view) {
    QWidget* widget = platform::controlWidget(view);
    QWidget* surface = widget ? widget->focusProxy() : nullptr;
    if (!surface) return;
    QPointF at(60, 60);
    QPointF global = surface->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::RightButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(surface, &press);
    QApplication::sendEvent(surface, &release);
}

QMenu* shownMenu() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* menu = qobject_cast<QMenu*>(widget); menu && menu->isVisible()) return menu;
    return nullptr;
}

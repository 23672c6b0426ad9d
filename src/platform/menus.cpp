#include "platform/menus.h"

#include "platform/events.h"
#include "platform/objects.h"
#include "platform/top_window.h"

#include <QCursor>
#include <QMenu>
#include <QMenuBar>

namespace platform {
namespace {

QAction* makeItem(QWidget* owner, int command, const QString& text) {
    // Item texts are shown as they are: "&" is no shortcut marker.
    auto* action = new QAction(QString(text).replace(QLatin1Char('&'), QLatin1String("&&")), owner);
    action->setData(command);
    QObject::connect(action, &QAction::triggered, action, [command] {
        postEvent({EventKind::Menu, command, 0});
    });
    return action;
}

// The menu that receives new items: a popup menu, or a menu bar's last title.
QWidget* itemTarget(int menu) {
    QObject* object = menus().find(menu);
    if (auto* bar = qobject_cast<QMenuBar*>(object)) {
        QList<QAction*> titles = bar->actions();
        return titles.isEmpty() ? nullptr : titles.last()->menu();
    }
    return qobject_cast<QMenu*>(object);
}

QList<QAction*> itemsOf(int menu, int title) {
    QObject* object = menus().find(menu);
    if (auto* bar = qobject_cast<QMenuBar*>(object)) {
        QList<QAction*> titles = bar->actions();
        if (title < 0 || title >= titles.size() || !titles[title]->menu()) return {};
        return titles[title]->menu()->actions();
    }
    if (auto* popup = qobject_cast<QMenu*>(object)) return popup->actions();
    return {};
}

QString plain(QString text) {
    return text.replace(QLatin1String("&&"), QLatin1String("&"));
}

} // namespace

int createMenuBar(int number, int window) {
    TopWindow* top = findWindow(window);
    if (!top) return 0;
    auto* bar = new QMenuBar(top);
    number = menus().put(number, bar);
    top->setMenuBar(bar);
    return number;
}

void addMenuTitle(int menu, const QString& title) {
    if (auto* bar = menus().get<QMenuBar>(menu)) bar->addMenu(title);
}

int createPopupMenu(int number) {
    return menus().put(number, new QMenu);
}

void addMenuItem(int menu, int command, const QString& text) {
    if (QWidget* target = itemTarget(menu)) target->addAction(makeItem(target, command, text));
}

void addMenuSeparator(int menu) {
    if (auto* target = qobject_cast<QMenu*>(itemTarget(menu))) target->addSeparator();
}

void showPopupMenu(int menu, int x, int y) {
    if (auto* popup = menus().get<QMenu>(menu)) popup->popup(QPoint(x, y));
}

void freeMenu(int menu) {
    menus().destroy(menu);
}

void freeAllMenus() {
    menus().destroyAll();
}

int pointerX() {
    return QCursor::pos().x();
}
int pointerY() {
    return QCursor::pos().y();
}

QStringList menuTitles(int menu) {
    QStringList titles;
    if (auto* bar = menus().get<QMenuBar>(menu))
        for (QAction* title : bar->actions())
            titles << plain(title->text());
    return titles;
}

QStringList menuItemTexts(int menu, int title) {
    QStringList texts;
    for (QAction* item : itemsOf(menu, title))
        texts << (item->isSeparator() ? QStringLiteral("-") : plain(item->text()));
    return texts;
}

QList<int> menuItemCommands(int menu, int title) {
    QList<int> commands;
    for (QAction* item : itemsOf(menu, title))
        commands << (item->isSeparator() ? 0 : item->data().toInt());
    return commands;
}

bool popupMenuShown(int menu, int* x, int* y) {
    auto* popup = menus().get<QMenu>(menu);
    if (!popup || !popup->isVisible()) return false;
    if (x) *x = popup->pos().x();
    if (y) *y = popup->pos().y();
    return true;
}

} // namespace platform

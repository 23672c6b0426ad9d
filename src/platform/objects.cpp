#include "platform/objects.h"

#include <QWidget>

namespace platform {

int ObjectRegistry::put(int number, QObject* object) {
    if (number == NEW_NUMBER) {
        while (entries_.count(nextAssigned_))
            ++nextAssigned_;
        number = nextAssigned_++;
    } else {
        destroy(number);
    }
    Entry& entry = entries_[number];
    entry.object = object;
    // The toolkit may destroy the object on its own (with its parent): forget it then.
    entry.watch = QObject::connect(object, &QObject::destroyed, [this, number] { forget(number); });
    return number;
}

QObject* ObjectRegistry::find(int number) const {
    auto it = entries_.find(number);
    return it == entries_.end() ? nullptr : it->second.object.data();
}

int ObjectRegistry::numberOf(const QObject* object) const {
    for (const auto& [number, entry] : entries_)
        if (entry.object.data() == object) return number;
    return 0;
}

void ObjectRegistry::forget(int number) {
    auto it = entries_.find(number);
    if (it == entries_.end()) return;
    QObject::disconnect(it->second.watch);
    entries_.erase(it);
    dropQueuedEvents(eventKind_, number);
}

void ObjectRegistry::destroy(int number) {
    auto it = entries_.find(number);
    if (it == entries_.end()) return;
    QObject* object = it->second.object.data();
    forget(number);
    delete object;
}

void ObjectRegistry::renumber(int from, int to) {
    QObject* object = find(from);
    if (!object || from == to) return;
    destroy(to);
    auto it = entries_.find(from);
    QObject::disconnect(it->second.watch);
    entries_.erase(it);
    put(to, object);
    renumberQueuedEvents(eventKind_, from, to);
}

void ObjectRegistry::destroyAll() {
    while (!entries_.empty())
        destroy(entries_.begin()->first);
}

std::vector<int> ObjectRegistry::numbers() const {
    std::vector<int> result;
    for (const auto& [number, entry] : entries_)
        if (entry.object) result.push_back(number);
    return result;
}

ObjectRegistry& windows() {
    static ObjectRegistry registry(EventKind::Close);
    return registry;
}
ObjectRegistry& controls() {
    static ObjectRegistry registry(EventKind::Control);
    return registry;
}
ObjectRegistry& menus() {
    static ObjectRegistry registry(EventKind::None);
    return registry;
}
ObjectRegistry& trayIcons() {
    static ObjectRegistry registry(EventKind::Tray);
    return registry;
}
ObjectRegistry& statusBars() {
    static ObjectRegistry registry(EventKind::None);
    return registry;
}

QWidget* controlWidget(int control) {
    return controls().get<QWidget>(control);
}

namespace {
QPointer<QWidget> container;
}

QWidget* placementContainer() {
    return container.data();
}
void setPlacementContainer(QWidget* widget) {
    container = widget;
}

void placeWidget(QWidget* widget, int x, int y, int width, int height) {
    widget->setGeometry(x, y, std::max(width, 0), std::max(height, 0));
}

int adoptControlAt(int number, QWidget* widget, int x, int y, int width, int height) {
    placeWidget(widget, x, y, width, height);
    return adoptControl(number, widget);
}

int adoptControl(int number, QWidget* widget) {
    if (container) widget->setParent(container);
    int assigned = controls().put(number, widget);
    widget->show();
    return assigned;
}

} // namespace platform

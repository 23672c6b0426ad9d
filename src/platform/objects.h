#pragma once

// The registries behind the numbered-object model: one number space per kind of object, all
// controls of all windows in one space. Inside platform/ and webview/ only.

#include "platform/events.h"
#include "platform/numbers.h"

#include <QObject>
#include <QPointer>
#include <map>
#include <vector>

class QWidget;

namespace platform {

// Numbers handed out by the toolkit start far above every number the program fixes.
inline constexpr int FIRST_ASSIGNED_NUMBER = 1 << 20;

// Toolkit objects under numbers. Making an object under a number in use destroys the old one;
// an object destroyed by the toolkit (with its parent, say) leaves the registry by itself, and
// the events it had queued are dropped.
class ObjectRegistry {
public:
    explicit ObjectRegistry(EventKind eventKind) : eventKind_(eventKind) {}
    ObjectRegistry(const ObjectRegistry&) = delete;
    ObjectRegistry& operator=(const ObjectRegistry&) = delete;

    // NEW_NUMBER asks for an assigned one. Returns the number the object got.
    int put(int number, QObject* object);
    QObject* find(int number) const;
    template <class T> T* get(int number) const { return qobject_cast<T*>(find(number)); }
    int numberOf(const QObject* object) const;
    void destroy(int number);
    // Moves the object, and its queued events, to another number.
    void renumber(int from, int to);
    void destroyAll();
    std::vector<int> numbers() const;

private:
    struct Entry {
        QPointer<QObject> object;
        QMetaObject::Connection watch;
    };
    void forget(int number);

    EventKind eventKind_;
    std::map<int, Entry> entries_;
    int nextAssigned_ = FIRST_ASSIGNED_NUMBER;
};

// Value objects (pictures, fonts) under numbers: the same number rules, nothing to destroy.
template <class T> class ValueRegistry {
public:
    int put(int number, const T& value) {
        if (number == NEW_NUMBER) {
            while (values_.count(nextAssigned_))
                ++nextAssigned_;
            number = nextAssigned_++;
        }
        values_[number] = value;
        return number;
    }
    const T* find(int number) const {
        auto it = values_.find(number);
        return it == values_.end() ? nullptr : &it->second;
    }
    void erase(int number) { values_.erase(number); }
    void clear() { values_.clear(); }

private:
    std::map<int, T> values_;
    int nextAssigned_ = FIRST_ASSIGNED_NUMBER;
};

ObjectRegistry& windows();
ObjectRegistry& controls();
ObjectRegistry& menus();
ObjectRegistry& trayIcons();
ObjectRegistry& statusBars();

// The widget a control is drawn by; nullptr for an unknown number.
QWidget* controlWidget(int control);
// Puts a widget made elsewhere (a web view) into the control space, inside the container that
// receives new controls now. Returns its number.
int adoptControl(int number, QWidget* widget);
// Places the widget; a size below zero is shown as nothing rather than handed to the toolkit.
void placeWidget(QWidget* widget, int x, int y, int width, int height);
// Places the widget, then adopts it as a control.
int adoptControlAt(int number, QWidget* widget, int x, int y, int width, int height);
// The container that receives new controls: a window's client area or a tab page.
QWidget* placementContainer();
void setPlacementContainer(QWidget* container);

} // namespace platform

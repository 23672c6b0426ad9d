#include "platform/nested_window.h"

#include "platform/objects.h"
#include "platform/windows.h"

#include <QPointer>
#include <QWidget>
#include <map>

namespace platform {
namespace {

// For each open nested window, the container that received new controls before it opened.
std::map<int, QPointer<QWidget>>& containersBefore() {
    static std::map<int, QPointer<QWidget>> containers;
    return containers;
}

} // namespace

int openNestedWindow(int width, int height, const QString& title, int colour) {
    QPointer<QWidget> before = placementContainer();
    const int window = openWindow(NEW_NUMBER, 0, 0, width, height, title,
                                  WINDOW_TITLE_BAR | WINDOW_SYSTEM_MENU | WINDOW_MINIMISE_BOX |
                                      WINDOW_MAXIMISE_BOX | WINDOW_CENTRED);
    if (colour != -1) setWindowColour(window, colour);
    containersBefore()[window] = before;
    return window;
}

void closeNestedWindow(int window) {
    closeWindow(window);
    auto it = containersBefore().find(window);
    if (it == containersBefore().end()) return;
    setPlacementContainer(it->second.data());
    containersBefore().erase(it);
}

} // namespace platform

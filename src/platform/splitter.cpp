#include "platform/splitter.h"

#include "platform/objects.h"

#include <QSplitter>

namespace platform {

int createSplitter(int number, int x, int y, int width, int height, int leftControl,
                   int rightControl, int barWidth) {
    QWidget* left = controlWidget(leftControl);
    QWidget* right = controlWidget(rightControl);
    if (!left || !right) return NO_OBJECT;
    QWidget* container = left->parentWidget();
    auto* splitter = new QSplitter(Qt::Horizontal, container);
    splitter->setHandleWidth(barWidth);
    splitter->setChildrenCollapsible(true);
    placeWidget(splitter, x, y, width, height);
    for (QWidget* part : {left, right}) {
        part->setMinimumWidth(0);
        splitter->addWidget(part);
    }
    const int shared = std::max(width - barWidth, 0);
    splitter->setSizes({shared - shared / 2, shared / 2});
    number = controls().put(number, splitter);
    splitter->show();
    return number;
}

int splitterPartWidth(int splitter, int part) {
    auto* split = controls().get<QSplitter>(splitter);
    if (!split || part < 0 || part >= split->count()) return 0;
    return split->sizes().value(part);
}

int splitterBarWidth(int splitter) {
    auto* split = controls().get<QSplitter>(splitter);
    return split ? split->handleWidth() : 0;
}

int splitterPartControl(int splitter, int part) {
    auto* split = controls().get<QSplitter>(splitter);
    QWidget* widget = split ? split->widget(part) : nullptr;
    return widget ? controls().numberOf(widget) : NO_OBJECT;
}

bool controlInSplitter(int splitter, int control) {
    auto* split = controls().get<QSplitter>(splitter);
    QWidget* widget = controlWidget(control);
    return split && widget && split->indexOf(widget) >= 0;
}

} // namespace platform

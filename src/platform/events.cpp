#include "platform/events.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <deque>

namespace platform {
namespace {

std::deque<Event> queue;
QEventLoop* waitingLoop = nullptr;

} // namespace

void postEvent(const Event& event) {
    queue.push_back(event);
    if (waitingLoop) waitingLoop->quit();
}

Event waitEvent(int timeoutMs) {
    if (queue.empty()) {
        // Let the toolkit deliver whatever is pending, then sleep in its loop until an event
        // arrives or the time is up.
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (queue.empty() && timeoutMs != 0) {
            QEventLoop loop;
            QTimer timer;
            if (timeoutMs > 0) {
                timer.setSingleShot(true);
                timer.setTimerType(Qt::PreciseTimer);
                QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
                timer.start(timeoutMs);
            }
            QEventLoop* outer = waitingLoop;
            waitingLoop = &loop;
            loop.exec();
            waitingLoop = outer;
        }
    }
    if (queue.empty()) return {};
    Event event = queue.front();
    queue.pop_front();
    return event;
}

void dropQueuedEvents(EventKind kind, int object) {
    std::erase_if(queue, [&](const Event& e) { return e.kind == kind && e.object == object; });
}

void renumberQueuedEvents(EventKind kind, int from, int to) {
    for (Event& e : queue)
        if (e.kind == kind && e.object == from) e.object = to;
}

int queuedEventCount() {
    return static_cast<int>(queue.size());
}

void clearEventQueue() {
    queue.clear();
}

} // namespace platform

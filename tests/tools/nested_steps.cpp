#include "nested_steps.h"

#include "platform/controls.h"
#include "platform/events.h"

#include <QDateTime>
#include <QTimer>
#include <gtest/gtest.h>

NestedSteps::NestedSteps(int control, std::vector<Step> steps, int deadlineMs)
    : control_(control), steps_(std::move(steps)), timer_(new QTimer),
      deadline_(QDateTime::currentMSecsSinceEpoch() + deadlineMs) {
    timer_->setInterval(5);
    QObject::connect(timer_, &QTimer::timeout, [this] { tick(); });
    timer_->start();
}

NestedSteps::~NestedSteps() {
    delete timer_;
}

void NestedSteps::tick() {
    if (finished()) {
        timer_->stop();
        return;
    }
    if (QDateTime::currentMSecsSinceEpoch() > deadline_) {
        if (!gaveUp_) {
            ADD_FAILURE() << "the nested window's steps did not all run; " << next_ << " of "
                          << steps_.size() << " ran";
            platform::postEvent({platform::EventKind::Close, 0, 0});
            gaveUp_ = true;
        }
        return;
    }
    if (!platform::controlExists(control_) || platform::queuedEventCount() > 0) return;
    steps_[next_++]();
}

#pragma once

// Drives a window that runs a loop of its own. While it runs, the test's thread sits inside that
// loop, so the steps run from a timer there: each one once the window's control exists and the
// event queue is empty, that is after the loop has handled what the step before posted.

#include <QObject>
#include <functional>
#include <vector>

class QTimer;

class NestedSteps {
public:
    using Step = std::function<void()>;
    // Starts watching for the control. When the steps have not all run by the deadline, the test
    // fails and a close request is posted so that the nested loop ends.
    NestedSteps(int control, std::vector<Step> steps, int deadlineMs = 20000);
    ~NestedSteps();
    NestedSteps(const NestedSteps&) = delete;
    NestedSteps& operator=(const NestedSteps&) = delete;

    bool finished() const { return next_ == steps_.size(); }

private:
    void tick();

    int control_;
    std::vector<Step> steps_;
    size_t next_ = 0;
    QTimer* timer_;
    qint64 deadline_;
    bool gaveUp_ = false;
};

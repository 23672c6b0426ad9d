#pragma once

// The real browser started in-process in an empty temporary working folder, driven pass by pass.

#include "support/printers.h"

#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>

class BrowserSession {
public:
    // Starts the browser with the program's picture files beside it (unless told otherwise) and
    // every system dialog answered by the test.
    explicit BrowserSession(const QStringList& addresses = {}, bool withPictures = true);
    ~BrowserSession();
    BrowserSession(const BrowserSession&) = delete;
    BrowserSession& operator=(const BrowserSession&) = delete;

    // Runs main-loop passes until the condition holds (true), the loop ends or the deadline
    // passes (false).
    bool passUntil(const std::function<bool()>& condition, int timeoutMs = 15000);
    // One pass; false when the loop ended with it.
    bool pass();
    bool loopEnded() const { return ended_; }
    // Runs shutDown once and gives its exit code.
    int shutDown();

    QString path(const QString& name) const;

    // The user clicks the tab at the index.
    void chooseTab(int index);
    // The user resizes the main window so that its client area gets the size.
    void resizeClientArea(int width, int height);

private:
    QTemporaryDir folder_;
    QString previousFolder_;
    bool ended_ = false;
    bool shutDown_ = false;
};

// The folder holding the program's four picture files.
QString picturesFolder();

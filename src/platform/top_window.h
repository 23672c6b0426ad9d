#pragma once

// The widgets behind a numbered window. Inside platform/ only.

#include <QPointer>
#include <QWidget>

namespace platform {

// The client area: controls are placed in it at absolute positions; a status bar made for the
// window is kept along its bottom edge.
class ClientArea : public QWidget {
    Q_OBJECT
public:
    explicit ClientArea(QWidget* parent) : QWidget(parent) {}
    void setStatusBar(QWidget* bar);
    QWidget* statusBar() const { return statusBar_; }
    void placeStatusBar();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QPointer<QWidget> statusBar_;
};

class TopWindow : public QWidget {
    Q_OBJECT
public:
    TopWindow(int flags, QWidget* owner);
    ClientArea* client() const { return client_; }
    void setMenuBar(QWidget* menuBar);
    int flags() const { return flags_; }
    int colour = -1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ClientArea* client_;
    int flags_;
};

TopWindow* findWindow(int window);
// The number of the window the widget belongs to; 0 when none.
int windowNumberOf(const QWidget* widget);

} // namespace platform

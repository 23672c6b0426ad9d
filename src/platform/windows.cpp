#include "platform/windows.h"

#include "platform/events.h"
#include "platform/objects.h"
#include "platform/top_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

namespace platform {

void ClientArea::setStatusBar(QWidget* bar) {
    statusBar_ = bar;
    placeStatusBar();
}

void ClientArea::placeStatusBar() {
    if (!statusBar_) return;
    int height = statusBar_->sizeHint().height();
    statusBar_->setGeometry(0, this->height() - height, width(), height);
    statusBar_->raise();
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeStatusBar();
    QWidget* top = window();
    if (top->isMinimized()) return;
    if (int number = windows().numberOf(top)) postEvent({EventKind::Size, number, 0});
}

TopWindow::TopWindow(int flags, QWidget* owner) : QWidget(owner), flags_(flags) {
    Qt::WindowFlags qtFlags = (flags & WINDOW_TOOL) ? Qt::Tool : Qt::Window;
    qtFlags |= Qt::CustomizeWindowHint;
    if (flags & WINDOW_TITLE_BAR) qtFlags |= Qt::WindowTitleHint;
    if (flags & WINDOW_SYSTEM_MENU) qtFlags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (flags & WINDOW_MINIMISE_BOX) qtFlags |= Qt::WindowMinimizeButtonHint;
    if (flags & WINDOW_MAXIMISE_BOX) qtFlags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(qtFlags);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    client_ = new ClientArea(this);
    client_->setAutoFillBackground(true);
    layout->addWidget(client_);
}

void TopWindow::setMenuBar(QWidget* menuBar) {
    layout()->setMenuBar(menuBar);
}

void TopWindow::closeEvent(QCloseEvent* event) {
    // The program decides when a window goes: a close request is only reported.
    event->ignore();
    if (int number = windows().numberOf(this)) postEvent({EventKind::Close, number, 0});
}

TopWindow* findWindow(int window) {
    return windows().get<TopWindow>(window);
}

int windowNumberOf(const QWidget* widget) {
    return widget ? windows().numberOf(widget->window()) : 0;
}

int openWindow(int number, int x, int y, int width, int height, const QString& title, int flags,
               int ownerWindow) {
    auto* window = new TopWindow(flags, findWindow(ownerWindow));
    number = windows().put(number, window);
    window->setWindowTitle(title);
    window->client()->setMinimumSize(0, 0);
    window->resize(width, height);
    if (flags & WINDOW_SIZABLE) {
        window->setMinimumSize(0, 0);
    } else {
        window->setFixedSize(width, height);
    }
    if (flags & WINDOW_CENTRED) {
        QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        x = width > screen.width() ? 0 : screen.x() + (screen.width() - width) / 2;
        y = height > screen.height() ? 0 : screen.y() + (screen.height() - height) / 2;
    }
    window->move(x, y);
    setPlacementContainer(window->client());
    if (flags & WINDOW_MAXIMISED)
        window->showMaximized();
    else
        window->show();
    return number;
}

void closeWindow(int window) {
    windows().destroy(window);
}

void closeAllWindows() {
    windows().destroyAll();
}

bool windowExists(int window) {
    return findWindow(window) != nullptr;
}

void useWindowForNewControls(int window) {
    if (TopWindow* top = findWindow(window)) setPlacementContainer(top->client());
}

void setWindowTitle(int window, const QString& title) {
    if (TopWindow* top = findWindow(window); top && top->windowTitle() != title)
        top->setWindowTitle(title);
}

QString windowTitle(int window) {
    TopWindow* top = findWindow(window);
    return top ? top->windowTitle() : QString();
}

void setWindowColour(int window, int colour) {
    TopWindow* top = findWindow(window);
    if (!top) return;
    top->colour = colour;
    QPalette palette = top->client()->palette();
    if (colour == -1)
        palette.setColor(QPalette::Window, top->palette().color(QPalette::Window));
    else
        palette.setColor(QPalette::Window,
                         QColor(colour & 255, (colour >> 8) & 255, (colour >> 16) & 255));
    top->client()->setPalette(palette);
}

int windowColour(int window) {
    TopWindow* top = findWindow(window);
    return top ? top->colour : 0;
}

int clientWidth(int window) {
    TopWindow* top = findWindow(window);
    return top ? top->client()->width() : 0;
}

int clientHeight(int window) {
    TopWindow* top = findWindow(window);
    return top ? top->client()->height() : 0;
}

void hideWindow(int window) {
    if (TopWindow* top = findWindow(window)) top->hide();
}

void showWindow(int window) {
    // The window state (maximised, minimised) survives hiding; show() brings it back as it was.
    if (TopWindow* top = findWindow(window)) top->show();
}

bool windowVisible(int window) {
    TopWindow* top = findWindow(window);
    return top && top->isVisible();
}

bool windowMaximised(int window) {
    TopWindow* top = findWindow(window);
    return top && top->isMaximized();
}

bool windowMinimised(int window) {
    TopWindow* top = findWindow(window);
    return top && top->isMinimized();
}

int windowFlags(int window) {
    TopWindow* top = findWindow(window);
    return top ? top->flags() : 0;
}

} // namespace platform

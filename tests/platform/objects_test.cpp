// The numbered-object model and the event queue, on real toolkit controls.

#include "platform/controls.h"
#include "platform/events.h"
#include "platform/menus.h"
#include "platform/numbers.h"
#include "platform/objects.h"
#include "platform/status_bar.h"
#include "platform/tab_panel.h"
#include "platform/windows.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class Objects : public testing::Test {
protected:
    Objects() {
        clearEventQueue();
        window = openWindow(NEW_NUMBER, 0, 0, 400, 300, "test", WINDOW_TITLE_BAR | WINDOW_SIZABLE);
        clearEventQueue();
    }
    ~Objects() override {
        freeAllControls();
        closeAllWindows();
        clearEventQueue();
    }
    int window = 0;
};

TEST_F(Objects, NumbersFollowTheRules) {
    const int assigned = createButton(NEW_NUMBER, 0, 0, 10, 10, "a");
    const int another = createButton(NEW_NUMBER, 0, 0, 10, 10, "b");
    EXPECT_GE(assigned, FIRST_ASSIGNED_NUMBER);
    EXPECT_NE(assigned, another);
    EXPECT_GE(window, FIRST_ASSIGNED_NUMBER);

    // Making an object under a used number destroys the one that had it.
    EXPECT_EQ(createButton(7, 0, 0, 10, 10, "old"), 7);
    QPointer<QWidget> old = controlWidget(7);
    EXPECT_EQ(createTextField(7, 0, 0, 10, 10, "new"), 7);
    EXPECT_TRUE(old.isNull());
    EXPECT_EQ(controlText(7), "new");

    // Unknown numbers: nothing happens, reads give zero or empty text.
    const int unknown = 4242;
    setControlText(unknown, "x");
    moveControl(unknown, 1, 2, 3, 4);
    setTabText(unknown, 0, "x");
    setStatusText(unknown, 0, "x");
    setWindowTitle(unknown, "x");
    showPopupMenu(unknown, 0, 0);
    EXPECT_EQ(controlText(unknown), "");
    EXPECT_EQ(controlRect(unknown), Rect{});
    EXPECT_EQ(tabCount(unknown), 0);
    EXPECT_EQ(statusText(unknown, 0), "");
    EXPECT_EQ(clientWidth(unknown), 0);
    EXPECT_EQ(windowTitle(unknown), "");
}

TEST_F(Objects, QueueKeepsOrderAndTimesOut) {
    postEvent({EventKind::Menu, 1, 0});
    postEvent({EventKind::Control, 2, 5});
    postEvent({EventKind::Tray, 3, 1});
    EXPECT_EQ(waitEvent(0).object, 1);
    const Event control = waitEvent(0);
    EXPECT_EQ(control.kind, EventKind::Control);
    EXPECT_EQ(control.type, 5);
    EXPECT_EQ(waitEvent(0).kind, EventKind::Tray);

    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(waitEvent(60).kind, EventKind::None);
    EXPECT_GE(clock.elapsed(), 55);
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(Objects, DestroyedControlsLoseTheirQueuedEvents) {
    const int kept = createButton(NEW_NUMBER, 0, 0, 10, 10, "kept");
    const int gone = createButton(NEW_NUMBER, 0, 0, 10, 10, "gone");
    postEvent({EventKind::Control, gone, 0});
    postEvent({EventKind::Control, kept, 0});
    freeControl(gone);
    EXPECT_EQ(waitEvent(0).object, kept);
    EXPECT_EQ(waitEvent(0).kind, EventKind::None);

    // Controls destroyed with their tab page go the same way.
    const int panel = createTabPanel(NEW_NUMBER, 0, 0, 200, 200);
    insertTabItem(panel, -1, "page");
    const int inPage = createButton(NEW_NUMBER, 0, 0, 10, 10, "in page");
    endTabPanelFilling();
    postEvent({EventKind::Control, inPage, 0});
    removeTabItem(panel, 0);
    EXPECT_FALSE(controlExists(inPage));
    EXPECT_EQ(waitEvent(0).kind, EventKind::None);
}

TEST_F(Objects, RenumberedControlsTakeTheirEventsAlong) {
    const int view = createButton(50, 0, 0, 10, 10, "view");
    postEvent({EventKind::Control, view, 4});
    renumberControl(50, 49);
    EXPECT_FALSE(controlExists(50));
    EXPECT_EQ(controlText(49), "view");
    const Event moved = waitEvent(0);
    EXPECT_EQ(moved.object, 49);
    EXPECT_EQ(moved.type, 4);
}

TEST_F(Objects, OnlyTheUsersActionsRaiseEvents) {
    const int button = createButton(NEW_NUMBER, 0, 0, 10, 10, "b");
    const int field = createTextField(NEW_NUMBER, 0, 0, 10, 10, "t");
    const int panel = createTabPanel(NEW_NUMBER, 0, 0, 200, 200);
    insertTabItem(panel, -1, "one");
    insertTabItem(panel, -1, "two");
    endTabPanelFilling();

    // The program's own changes: texts, selection, tab items, geometry.
    setControlText(button, "B");
    setControlText(field, "typed by the program");
    selectTab(panel, 1);
    setTabText(panel, 0, "renamed");
    insertTabItem(panel, 1, "three");
    endTabPanelFilling();
    removeTabItem(panel, 1);
    moveControl(button, 5, 5, 20, 20);
    EXPECT_EQ(waitEvent(0).kind, EventKind::None);

    // What a user does.
    static_cast<QPushButton*>(controlWidget(button))->click();
    static_cast<QLineEdit*>(controlWidget(field))->insert("x");
    static_cast<QTabWidget*>(controlWidget(panel))->tabBar()->setCurrentIndex(0);
    for (int control : {button, field, panel}) {
        const Event e = waitEvent(0);
        EXPECT_EQ(e.kind, EventKind::Control);
        EXPECT_EQ(e.object, control);
    }
}

TEST_F(Objects, WindowsReportCloseRequestsAndSizes) {
    QWidget* top = controlWidget(createButton(NEW_NUMBER, 0, 0, 1, 1, ""))->window();
    top->close();
    const Event close = waitEvent(0);
    EXPECT_EQ(close.kind, EventKind::Close);
    EXPECT_EQ(close.object, window);
    EXPECT_TRUE(windowExists(window)) << "the program decides when its windows go";

    top->resize(500, 400);
    const Event size = waitEvent(0);
    EXPECT_EQ(size.kind, EventKind::Size);
    EXPECT_EQ(size.object, window);
    EXPECT_EQ(clientWidth(window), 500);
}

TEST_F(Objects, StatusBarFieldsKeepTheirWidths) {
    const int bar = createStatusBar(0, window);
    EXPECT_EQ(bar, 0) << "0 is a fixed number like any other";
    addStatusField(bar, 120);
    addStatusField(bar, 80);
    setStatusText(bar, 0, QString(500, 'x'));
    EXPECT_EQ(statusFieldWidth(bar, 0), 120);
    EXPECT_EQ(statusFieldWidth(bar, 1), 80);
    EXPECT_EQ(statusText(bar, 0), QString(500, 'x'));
    freeStatusBar(bar);
}

} // namespace

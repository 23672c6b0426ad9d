#include "platform/tab_panel.h"

#include "platform/events.h"
#include "platform/objects.h"

#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>

namespace platform {
namespace {

QTabWidget* findPanel(int panel) {
    return controls().get<QTabWidget>(panel);
}

// Tab texts are shown as they are: "&" is no shortcut marker.
QString shownText(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}
QString plainText(QString text) {
    return text.replace(QLatin1String("&&"), QLatin1String("&"));
}

// Where new controls went before a page was being filled.
QPointer<QWidget> containerBeforeFilling;

} // namespace

int createTabPanel(int number, int x, int y, int width, int height) {
    auto* panel = new QTabWidget;
    placeWidget(panel, x, y, width, height);
    // Only the user's choices arrive here: the program's own changes are made with signals
    // blocked.
    QObject::connect(panel, &QTabWidget::currentChanged, panel, [panel] {
        if (int number = controls().numberOf(panel))
            postEvent({EventKind::Control, number, EVENT_CHANGED});
    });
    return adoptControl(number, panel);
}

int insertTabItem(int panel, int index, const QString& text) {
    QTabWidget* tabs = findPanel(panel);
    if (!tabs) return -1;
    QSignalBlocker quiet(tabs);
    auto* page = new QWidget;
    if (index < 0 || index > tabs->count()) index = tabs->count();
    index = tabs->insertTab(index, page, shownText(text));
    if (!containerBeforeFilling) containerBeforeFilling = placementContainer();
    setPlacementContainer(page);
    return index;
}

void removeTabItem(int panel, int index) {
    QTabWidget* tabs = findPanel(panel);
    if (!tabs || index < 0 || index >= tabs->count()) return;
    QSignalBlocker quiet(tabs);
    QWidget* page = tabs->widget(index);
    tabs->removeTab(index);
    // The page's controls leave the registry, and their queued events, as they are deleted.
    delete page;
}

void endTabPanelFilling() {
    if (containerBeforeFilling) setPlacementContainer(containerBeforeFilling);
    containerBeforeFilling = nullptr;
}

int tabCount(int panel) {
    QTabWidget* tabs = findPanel(panel);
    return tabs ? tabs->count() : 0;
}

int selectedTab(int panel) {
    QTabWidget* tabs = findPanel(panel);
    return tabs ? tabs->currentIndex() : -1;
}

void selectTab(int panel, int index) {
    QTabWidget* tabs = findPanel(panel);
    if (!tabs) return;
    QSignalBlocker quiet(tabs);
    tabs->setCurrentIndex(index);
}

void setTabText(int panel, int index, const QString& text) {
    if (QTabWidget* tabs = findPanel(panel); tabs && tabs->tabText(index) != shownText(text))
        tabs->setTabText(index, shownText(text));
}

QString tabText(int panel, int index) {
    QTabWidget* tabs = findPanel(panel);
    return tabs ? plainText(tabs->tabText(index)) : QString();
}

} // namespace platform

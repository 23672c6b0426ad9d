#include "browser/tabs.h"

#include "browser/layout.h"
#include "platform/controls.h"
#include "platform/tab_panel.h"
#include "webview/web_view.h"

int currentView(const MainWindowControls& controls) {
    return WEB_VIEW_BASE + platform::selectedTab(controls.tabPanel);
}

void addTab(const MainWindowControls& controls, const QString& address) {
    // The panel holds the page tabs and, last, the add-tab item.
    const int index = platform::tabCount(controls.tabPanel) - 1;
    if (index < 0) return;
    platform::insertTabItem(controls.tabPanel, index,
                            QStringLiteral("Nouvel Onglet n°") + QString::number(index));
    createWebView(WEB_VIEW_BASE + index, 10, 10, 1060, 478, address);
    platform::selectTab(controls.tabPanel, index);
    setContextMenuBlocked(currentView(controls), true);
    platform::endTabPanelFilling();
    layoutMainWindow(controls);
}

void closeCurrentTab(const MainWindowControls& controls) {
    const int closed = platform::selectedTab(controls.tabPanel);
    const int pageTabs = platform::tabCount(controls.tabPanel) - 1;
    if (closed < 0 || closed >= pageTabs) return;
    // The page goes with every control in it: its view, and the split view when it shows there.
    platform::removeTabItem(controls.tabPanel, closed);
    for (int i = closed + 1; i < pageTabs; ++i)
        platform::renumberControl(WEB_VIEW_BASE + i, WEB_VIEW_BASE + i - 1);
    // With no page tab left the add-tab item is selected, and the next pass opens a new tab.
    platform::selectTab(controls.tabPanel, 0);
}

#include "browser/tabs.h"

#include "browser/layout.h"
#include "platform/tab_panel.h"
#include "webview/web_view.h"

int currentView(const MainWindowControls& controls) {
    return WEB_VIEW_BASE + platform::selectedTab(controls.tabPanel);
}

void addTab(const MainWindowControls& controls, const QString& address) {
    // The panel holds the page tabs and, last, the add-tab item.
    int index = platform::tabCount(controls.tabPanel) - 1;
    if (index < 0) return;
    platform::insertTabItem(controls.tabPanel, index, QStringLiteral("Nouvel Onglet n°") + QString::number(index));
    createWebView(WEB_VIEW_BASE + index, 10, 10, 1060, 478, address);
    platform::selectTab(controls.tabPanel, index);
    setContextMenuBlocked(currentView(controls), true);
    platform::endTabPanelFilling();
    layoutMainWindow(controls);
}

#include "browser/layout.h"

#include "platform/controls.h"
#include "platform/status_bar.h"
#include "platform/tab_panel.h"
#include "platform/windows.h"

void layoutMainWindow(const MainWindowControls& c) {
    const int w = platform::clientWidth(c.window);
    const int h = platform::clientHeight(c.window);
    const int s = platform::statusBarHeight(MAIN_STATUS_BAR);
    platform::moveControl(c.addressField, 190, 20, w - 460, 25);
    platform::moveControl(c.loadProgressBar, 0, 0, w, 10);
    platform::moveControl(c.searchButton, w - 260, 20, 90, 25);
    platform::moveControl(c.refreshButton, w - 160, 20, 80, 25);
    platform::moveControl(c.externalBrowserButton, w - 40, 20, 32, 32);
    platform::moveControl(c.offlineSaveImage, w - 75, 20, 30, 30);
    const int pageTabs = platform::tabCount(c.tabPanel) - 1;
    for (int i = 0; i < pageTabs; ++i) {
        // The first view may sit in the split view, which then takes its place in the page.
        const bool split = i == 0 && platform::controlExists(SPLIT_VIEW);
        platform::moveControl(split ? SPLIT_VIEW : WEB_VIEW_BASE + i, 1, 10, w - 45, h - s - 105);
    }
    platform::moveControl(c.tabPanel, 10, 60, w - 20, h - s - 65);
}

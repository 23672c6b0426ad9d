#include "browser/split_view.h"

#include "platform/controls.h"
#include "platform/splitter.h"
#include "platform/status_bar.h"
#include "platform/tab_panel.h"
#include "platform/windows.h"
#include "webview/web_view.h"

inline constexpr int SPLIT_BAR_WIDTH = 7;

void openSplitView(const MainWindowControls& controls) {
    if (!platform::controlExists(SPLIT_VIEW) && isWebView(WEB_VIEW_BASE)) {
        const int w = platform::clientWidth(controls.window);
        const int h = platform::clientHeight(controls.window);
        const int s = platform::statusBarHeight(MAIN_STATUS_BAR);
        platform::useWindowForNewControls(controls.window);
        const int right =
            createWebView(platform::NEW_NUMBER, w / 2 - 10, 60, w / 2 - 10, h - s - 65, START_PAGE);
        // The split takes the first view's place in its tab page, so the tab strip stays usable
        // and every other tab keeps showing its own page.
        const platform::Rect first = platform::controlRect(WEB_VIEW_BASE);
        platform::createSplitter(SPLIT_VIEW, first.x, first.y, first.width, first.height,
                                 WEB_VIEW_BASE, right, SPLIT_BAR_WIDTH);
    }
    platform::selectTab(controls.tabPanel, 0);
}

// What the user sees right after start-up: the window, its controls, menus, status bar, tray
// icon and tabs, as they are built before the first pass of the main loop.

#include "app/browser_state.h"
#include "platform/controls.h"
#include "platform/fonts.h"
#include "platform/menus.h"
#include "platform/status_bar.h"
#include "platform/tab_panel.h"
#include "platform/tray_icon.h"
#include "platform/windows.h"
#include "support/browser_session.h"
#include "webview/web_view.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

int rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}

TEST(StartUp, BuildsTheMainWindowAsDescribed) {
    BrowserSession session;
    const MainWindowControls& c = mainWindow;

    EXPECT_EQ(platform::windowTitle(c.window), "Orvelia - Tiny Powerful Web Browser");
    EXPECT_TRUE(platform::windowVisible(c.window));
    const int flags = platform::windowFlags(c.window);
    for (int flag :
         {platform::WINDOW_TITLE_BAR, platform::WINDOW_SYSTEM_MENU, platform::WINDOW_MINIMISE_BOX,
          platform::WINDOW_MAXIMISE_BOX, platform::WINDOW_SIZABLE, platform::WINDOW_MAXIMISED,
          platform::WINDOW_CENTRED})
        EXPECT_TRUE(flags & flag) << flag;
    // First start in an empty folder: the default settings paint the background.
    EXPECT_EQ(platform::windowColour(c.window), rgb(63, 105, 152));

    struct Expected {
        const char* name;
        int control;
        platform::Rect rect;
        const char* text;
        const char* toolTip;
    };
    const Expected table[] = {
        {"back", c.backButton, {10, 20, 80, 25}, "Précédent", "Revient a la page web précédente"},
        {"forward", c.forwardButton, {100, 20, 80, 25}, "Suivant", "Va a la page web suivante"},
        {"address", c.addressField, {190, 20, 810, 25}, "Orvelia", "Recherche"},
        {"progress", c.loadProgressBar, {0, 0, 1270, 10}, "", ""},
        {"search",
         c.searchButton,
         {1010, 20, 100, 25},
         "Rechercher",
         "Rechercher sur Google le texte écrit dans la barre ci contre. L'autodétection d'URLs "
         "est supportée Vous devez pour cela commencer par 'www' si vous voulez afficher "
         "directement une page."},
        {"refresh",
         c.refreshButton,
         {1120, 20, 75, 25},
         "Actualiser",
         "Recharge la page web dans le navigateur."},
        {"offline", c.offlineSaveImage, {1205, 20, 25, 25}, "", ""},
        {"external",
         c.externalBrowserButton,
         {1230, 20, 30, 30},
         "",
         "Charge la page dans un navigateur externe."},
        {"tabs", c.tabPanel, {10, 50, 1080, 520}, "", ""},
    };
    for (const Expected& e : table) {
        SCOPED_TRACE(e.name);
        ASSERT_TRUE(platform::controlExists(e.control));
        EXPECT_GE(e.control, 1 << 20) << "assigned numbers stay clear of fixed ones";
        EXPECT_EQ(platform::controlRect(e.control), e.rect);
        EXPECT_EQ(platform::controlText(e.control), QString::fromUtf8(e.text));
        EXPECT_EQ(platform::controlToolTip(e.control), QString::fromUtf8(e.toolTip));
    }
    EXPECT_EQ(platform::controlFrontColour(c.addressField), rgb(0, 255, 64));
    EXPECT_EQ(platform::controlBackColour(c.addressField), rgb(0, 128, 128));
    EXPECT_EQ(platform::controlFont(c.addressField), ADDRESS_FONT);
    EXPECT_EQ(platform::findFont(ADDRESS_FONT)->pointSize(), 15);
    EXPECT_EQ(platform::findFont(TITLE_FONT)->pointSize(), 16);
    EXPECT_TRUE(platform::findFont(TITLE_FONT)->bold());
    EXPECT_EQ(platform::controlFrontColour(c.loadProgressBar), rgb(0, 255, 0));
    EXPECT_EQ(platform::controlBackColour(c.loadProgressBar), rgb(63, 82, 116));
    EXPECT_EQ(platform::controlValue(c.loadProgressBar), 0);

    EXPECT_EQ(platform::tabCount(c.tabPanel), 2);
    EXPECT_EQ(platform::tabText(c.tabPanel, 0), "Tab 1");
    EXPECT_EQ(platform::tabText(c.tabPanel, 1), "   +");
    EXPECT_EQ(platform::selectedTab(c.tabPanel), 0);
    EXPECT_TRUE(isWebView(WEB_VIEW_BASE));
    EXPECT_EQ(platform::controlRect(WEB_VIEW_BASE), (platform::Rect{10, 10, 1060, 478}));

    EXPECT_EQ(platform::statusFieldWidth(MAIN_STATUS_BAR, 0), 635);
    EXPECT_EQ(platform::statusFieldWidth(MAIN_STATUS_BAR, 1), 535);
    EXPECT_EQ(platform::statusFieldWidth(MAIN_STATUS_BAR, 2), 100);
    EXPECT_EQ(platform::statusText(MAIN_STATUS_BAR, 0), "Label");
    EXPECT_EQ(platform::statusText(MAIN_STATUS_BAR, 1), "");
    EXPECT_GT(platform::statusBarHeight(MAIN_STATUS_BAR), 0);

    EXPECT_TRUE(platform::trayIconExists(TRAY_ICON));
    EXPECT_EQ(platform::trayIconToolTip(TRAY_ICON), "Orvelia");
    EXPECT_TRUE(QFile::exists(session.path("settings.con")));
}

TEST(StartUp, BuildsBothMenus) {
    BrowserSession session;
    EXPECT_EQ(platform::menuItemTexts(PAGE_MENU),
              QStringList({"Précédent", "Suivant", "Fermer cet onglet", "Ouvrir un nouvel onglet",
                           "Ouvrir une nouvelle fenêtre de navigation", "-", "Enregistrer",
                           "Enregistrer Sous", "-", "Afficher le code source de la page",
                           "Ouvrir la page dans un navigateur externe"}));
    EXPECT_EQ(platform::menuItemCommands(PAGE_MENU),
              QList<int>({32, 33, 43, 42, 34, 0, 35, 36, 0, 37, 38}));
    EXPECT_EQ(platform::menuTitles(MAIN_MENU_BAR), QStringList({"Fichier", "Affichage"}));
    EXPECT_EQ(platform::menuItemTexts(MAIN_MENU_BAR, 0),
              QStringList({"Nouvel onglet", "Nouvelle Fenêtre", "Nouvelle Fenêtre de navigation",
                           "Ouvrir", "Options", "Redémarrer le navigateur", "Quitter"}));
    EXPECT_EQ(platform::menuItemCommands(MAIN_MENU_BAR, 0),
              QList<int>({42, 46, 26, 27, 30, 44, 28}));
    EXPECT_EQ(platform::menuItemTexts(MAIN_MENU_BAR, 1),
              QStringList({"Afficher le code source de la page", "Nouvel Element",
                           "Passer en mode lecture hors connection", "Afficher l'Historique"}));
    EXPECT_EQ(platform::menuItemCommands(MAIN_MENU_BAR, 1), QList<int>({37, 26, 40, 41}));
}

TEST(StartUp, RunsWithoutPictureFiles) {
    BrowserSession session({}, /*withPictures=*/false);
    // The buttons are there without pictures, and there is no tray icon.
    EXPECT_TRUE(platform::controlExists(mainWindow.externalBrowserButton));
    EXPECT_TRUE(platform::controlExists(mainWindow.offlineSaveImage));
    EXPECT_FALSE(platform::trayIconExists(TRAY_ICON));
    EXPECT_TRUE(session.pass());
}

} // namespace

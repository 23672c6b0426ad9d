#include "app/main_window_menus.h"

#include "browser/main_window.h"
#include "platform/menus.h"

void createPageMenu() {
    platform::createPopupMenu(PAGE_MENU);
    platform::addMenuItem(PAGE_MENU, CMD_BACK, QStringLiteral("Précédent"));
    platform::addMenuItem(PAGE_MENU, CMD_FORWARD, QStringLiteral("Suivant"));
    platform::addMenuItem(PAGE_MENU, CMD_CLOSE_TAB, QStringLiteral("Fermer cet onglet"));
    platform::addMenuItem(PAGE_MENU, CMD_NEW_TAB, QStringLiteral("Ouvrir un nouvel onglet"));
    platform::addMenuItem(PAGE_MENU, CMD_OPEN_SPLIT_VIEW,
                          QStringLiteral("Ouvrir une nouvelle fenêtre de navigation"));
    platform::addMenuSeparator(PAGE_MENU);
    platform::addMenuItem(PAGE_MENU, CMD_SAVE, QStringLiteral("Enregistrer"));
    platform::addMenuItem(PAGE_MENU, CMD_SAVE_AS, QStringLiteral("Enregistrer Sous"));
    platform::addMenuSeparator(PAGE_MENU);
    platform::addMenuItem(PAGE_MENU, CMD_SHOW_SOURCE,
                          QStringLiteral("Afficher le code source de la page"));
    platform::addMenuItem(PAGE_MENU, CMD_OPEN_EXTERNAL,
                          QStringLiteral("Ouvrir la page dans un navigateur externe"));
}

void createMainMenuBar(int window) {
    platform::createMenuBar(MAIN_MENU_BAR, window);
    platform::addMenuTitle(MAIN_MENU_BAR, QStringLiteral("Fichier"));
    platform::addMenuItem(MAIN_MENU_BAR, CMD_NEW_TAB, QStringLiteral("Nouvel onglet"));
    platform::addMenuItem(MAIN_MENU_BAR, CMD_NEW_WINDOW, QStringLiteral("Nouvelle Fenêtre"));
    platform::addMenuItem(MAIN_MENU_BAR, CMD_NEW_SPLIT_WINDOW,
                          QStringLiteral("Nouvelle Fenêtre de navigation"));
    platform::addMenuItem(MAIN_MENU_BAR, CMD_OPEN_FILE, QStringLiteral("Ouvrir"));
    platform::addMenuItem(MAIN_MENU_BAR, CMD_OPTIONS, QStringLiteral("Options"));
    platform::addMenuItem(MAIN_MENU_BAR, CMD_RESTART, QStringLiteral("Redémarrer le navigateur"));
    platform::addMenuItem(MAIN_MENU_BAR, CMD_QUIT, QStringLiteral("Quitter"));
    platform::addMenuTitle(MAIN_MENU_BAR, QStringLiteral("Affichage"));
    platform::addMenuItem(MAIN_MENU_BAR, CMD_SHOW_SOURCE,
                          QStringLiteral("Afficher le code source de la page"));
    platform::addMenuItem(MAIN_MENU_BAR, CMD_NEW_SPLIT_WINDOW, QStringLiteral("Nouvel Element"));
    platform::addMenuItem(MAIN_MENU_BAR, CMD_OFFLINE_READING,
                          QStringLiteral("Passer en mode lecture hors connection"));
    platform::addMenuItem(MAIN_MENU_BAR, CMD_SHOW_HISTORY, QStringLiteral("Afficher l'Historique"));
}

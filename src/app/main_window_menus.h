#pragma once

// The page menu shown on a right-click in a page, and the main window's menu bar. Both carry the
// same command numbers; a command does the same in either.

enum MenuCommand {
    CMD_NEW_SPLIT_WINDOW = 26,
    CMD_OPEN_FILE = 27,
    CMD_QUIT = 28,
    CMD_OPTIONS = 30,
    CMD_BACK = 32,
    CMD_FORWARD = 33,
    CMD_OPEN_SPLIT_VIEW = 34,
    CMD_SAVE = 35,
    CMD_SAVE_AS = 36,
    CMD_SHOW_SOURCE = 37,
    CMD_OPEN_EXTERNAL = 38,
    CMD_OFFLINE_READING = 40,
    CMD_SHOW_HISTORY = 41,
    CMD_NEW_TAB = 42,
    CMD_CLOSE_TAB = 43,
    CMD_RESTART = 44,
    CMD_NEW_WINDOW = 46,
};

void createPageMenu();
void createMainMenuBar(int window);

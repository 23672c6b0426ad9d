#pragma once

// A web view: a child control that shows pages through the embedded web engine. Every operation
// takes the view's control number; on a number that names no web view it does nothing and reads
// give zero or empty text.

#include <QString>

// Control event types a web view posts under its number.
inline constexpr int VIEW_TITLE_CHANGED = 1;
inline constexpr int VIEW_STATUS_TEXT = 2;
inline constexpr int VIEW_DOWNLOAD_BEGAN = 4;
inline constexpr int VIEW_PROGRESS = 5;
inline constexpr int VIEW_DOWNLOAD_COMPLETE = 6;
inline constexpr int VIEW_MENU_REQUESTED = 7; // right-click while the engine's menu is blocked

// Makes a view in the container that receives new controls and starts loading the address
// (when not empty). platform::NEW_NUMBER asks for an assigned number. Returns the view's number.
int createWebView(int number, int x, int y, int width, int height, const QString& address);
bool isWebView(int control);
// Starts loading the text as it is and returns at once; an empty text does nothing. A text
// without a scheme is taken as an http address.
void navigate(int view, const QString& text);
// The full address; "about:blank" before the first page.
QString currentAddress(int view);
void goBack(int view);
void goForward(int view);
void reload(int view);
// The document's title; empty when it has none.
QString pageTitle(int view);
// The document as the engine serialises it; empty on failure or after a deadline.
QString pageSource(int view);
// True from the moment a load starts until it has finished.
bool isBusy(int view);
// 0 <= loadProgress <= loadProgressMax at all times; equal after a finished load.
int loadProgress(int view);
int loadProgressMax(int view);
// From then on a right-click opens no engine menu and posts VIEW_MENU_REQUESTED.
void setContextMenuBlocked(int view, bool blocked);

#pragma once

// What the toolbar and the navigation commands do to the current view.

#include "browser/main_window.h"

#include <QString>

// A search: the typed text follows the last "=".
inline const QString SEARCH_PREFIX =
    QStringLiteral("https://www.google.fr/?gws_rd=ssl#newwindow=1&q=");

// The program "Nouvelle Fenêtre" and "Redémarrer le navigateur" start: this program's own
// executable, so the new copy is the same build wherever it was installed.
QString INSTALLED_EXECUTABLE_PATH();

// Letters, digits and ! # $ & ' ( ) * + , - . / : ; = ? @ _ ~ stay; any other character up to
// code 255 becomes "%" and its code in two upper-case hex digits; anything above becomes "?".
QString percentEncode(const QString& text);
// The address loaded for a text typed in the address field: "www..." as an http address,
// "http://..." and "https://..." as they are (both percent-encoded), anything else searched for.
QString addressForTypedText(const QString& text);

void goToTypedText(const MainWindowControls& controls);
// Asks for a local file and loads it; a cancelled choice loads "file://" alone.
void openLocalFile(const MainWindowControls& controls);
// Hands the current address to the desktop's default handler for its scheme. It never runs a
// program: addresses of local programs and launchers are not handed over.
void openInExternalBrowser(const MainWindowControls& controls);
// Starts a new copy of the browser in the same working folder, without arguments.
void startInstalledCopy();

#include "browser/navigation.h"

#include "platform/application.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/processes.h"
#include "webview/web_view.h"

#include <QUrl>

QString INSTALLED_EXECUTABLE_PATH() {
    return platform::executablePath();
}

QString percentEncode(const QString& text) {
    static const QString kept = QStringLiteral("!#$&'()*+,-./:;=?@_~");
    QString encoded;
    encoded.reserve(text.size() * 3);
    for (QChar c : text) {
        const char16_t code = c.unicode();
        const bool letterOrDigit = (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') ||
                                   (code >= '0' && code <= '9');
        if (letterOrDigit || kept.contains(c))
            encoded += c;
        else if (code <= 255)
            encoded +=
                QLatin1Char('%') + QString::number(code, 16).toUpper().rightJustified(2, '0');
        else
            encoded += QLatin1Char('?');
    }
    return encoded;
}

QString addressForTypedText(const QString& text) {
    if (text.startsWith(QLatin1String("www")))
        return percentEncode(QStringLiteral("http://") + text);
    if (text.startsWith(QLatin1String("http://")) || text.startsWith(QLatin1String("https://")))
        return percentEncode(text);
    return SEARCH_PREFIX + text;
}

void goToTypedText(const MainWindowControls& controls) {
    navigate(currentView(controls),
             addressForTypedText(platform::controlText(controls.addressField)));
}

void openLocalFile(const MainWindowControls& controls) {
    const QString path = platform::openFileDialog(
        QStringLiteral("Ouvrir "), QStringLiteral("Pages Web | *.htm;*html;*php;*css | Tous les "
                                                  "fichiers | *.*"));
    navigate(currentView(controls), QStringLiteral("file://") + path);
}

void openInExternalBrowser(const MainWindowControls& controls) {
    const QUrl address(currentAddress(currentView(controls)));
    const QString scheme = address.scheme().toLower();
    // A page can send itself to any address; handing a local program to the desktop would run it.
    const bool web = scheme == QLatin1String("http") || scheme == QLatin1String("https");
    const bool document =
        scheme == QLatin1String("file") && !platform::isRunnableFile(address.toLocalFile());
    if (web || document) platform::openWithDesktop(address.toString());
}

void startInstalledCopy() {
    platform::startProgram(INSTALLED_EXECUTABLE_PATH(), {}, platform::workingFolder());
}

#include "webview/engine_profile.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineProfile>

namespace webview {

QWebEngineProfile* sharedProfile() {
    // A profile made with a storage name is persistent; the default profile of Qt 6 is not.
    static QPointer<QWebEngineProfile> profile;
    if (!profile)
        profile = new QWebEngineProfile(QStringLiteral("Default"), QCoreApplication::instance());
    return profile;
}

} // namespace webview

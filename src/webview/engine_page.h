#pragma once

// The page behind a web view. A page's request for a new window (a link with target="_blank",
// window.open) is loaded in the same view instead, so it is never lost; pages' console messages
// are dropped, as the browser logs nothing.

#include <QWebEnginePage>

namespace webview {

class EnginePage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit EnginePage(QObject* parent);

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString&, int,
                                  const QString&) override {}
};

} // namespace webview

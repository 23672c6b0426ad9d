#pragma once

// The page behind a web view: a page's request for a new window (a link with target="_blank",
// window.open) is loaded in the same view instead, so it is never lost.

#include <QWebEnginePage>

namespace webview {

class EnginePage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit EnginePage(QObject* parent);
};

} // namespace webview

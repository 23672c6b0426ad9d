#pragma once

// The widget behind a web view control. It keeps the view's load state and turns the engine's
// notifications into control events under the view's number.

#include <QTimer>
#include <QWebEngineView>

namespace webview {

class EngineView : public QWebEngineView {
    Q_OBJECT
public:
    explicit EngineView(QWidget* parent = nullptr);
    ~EngineView() override;

    // Starts loading the address. The view counts as busy from here, not only from the engine's
    // report that the load started, which comes a moment later.
    void startLoad(const QUrl& address);
    bool isBusy() const { return busy_ || requested_; }
    int loadProgress() const { return progress_; }
    int loadProgressMax() const { return progressMax_; }
    void setContextMenuBlocked(bool blocked);

private:
    void post(int type);
    void onLoadStarted();
    void onLoadProgress(int percent);
    void onLoadFinished();

    // Ends the wait for a load that never starts (an address the engine refuses).
    QTimer requestTimeout_;

    bool downloading_ = false;
    // A load was asked for and the engine has not reported it started yet.
    bool requested_ = false;
    bool busy_ = false;
    int progress_ = 0;
    int progressMax_ = 0;
};

} // namespace webview

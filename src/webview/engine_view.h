#pragma once

// The widget behind a web view control. It keeps the view's load state and turns the engine's
// notifications into control events under the view's number.

#include <QWebEngineView>

namespace webview {

class EngineView : public QWebEngineView {
    Q_OBJECT
  public:
    explicit EngineView(QWidget* parent = nullptr);
    ~EngineView() override;

    // The control number events are posted under.
    void setNumber(int number) { number_ = number; }
    int number() const { return number_; }

    bool isBusy() const { return busy_; }
    int loadProgress() const { return progress_; }
    int loadProgressMax() const { return progressMax_; }
    void setContextMenuBlocked(bool blocked);

  private:
    void post(int type);
    void onLoadStarted();
    void onLoadProgress(int percent);
    void onLoadFinished();

    int number_ = 0;
    bool downloading_ = false;
    bool busy_ = false;
    int progress_ = 0;
    int progressMax_ = 0;
};

} // namespace webview

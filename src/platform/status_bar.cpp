#include "platform/status_bar.h"

#include "platform/objects.h"
#include "platform/top_window.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>

namespace platform {
namespace {

class StatusBar : public QFrame {
public:
    explicit StatusBar(QWidget* parent) : QFrame(parent) {
        // The system's colours, not the window background the client area was painted with.
        QPalette system = QApplication::palette();
        system.setColor(QPalette::Window, system.color(QPalette::Window));
        setPalette(system);
        setAutoFillBackground(true);
        auto* row = new QHBoxLayout(this);
        row->setContentsMargins(0, 1, 0, 1);
        row->setSpacing(0);
        row->addStretch(1);
    }
    QLabel* field(int index) const {
        return index >= 0 && index < int(fields.size()) ? fields[index] : nullptr;
    }
    void addField(int width) {
        auto* label = new QLabel(this);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setFixedWidth(width);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
        // A long text must not widen the field.
        label->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        label->setMinimumWidth(width);
        auto* row = static_cast<QHBoxLayout*>(layout());
        row->insertWidget(row->count() - 1, label);
        fields.push_back(label);
    }
    std::vector<QLabel*> fields;
};

StatusBar* findBar(int bar) {
    return static_cast<StatusBar*>(statusBars().get<QFrame>(bar));
}

} // namespace

int createStatusBar(int number, int window) {
    TopWindow* top = findWindow(window);
    if (!top) return 0;
    auto* bar = new StatusBar(top->client());
    number = statusBars().put(number, bar);
    top->client()->setStatusBar(bar);
    bar->show();
    return number;
}

void addStatusField(int bar, int width) {
    if (StatusBar* status = findBar(bar)) {
        status->addField(width);
        if (auto* client = qobject_cast<ClientArea*>(status->parentWidget()))
            client->placeStatusBar();
    }
}

void setStatusText(int bar, int field, const QString& text) {
    StatusBar* status = findBar(bar);
    QLabel* label = status ? status->field(field) : nullptr;
    if (label && label->text() != text) label->setText(text);
}

QString statusText(int bar, int field) {
    StatusBar* status = findBar(bar);
    QLabel* label = status ? status->field(field) : nullptr;
    return label ? label->text() : QString();
}

int statusFieldWidth(int bar, int field) {
    StatusBar* status = findBar(bar);
    QLabel* label = status ? status->field(field) : nullptr;
    return label ? label->width() : 0;
}

int statusBarHeight(int bar) {
    StatusBar* status = findBar(bar);
    return status ? status->height() : 0;
}

void freeStatusBar(int bar) {
    statusBars().destroy(bar);
}

void freeAllStatusBars() {
    statusBars().destroyAll();
}

} // namespace platform

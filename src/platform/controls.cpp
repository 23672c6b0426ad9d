#include "platform/controls.h"

#include "platform/events.h"
#include "platform/fonts.h"
#include "platform/objects.h"
#include "platform/picture_registry.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>

namespace platform {
namespace {

const char* const FRONT_COLOUR = "orveliaFrontColour";
const char* const BACK_COLOUR = "orveliaBackColour";
const char* const FONT_NUMBER = "orveliaFont";

QColor toQColor(int colour) {
    return QColor(colour & 255, (colour >> 8) & 255, (colour >> 16) & 255);
}

void postControlEvent(const QWidget* widget, int type) {
    if (int number = controls().numberOf(widget)) postEvent({EventKind::Control, number, type});
}

QPixmap pixmapOf(int image) {
    const QImage* picture = findImage(image);
    return picture ? QPixmap::fromImage(*picture) : QPixmap();
}

// A picture that reports the mouse buttons pressed on it.
class PictureControl : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) postControlEvent(this, CLICK_LEFT);
        if (event->button() == Qt::RightButton) postControlEvent(this, CLICK_RIGHT);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) postControlEvent(this, CLICK_LEFT_DOUBLE);
        if (event->button() == Qt::RightButton) postControlEvent(this, CLICK_RIGHT_DOUBLE);
    }
};

} // namespace

int createButton(int number, int x, int y, int width, int height, const QString& text) {
    auto* button = new QPushButton(text);
    QObject::connect(button, &QPushButton::clicked, button,
                     [button] { postControlEvent(button, EVENT_CHANGED); });
    return adoptControlAt(number, button, x, y, width, height);
}

int createImageButton(int number, int x, int y, int width, int height, int image) {
    auto* button = new QPushButton;
    QPixmap picture = pixmapOf(image);
    if (!picture.isNull()) {
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.size().boundedTo(QSize(width - 4, height - 4)));
    }
    QObject::connect(button, &QPushButton::clicked, button,
                     [button] { postControlEvent(button, EVENT_CHANGED); });
    return adoptControlAt(number, button, x, y, width, height);
}

int createImageControl(int number, int x, int y, int width, int height, int image,
                       bool raisedBorder) {
    auto* picture = new PictureControl;
    if (raisedBorder) {
        picture->setFrameStyle(QFrame::Panel | QFrame::Raised);
        picture->setLineWidth(1);
    }
    picture->setPixmap(pixmapOf(image));
    picture->setScaledContents(true);
    return adoptControlAt(number, picture, x, y, width, height);
}

int createTextField(int number, int x, int y, int width, int height, const QString& text) {
    auto* field = new QLineEdit(text);
    field->setFrame(true);
    QObject::connect(field, &QLineEdit::textEdited, field,
                     [field] { postControlEvent(field, EVENT_CHANGED); });
    return adoptControlAt(number, field, x, y, width, height);
}

int createProgressBar(int number, int x, int y, int width, int height, int minimum, int maximum) {
    auto* bar = new QProgressBar;
    bar->setRange(minimum, maximum);
    bar->setValue(minimum);
    bar->setTextVisible(false);
    return adoptControlAt(number, bar, x, y, width, height);
}

void freeControl(int control) {
    controls().destroy(control);
}

void renumberControl(int from, int to) {
    controls().renumber(from, to);
}

void freeAllControls() {
    controls().destroyAll();
}

bool controlExists(int control) {
    return controlWidget(control) != nullptr;
}

void moveControl(int control, int x, int y, int width, int height) {
    if (QWidget* widget = controlWidget(control)) placeWidget(widget, x, y, width, height);
}

Rect controlRect(int control) {
    QWidget* widget = controlWidget(control);
    if (!widget) return {};
    QRect r = widget->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

bool controlVisible(int control) {
    QWidget* widget = controlWidget(control);
    return widget && widget->isVisible();
}

void setControlText(int control, const QString& text) {
    QWidget* widget = controlWidget(control);
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        field->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(widget))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(widget))
        label->setText(text);
}

QString controlText(int control) {
    QWidget* widget = controlWidget(control);
    if (auto* field = qobject_cast<QLineEdit*>(widget)) return field->text();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    return {};
}

void setControlToolTip(int control, const QString& text) {
    if (QWidget* widget = controlWidget(control)) widget->setToolTip(text);
}

QString controlToolTip(int control) {
    QWidget* widget = controlWidget(control);
    return widget ? widget->toolTip() : QString();
}

void setControlValue(int control, int value) {
    if (auto* bar = qobject_cast<QProgressBar*>(controlWidget(control))) bar->setValue(value);
}

int controlValue(int control) {
    auto* bar = qobject_cast<QProgressBar*>(controlWidget(control));
    return bar ? bar->value() : 0;
}

void setControlColours(int control, int front, int back) {
    QWidget* widget = controlWidget(control);
    if (!widget) return;
    widget->setProperty(FRONT_COLOUR, front);
    widget->setProperty(BACK_COLOUR, back);
    QPalette palette = widget->palette();
    if (qobject_cast<QProgressBar*>(widget)) {
        palette.setColor(QPalette::Highlight, toQColor(front));
        palette.setColor(QPalette::Base, toQColor(back));
        palette.setColor(QPalette::Window, toQColor(back));
    } else {
        palette.setColor(QPalette::Text, toQColor(front));
        palette.setColor(QPalette::WindowText, toQColor(front));
        palette.setColor(QPalette::Base, toQColor(back));
        palette.setColor(QPalette::Window, toQColor(back));
    }
    widget->setPalette(palette);
}

int controlFrontColour(int control) {
    QWidget* widget = controlWidget(control);
    return widget ? widget->property(FRONT_COLOUR).toInt() : 0;
}

int controlBackColour(int control) {
    QWidget* widget = controlWidget(control);
    return widget ? widget->property(BACK_COLOUR).toInt() : 0;
}

void setControlFont(int control, int font) {
    QWidget* widget = controlWidget(control);
    const QFont* face = findFont(font);
    if (!widget || !face) return;
    widget->setFont(*face);
    widget->setProperty(FONT_NUMBER, font);
}

int controlFont(int control) {
    QWidget* widget = controlWidget(control);
    return widget ? widget->property(FONT_NUMBER).toInt() : 0;
}

} // namespace platform

#include "platform/static_text.h"

#include "platform/objects.h"

#include <QLabel>

namespace platform {

int createStaticText(int number, int x, int y, int width, int height, const QString& text) {
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->setText(text);
    return adoptControlAt(number, label, x, y, width, height);
}

} // namespace platform

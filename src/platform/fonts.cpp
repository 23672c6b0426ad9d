#include "platform/fonts.h"

#include "platform/objects.h"

namespace platform {
namespace {
ValueRegistry<QFont>& fonts() {
    static ValueRegistry<QFont> registry;
    return registry;
}
} // namespace

int loadFont(int number, const QString& face, int points, bool bold) {
    // The toolkit turns points into pixels with the screen's vertical resolution.
    QFont font(face, points, bold ? QFont::Bold : QFont::Normal);
    return fonts().put(number, font);
}

void freeFont(int font) {
    fonts().erase(font);
}

void freeAllFonts() {
    fonts().clear();
}

const QFont* findFont(int font) {
    return fonts().find(font);
}

} // namespace platform

#include "platform/pictures.h"

#include "platform/numbers.h"
#include "platform/objects.h"
#include "platform/picture_decoders.h"
#include "platform/picture_registry.h"

#include <QFile>
#include <QImageReader>

namespace platform {

namespace {

// No picture file of ours comes near this; a bigger one is not read into memory at all.
constexpr qint64 MAX_PICTURE_FILE_BYTES = 256 * 1024 * 1024;

ValueRegistry<QImage>& images() {
    static ValueRegistry<QImage> registry;
    return registry;
}

QImage readPicture(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MAX_PICTURE_FILE_BYTES) return {};
    return decodePicture(file.readAll());
}

} // namespace

void prepareImageDecoders() {
    // libpng and libjpeg need no set-up of their own; the toolkit's BMP and ICO readers are
    // plugins, found here rather than at the first picture.
    QImageReader::supportedImageFormats();
}

int loadImage(int number, const QString& path) {
    QImage image = readPicture(path);
    if (image.isNull()) {
        // The old picture goes even so: the number now names a file that failed.
        if (number != NEW_NUMBER) images().erase(number);
        return NO_OBJECT;
    }
    return images().put(number, image);
}

const QImage* findImage(int number) {
    return images().find(number);
}

bool imageExists(int image) {
    return findImage(image) != nullptr;
}

int imageWidth(int image) {
    const QImage* found = findImage(image);
    return found ? found->width() : 0;
}

int imageHeight(int image) {
    const QImage* found = findImage(image);
    return found ? found->height() : 0;
}

void freeImage(int image) {
    images().erase(image);
}

void freeAllImages() {
    images().clear();
}

} // namespace platform

#pragma once

// Pictures loaded from files under numbers. The format is told by the file's first bytes, not
// its name: PNG (libpng), JPEG (libjpeg), BMP and ICO (the toolkit's own readers).

#include "platform/numbers.h"

#include <QString>

namespace platform {

// Makes the PNG and JPEG decoders ready; loading works without it, this only does the set-up
// work early.
void prepareImageDecoders();
// Loads the file under the number (NEW_NUMBER: an assigned one) and returns the number; a
// missing or damaged file gives NO_OBJECT and no picture.
int loadImage(int number, const QString& path);
bool imageExists(int image);
int imageWidth(int image);
int imageHeight(int image);
void freeImage(int image);
void freeAllImages();

} // namespace platform

#pragma once

// Picture decoding from bytes in memory. Inside platform/ only.

#include <QByteArray>
#include <QImage>

namespace platform {

enum class PictureFormat { Unknown, Png, Jpeg, Bmp, Ico };

PictureFormat sniffPictureFormat(const QByteArray& bytes);
// A null image when the data is damaged or of no known format.
QImage decodePng(const QByteArray& bytes);
QImage decodeJpeg(const QByteArray& bytes);
QImage decodePicture(const QByteArray& bytes);

} // namespace platform

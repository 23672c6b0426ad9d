#include "platform/picture_decoders.h"

#include <QtEndian>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <jpeglib.h>
#include <png.h>

// jpeglib.h needs <cstdio> first; jerror.h names the warning codes.
#include <jerror.h>

namespace platform {

namespace {

// Pictures larger than this (4096 x 4096) are refused before any pixel memory is taken: a
// damaged header must not make us ask for gigabytes, nor push the toolkit's readers past their
// own allocation limit, where they complain aloud.
constexpr quint64 MAX_PIXELS = 16u * 1024u * 1024u;

bool startsWith(const QByteArray& bytes, const char* prefix, int length) {
    return bytes.size() >= length && std::memcmp(bytes.constData(), prefix, length) == 0;
}

bool acceptableSize(quint64 width, quint64 height) {
    return width > 0 && height > 0 && width * height <= MAX_PIXELS;
}

// --- PNG -------------------------------------------------------------------------------------

struct MemoryReader {
    const png_byte* data;
    size_t size;
    size_t offset;
};

void readFromMemory(png_structp png, png_bytep out, size_t length) {
    auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
    if (length > reader->size - reader->offset) png_error(png, "unexpected end of data");
    std::memcpy(out, reader->data + reader->offset, length);
    reader->offset += length;
}

// libpng reports through these instead of printing; an error ends the decoding by longjmp.
void onPngError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void onPngWarning(png_structp, png_const_charp) {}

// Owns the libpng structures, so that they are released however the decoding ends.
struct PngSession {
    png_structp png = nullptr;
    png_infop info = nullptr;
    ~PngSession() {
        if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
    }
};

// Asks libpng for 8-bit samples in the byte order of QImage::Format_ARGB32, whatever the file
// holds: palette, grey levels of 1 to 16 bits, a transparent colour, 16-bit channels.
void requestArgb32(png_structp png, png_infop info) {
    const int colorType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (bitDepth == 16) png_set_scale_16(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    // Opaque files get a full alpha byte; files with alpha keep theirs.
    png_set_filler(png, 0xff, PNG_FILLER_AFTER);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
    png_set_bgr(png); // ARGB32 is B, G, R, A in memory
#else
    png_set_swap_alpha(png); // A, R, G, B
#endif
}

// Everything between setjmp and a possible longjmp lives in the caller or in libpng, so the
// jump skips no destructor.
bool readPng(PngSession& session, MemoryReader& reader, QImage& image) {
    png_structp png = session.png;
    png_infop info = session.info;
    if (setjmp(png_jmpbuf(png))) return false;

    png_set_read_fn(png, &reader, readFromMemory);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    if (!acceptableSize(width, height)) return false;

    requestArgb32(png, info);
    const int passes = png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 4) return false;

    image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_ARGB32);
    if (image.isNull()) return false;
    // Interlaced files are read pass by pass into the same rows, which fills them in.
    for (int pass = 0; pass < passes; ++pass)
        for (png_uint_32 y = 0; y < height; ++y)
            png_read_row(png, image.scanLine(static_cast<int>(y)), nullptr);
    return true;
}

// --- JPEG ------------------------------------------------------------------------------------

struct JpegErrors {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    bool truncated;
};

// The library's default would print and exit the process.
void onJpegError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

void onJpegMessage(j_common_ptr info, int level) {
    auto* errors = reinterpret_cast<JpegErrors*>(info->err);
    // A file cut short is decoded by the library with grey filling the rest: count it as damage.
    if (level < 0 && errors->manager.msg_code == JWRN_JPEG_EOF) errors->truncated = true;
}

void discardJpegMessage(j_common_ptr) {}

// Owns the decompressor; destroying one that was never created (all zero) is harmless.
struct JpegSession {
    jpeg_decompress_struct info;
    JpegErrors errors;
    JpegSession() {
        std::memset(&info, 0, sizeof info);
        std::memset(&errors, 0, sizeof errors);
    }
    ~JpegSession() { jpeg_destroy_decompress(&info); }
};

QRgb cmykToRgb(const JSAMPLE* cmyk, bool inverted) {
    int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    // Adobe files store the inks inverted: the value is the share of white left.
    return qRgb(c * k / 255, m * k / 255, y * k / 255);
}

// As with PNG, nothing with a destructor is made between setjmp and the end.
bool readJpeg(JpegSession& session, const QByteArray& bytes, QImage& image) {
    jpeg_decompress_struct* info = &session.info;
    info->err = jpeg_std_error(&session.errors.manager);
    session.errors.manager.error_exit = onJpegError;
    session.errors.manager.emit_message = onJpegMessage;
    session.errors.manager.output_message = discardJpegMessage;
    if (setjmp(session.errors.jump)) return false;

    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(info, TRUE);
    const bool grey = info->jpeg_color_space == JCS_GRAYSCALE;
    const bool cmyk = info->jpeg_color_space == JCS_CMYK || info->jpeg_color_space == JCS_YCCK;
    info->out_color_space = grey ? JCS_GRAYSCALE : cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(info);
    if (!acceptableSize(info->output_width, info->output_height)) return false;

    const int width = static_cast<int>(info->output_width);
    const int height = static_cast<int>(info->output_height);
    image = QImage(width, height, grey ? QImage::Format_Grayscale8 : QImage::Format_RGB32);
    if (image.isNull()) return false;
    const int components = info->output_components;
    JSAMPLE* samples = static_cast<JSAMPLE*>((*info->mem->alloc_small)(
        reinterpret_cast<j_common_ptr>(info), JPOOL_IMAGE, static_cast<size_t>(width) * 4));
    while (info->output_scanline < info->output_height) {
        const int y = static_cast<int>(info->output_scanline);
        JSAMPROW row = grey ? image.scanLine(y) : samples;
        if (jpeg_read_scanlines(info, &row, 1) != 1) return false;
        if (grey) continue;
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const JSAMPLE* pixel = samples + x * components;
            out[x] = cmyk ? cmykToRgb(pixel, info->saw_Adobe_marker)
                          : qRgb(pixel[0], pixel[1], pixel[2]);
        }
    }
    jpeg_finish_decompress(info);
    return !session.errors.truncated;
}

// --- BMP and ICO: the toolkit's readers, shielded from headers pointing nowhere --------------

// The toolkit's BMP reader seeks to the offsets the header names and asks for the memory its
// size needs, complaining aloud when either is out of bounds: such files are refused first.
bool bmpHeaderFits(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint64 size = quint64(bytes.size());
    if (size < 26) return false;
    const quint64 pixelsAt = qFromLittleEndian<quint32>(data + 10);
    const quint64 infoSize = qFromLittleEndian<quint32>(data + 14);
    if (pixelsAt > size || 14 + infoSize > size) return false;
    // Headers of 12 bytes hold 16-bit sizes; all later ones 32-bit sizes. Rows may run upwards.
    const bool oldHeader = infoSize == 12;
    const qint64 width =
        oldHeader ? qFromLittleEndian<qint16>(data + 18) : qFromLittleEndian<qint32>(data + 18);
    const qint64 height =
        oldHeader ? qFromLittleEndian<qint16>(data + 20) : qFromLittleEndian<qint32>(data + 22);
    return acceptableSize(quint64(qAbs(width)), quint64(qAbs(height)));
}

// The toolkit's icon reader seeks to wherever the directory points and complains aloud when that
// lies past the end: a directory pointing outside the file is damage, refused before reading.
bool icoDirectoryFits(const QByteArray& bytes) {
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint64 size = quint64(bytes.size());
    if (size < 6) return false;
    const quint64 count = qFromLittleEndian<quint16>(data + 4);
    const quint64 directoryEnd = 6 + 16 * count;
    if (count == 0 || directoryEnd > size) return false;
    for (quint64 i = 0; i < count; ++i) {
        const uchar* entry = data + 6 + 16 * i;
        const quint64 length = qFromLittleEndian<quint32>(entry + 8);
        const quint64 offset = qFromLittleEndian<quint32>(entry + 12);
        if (offset < directoryEnd || offset + length > size) return false;
    }
    return true;
}

} // namespace

PictureFormat sniffPictureFormat(const QByteArray& bytes) {
    if (startsWith(bytes, "\x89PNG\r\n\x1a\n", 8)) return PictureFormat::Png;
    if (startsWith(bytes, "\xff\xd8\xff", 3)) return PictureFormat::Jpeg;
    if (startsWith(bytes, "BM", 2)) return PictureFormat::Bmp;
    if (startsWith(bytes, "\x00\x00\x01\x00", 4)) return PictureFormat::Ico;
    return PictureFormat::Unknown;
}

QImage decodePng(const QByteArray& bytes) {
    if (sniffPictureFormat(bytes) != PictureFormat::Png) return {};
    PngSession session;
    session.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, onPngError, onPngWarning);
    if (!session.png) return {};
    session.info = png_create_info_struct(session.png);
    if (!session.info) return {};
    MemoryReader reader{reinterpret_cast<const png_byte*>(bytes.constData()),
                        static_cast<size_t>(bytes.size()), 0};
    QImage image;
    if (!readPng(session, reader, image)) return {};
    return image;
}

QImage decodeJpeg(const QByteArray& bytes) {
    if (sniffPictureFormat(bytes) != PictureFormat::Jpeg) return {};
    JpegSession session;
    QImage image;
    if (!readJpeg(session, bytes, image)) return {};
    // One format for every decoded JPEG, grey ones included.
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage decodePicture(const QByteArray& bytes) {
    switch (sniffPictureFormat(bytes)) {
    case PictureFormat::Png:
        return decodePng(bytes);
    case PictureFormat::Jpeg:
        return decodeJpeg(bytes);
    case PictureFormat::Bmp:
        return bmpHeaderFits(bytes) ? QImage::fromData(bytes, "BMP") : QImage();
    case PictureFormat::Ico:
        return icoDirectoryFits(bytes) ? QImage::fromData(bytes, "ICO") : QImage();
    case PictureFormat::Unknown:
        break;
    }
    return {};
}

} // namespace platform

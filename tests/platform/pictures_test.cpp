// Pictures: decoding every PNG flavour through libpng, and loading files under numbers.

#include "platform/numbers.h"
#include "platform/objects.h"
#include "platform/picture_decoders.h"
#include "platform/picture_registry.h"
#include "platform/pictures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <vector>
#include <zlib.h>

namespace {

using platform::FIRST_ASSIGNED_NUMBER;
using platform::NEW_NUMBER;
using platform::NO_OBJECT;

// --- PNG files written sample by sample, for the flavours the toolkit's writer never makes ---

enum PngColour { GREY = 0, RGB = 2, PALETTE = 3, GREY_ALPHA = 4, RGBA = 6 };

QByteArray bigEndian32(quint32 value) {
    QByteArray out(4, '\0');
    for (int i = 0; i < 4; ++i)
        out[i] = char(value >> (24 - 8 * i));
    return out;
}

QByteArray pngChunk(const char* type, const QByteArray& data) {
    QByteArray body = QByteArray(type, 4) + data;
    uLong crc = crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size()));
    return bigEndian32(quint32(data.size())) + body + bigEndian32(quint32(crc));
}

QByteArray zlibStream(const QByteArray& raw) {
    uLongf size = compressBound(uLong(raw.size()));
    QByteArray out(int(size), '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size,
             reinterpret_cast<const Bytef*>(raw.constData()), uLong(raw.size()));
    out.resize(int(size));
    return out;
}

QByteArray pngHeader(quint32 width, quint32 height, int colour, int depth, bool interlaced) {
    QByteArray data = bigEndian32(width) + bigEndian32(height);
    data += char(depth);
    data += char(colour);
    data += QByteArray(2, '\0'); // deflate, adaptive filters
    data += char(interlaced ? 1 : 0);
    return pngChunk("IHDR", data);
}

const QByteArray PNG_SIGNATURE("\x89PNG\r\n\x1a\n", 8);

struct PngRecipe {
    const char* label;
    int width, height, colour, depth;
    bool interlaced;
    QByteArray palette;      // PLTE: three bytes an entry
    QByteArray transparency; // tRNS
    std::function<std::vector<int>(int x, int y)> samples;
    std::function<QRgb(int x, int y)> expected;
};

// One filtered row (filter "none") holding the pixels at xs of row y, packed at the bit depth.
QByteArray packRow(const PngRecipe& recipe, const std::vector<int>& xs, int y) {
    QByteArray row(1, '\0');
    unsigned pending = 0;
    int pendingBits = 0;
    for (int x : xs)
        for (int sample : recipe.samples(x, y)) {
            if (recipe.depth == 16) {
                row += char(sample >> 8);
                row += char(sample);
            } else if (recipe.depth == 8) {
                row += char(sample);
            } else {
                pending = (pending << recipe.depth) | unsigned(sample);
                pendingBits += recipe.depth;
                if (pendingBits == 8) row += char(pending), pending = 0, pendingBits = 0;
            }
        }
    if (pendingBits) row += char(pending << (8 - pendingBits));
    return row;
}

QByteArray encodePng(const PngRecipe& recipe) {
    struct Pass {
        int x0, y0, dx, dy;
    };
    const std::vector<Pass> adam7 = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                     {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    const std::vector<Pass> passes = recipe.interlaced ? adam7 : std::vector<Pass>{{0, 0, 1, 1}};
    QByteArray raw;
    for (const Pass& pass : passes) {
        std::vector<int> xs;
        for (int x = pass.x0; x < recipe.width; x += pass.dx)
            xs.push_back(x);
        if (xs.empty()) continue;
        for (int y = pass.y0; y < recipe.height; y += pass.dy)
            raw += packRow(recipe, xs, y);
    }
    QByteArray png = PNG_SIGNATURE;
    png += pngHeader(recipe.width, recipe.height, recipe.colour, recipe.depth, recipe.interlaced);
    if (!recipe.palette.isEmpty()) png += pngChunk("PLTE", recipe.palette);
    if (!recipe.transparency.isEmpty()) png += pngChunk("tRNS", recipe.transparency);
    png += pngChunk("IDAT", zlibStream(raw));
    png += pngChunk("IEND", {});
    return png;
}

const QRgb PALETTE_COLOURS[] = {qRgba(255, 0, 0, 255), qRgba(0, 255, 0, 0), qRgba(0, 0, 255, 0x80),
                                qRgba(255, 255, 255, 255)};

std::vector<PngRecipe> pngRecipes() {
    // clang-format off
    return {
        {"8-bit RGBA", 4, 3, RGBA, 8, false, {}, {},
         [](int x, int y) { return std::vector<int>{x * 60, y * 100, 77, 40 + x * 50}; },
         [](int x, int y) { return qRgba(x * 60, y * 100, 77, 40 + x * 50); }},
        {"8-bit RGB, interlaced, sizes not a multiple of 8", 11, 9, RGB, 8, true, {}, {},
         [](int x, int y) { return std::vector<int>{x * 20, y * 25, (x * y) % 256}; },
         [](int x, int y) { return qRgb(x * 20, y * 25, (x * y) % 256); }},
        {"2-bit palette with transparent entries", 5, 3, PALETTE, 2, false,
         QByteArray("\xff\x00\x00\x00\xff\x00\x00\x00\xff\xff\xff\xff", 12),
         QByteArray("\xff\x00\x80", 3), // the fourth entry has none: opaque
         [](int x, int y) { return std::vector<int>{(x + y) % 4}; },
         [](int x, int y) { return PALETTE_COLOURS[(x + y) % 4]; }},
        {"1-bit grey, row ends inside a byte", 9, 2, GREY, 1, false, {}, {},
         [](int x, int y) { return std::vector<int>{(x + y) % 2}; },
         [](int x, int y) { return (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0); }},
        {"16-bit grey with a transparent level", 3, 3, GREY, 16, false, {},
         QByteArray("\x12\x12", 2),
         [](int x, int y) { return std::vector<int>{(x == 1 && y == 1 ? 0x12 : 0x40 * x) * 257}; },
         [](int x, int y) { return x == 1 && y == 1 ? qRgba(0x12, 0x12, 0x12, 0)
                                                    : qRgb(0x40 * x, 0x40 * x, 0x40 * x); }},
        {"8-bit grey with alpha", 4, 4, GREY_ALPHA, 8, false, {}, {},
         [](int x, int y) { return std::vector<int>{x * 40, 255 - y * 60}; },
         [](int x, int y) { return qRgba(x * 40, x * 40, x * 40, 255 - y * 60); }},
        {"16-bit RGB, interlaced", 6, 5, RGB, 16, true, {}, {},
         [](int x, int y) { return std::vector<int>{x * 40 * 257, y * 50 * 257, 0xffff}; },
         [](int x, int y) { return qRgb(x * 40, y * 50, 255); }},
    };
    // clang-format on
}

TEST(PngDecoding, EveryColourTypeAndDepthComesOutAsArgb32) {
    for (const PngRecipe& recipe : pngRecipes()) {
        SCOPED_TRACE(recipe.label);
        QImage image = platform::decodePng(encodePng(recipe));
        ASSERT_FALSE(image.isNull());
        ASSERT_EQ(image.size(), QSize(recipe.width, recipe.height));
        EXPECT_EQ(image.format(), QImage::Format_ARGB32);
        for (int y = 0; y < recipe.height; ++y)
            for (int x = 0; x < recipe.width; ++x)
                ASSERT_EQ(image.pixel(x, y), recipe.expected(x, y)) << "at " << x << "," << y;
    }
}

// --- bytes of the other kinds, made by the toolkit's writers ---

QByteArray saved(const QImage& image, const char* format, int quality = -1) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, quality)) << format;
    return bytes;
}

QImage filled(int width, int height, QRgb colour, QImage::Format format = QImage::Format_RGB32) {
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

QImage iconPicture() {
    QImage image = filled(32, 32, qRgba(0, 0, 0, 0), QImage::Format_ARGB32);
    for (int y = 8; y < 24; ++y)
        for (int x = 8; x < 24; ++x)
            image.setPixel(x, y, qRgba(250, 200, 20, 255));
    return image;
}

QByteArray cut(QByteArray bytes, int keep) {
    bytes.truncate(keep);
    return bytes;
}

QByteArray randomBytes() {
    std::mt19937 generator(20240611);
    QByteArray bytes(1024, '\0');
    for (char& byte : bytes)
        byte = char(generator());
    bytes[0] = 'Z'; // the start of no known format
    return bytes;
}

struct FileCase {
    const char* label;
    const char* fileName;
    bool present;
    QByteArray bytes;
    QSize size; // empty when the load must fail
    QPoint at;
    QRgb colour;
    int tolerance; // per channel, for lossy formats
};

FileCase decoded(const char* label, const char* name, const QByteArray& bytes, QSize size,
                 QPoint at, QRgb colour, int tolerance = 0) {
    return {label, name, true, bytes, size, at, colour, tolerance};
}

FileCase refused(const char* label, const char* name, const QByteArray& bytes) {
    return {label, name, true, bytes, {}, {}, 0, 0};
}

QByteArray bmpHeader(qint32 width, qint32 height) {
    QByteArray header = "BM" + QByteArray(12, '\0');
    header[10] = 54; // where the pixels start
    QByteArray info(40, '\0');
    info[0] = 40;
    std::memcpy(info.data() + 4, &width, 4); // little-endian, as the file stores it
    std::memcpy(info.data() + 8, &height, 4);
    info[12] = 1;                                // planes
    info[14] = 24;                               // bits a pixel
    return header + info + QByteArray(64, '\0'); // and a few pixels
}

std::vector<FileCase> fileCases() {
    const QRgb red = qRgb(200, 40, 40);
    QImage pngPicture = filled(16, 12, qRgba(10, 120, 230, 255), QImage::Format_ARGB32);
    pngPicture.setPixel(3, 4, qRgba(255, 255, 0, 128));
    const QByteArray png = saved(pngPicture, "PNG");
    const QByteArray jpeg = saved(filled(24, 16, red), "JPG", 95);
    const QByteArray greyJpeg =
        saved(filled(8, 8, qRgb(90, 90, 90)).convertToFormat(QImage::Format_Grayscale8), "JPG", 95);
    const QByteArray bmp = saved(filled(30, 20, qRgb(5, 160, 90)), "BMP");
    const QByteArray ico = saved(iconPicture(), "ICO");
    const QByteArray badZlib = PNG_SIGNATURE + pngHeader(8, 8, RGB, 8, false) +
                               pngChunk("IDAT", "not a zlib stream") + pngChunk("IEND", {});
    const QByteArray hugePng = PNG_SIGNATURE + pngHeader(900000, 900000, RGBA, 8, false) +
                               pngChunk("IDAT", zlibStream(QByteArray(64, '\0'))) +
                               pngChunk("IEND", {});
    QByteArray badCrc = png;
    badCrc[png.indexOf("IDAT") + 6] = char(badCrc[png.indexOf("IDAT") + 6] ^ 0x55);
    QByteArray farPixels = bmp;
    farPixels[13] = char(0x40); // pixel data offset 0x40000036
    const QByteArray icoStart("\x00\x00\x01\x00", 4);

    return {
        decoded("PNG", "index.png", png, {16, 12}, {3, 4}, qRgba(255, 255, 0, 128)),
        decoded("PNG under a BMP name", "Orvelia Logo.bmp", png, {16, 12}, {0, 0},
                qRgb(10, 120, 230)),
        decoded("JPEG under a PNG name", "lecture2.png", jpeg, {24, 16}, {12, 8}, red, 8),
        decoded("grey JPEG", "grey.jpg", greyJpeg, {8, 8}, {4, 4}, qRgb(90, 90, 90), 3),
        decoded("BMP", "Orvelia Logo.bmp", bmp, {30, 20}, {29, 19}, qRgb(5, 160, 90)),
        decoded("ICO", "OrveliaIcon.ICO", ico, {32, 32}, {16, 16}, qRgba(250, 200, 20, 255)),
        decoded("ICO keeps its transparency", "OrveliaIcon.ICO", ico, {32, 32}, {1, 1},
                qRgba(0, 0, 0, 0)),
        {"missing file", "index.png", false, {}, {}, {}, 0, 0},
        refused("empty file", "index.png", {}),
        refused("random bytes", "index.png", randomBytes()),
        refused("PNG cut in its pixel data", "index.png", cut(png, png.size() / 2)),
        refused("PNG cut right after its signature", "index.png", PNG_SIGNATURE),
        refused("PNG with a wrong pixel data checksum", "index.png", badCrc),
        refused("PNG whose pixel data is no zlib stream", "index.png", badZlib),
        refused("PNG claiming a gigantic size", "index.png", hugePng),
        refused("JPEG cut in its headers", "lecture2.png", cut(jpeg, jpeg.size() / 4)),
        // The library itself would fill the missing rows with grey and call it a picture.
        refused("JPEG cut in its pixel data", "lecture2.png",
                cut(jpeg, jpeg.indexOf("\xff\xda") + 20)),
        refused("JPEG start followed by garbage", "lecture2.png",
                QByteArray("\xff\xd8\xff\xe0", 4) + randomBytes()),
        refused("BMP start followed by garbage", "Orvelia Logo.bmp", "BM" + randomBytes()),
        refused("BMP claiming a gigantic size", "Orvelia Logo.bmp", bmpHeader(10000, 10000)),
        refused("BMP whose pixels lie past its end", "Orvelia Logo.bmp", farPixels),
        refused("ICO start followed by garbage", "OrveliaIcon.ICO", icoStart + randomBytes()),
        refused("ICO cut short", "OrveliaIcon.ICO", cut(ico, ico.size() / 2)),
    };
}

bool closeColours(QRgb actual, QRgb expected, int tolerance) {
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance &&
           qAlpha(actual) == qAlpha(expected);
}

class PictureFiles : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        platform::freeAllImages();
    }
    void TearDown() override { platform::freeAllImages(); }

    QString write(const char* name, const QByteArray& bytes) {
        QString path = folder.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        return path;
    }

    QTemporaryDir folder;
};

TEST_F(PictureFiles, LoadsByContentAndRefusesWhatItCannotDecode) {
    for (const FileCase& c : fileCases()) {
        SCOPED_TRACE(c.label);
        QString path = folder.filePath(QString::fromUtf8(c.fileName));
        QFile::remove(path);
        if (c.present) write(c.fileName, c.bytes);
        const bool loads = !c.size.isEmpty();

        EXPECT_EQ(platform::loadImage(2, path), loads ? 2 : NO_OBJECT);
        EXPECT_EQ(platform::imageExists(2), loads);
        EXPECT_EQ(platform::imageWidth(2), loads ? c.size.width() : 0);
        EXPECT_EQ(platform::imageHeight(2), loads ? c.size.height() : 0);
        if (loads) {
            QRgb colour = platform::findImage(2)->pixel(c.at);
            EXPECT_TRUE(closeColours(colour, c.colour, c.tolerance))
                << std::hex << "got " << colour << ", wanted " << c.colour;
        }

        int assigned = platform::loadImage(NEW_NUMBER, path);
        if (loads) {
            EXPECT_GE(assigned, FIRST_ASSIGNED_NUMBER);
            EXPECT_EQ(platform::imageWidth(assigned), c.size.width());
        } else {
            EXPECT_EQ(assigned, NO_OBJECT);
        }
        platform::freeAllImages();
    }
}

TEST_F(PictureFiles, LoadingUnderAUsedNumberReplacesThePicture) {
    platform::loadImage(2, write("a.png", saved(filled(16, 16, qRgb(255, 0, 0)), "PNG")));
    platform::loadImage(21, write("b.bmp", saved(filled(8, 8, qRgb(0, 0, 255)), "BMP")));

    EXPECT_EQ(platform::loadImage(2, folder.filePath("b.bmp")), 2);

    EXPECT_EQ(platform::imageWidth(2), 8);
    EXPECT_EQ(platform::findImage(2)->pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(platform::imageWidth(21), 8);
}

TEST_F(PictureFiles, AFailedLoadLeavesNothingUnderTheNumberAndTouchesNoOther) {
    const QString good = write("good.png", saved(filled(16, 16, qRgb(255, 0, 0)), "PNG"));
    const QString damaged = write("damaged.png", PNG_SIGNATURE + "garbage");
    platform::loadImage(2, good);
    platform::loadImage(21, good);
    int assigned = platform::loadImage(NEW_NUMBER, good);

    EXPECT_EQ(platform::loadImage(2, damaged), NO_OBJECT);
    EXPECT_EQ(platform::loadImage(NEW_NUMBER, folder.filePath("missing.png")), NO_OBJECT);

    EXPECT_FALSE(platform::imageExists(2));
    EXPECT_EQ(platform::findImage(2), nullptr);
    EXPECT_EQ(platform::imageWidth(2), 0);
    EXPECT_TRUE(platform::imageExists(21));
    EXPECT_TRUE(platform::imageExists(assigned));
}

TEST_F(PictureFiles, AssignedNumbersAreDistinctAndFreeingForgetsOnlyThatPicture) {
    const QString path = write("index.png", saved(filled(4, 4, qRgb(1, 2, 3)), "PNG"));
    int first = platform::loadImage(NEW_NUMBER, path);
    int second = platform::loadImage(NEW_NUMBER, path);
    EXPECT_EQ(platform::loadImage(0, path), 0); // 0 is a number like any fixed one
    EXPECT_NE(first, second);
    EXPECT_GE(std::min(first, second), FIRST_ASSIGNED_NUMBER);

    platform::freeImage(first);
    platform::freeImage(12345); // names nothing: no effect
    EXPECT_FALSE(platform::imageExists(first));
    EXPECT_TRUE(platform::imageExists(second));
    EXPECT_TRUE(platform::imageExists(0));

    platform::freeAllImages();
    EXPECT_FALSE(platform::imageExists(second));
    EXPECT_FALSE(platform::imageExists(0));
}

// The picture files shipped beside the program, in assets/ of the source tree.
TEST_F(PictureFiles, TheProgramsOwnPictureFilesDecode) {
    const QDir assets(QFileInfo(QStringLiteral(__FILE__)).absolutePath() + "/../../assets");
    platform::prepareImageDecoders();
    struct Expected {
        int number;
        const char* name;
        QSize size;
    };
    const Expected pictures[] = {{NEW_NUMBER, "index.png", {32, 32}},
                                 {2, "lecture2.png", {25, 25}},
                                 {21, "Orvelia Logo.bmp", {128, 172}},
                                 {1, "OrveliaIcon.ICO", {32, 32}}};
    for (const Expected& picture : pictures) {
        SCOPED_TRACE(picture.name);
        int number = platform::loadImage(picture.number, assets.filePath(picture.name));
        ASSERT_NE(number, NO_OBJECT);
        EXPECT_EQ(platform::findImage(number)->size(), picture.size);
    }
    // The icon's corners are see-through, so it sits on any tray.
    EXPECT_EQ(qAlpha(platform::findImage(1)->pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(platform::findImage(1)->pixel(16, 16)), 255);
}

} // namespace

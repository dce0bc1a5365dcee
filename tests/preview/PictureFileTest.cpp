#include "PictureFile.h"
#include "FileError.h"
#include "JpegDecoder.h"
#include "JpegWriter.h"
#include "PictureBytes.h"
#include "QtImageDecoder.h"
#include "RasterPicture.h"
#include "TempFiles.h"

#include <gtest/gtest.h>

#include <functional>

namespace veridi {
namespace {

using test::filledImage;

// Draws a picture stretched into (20, 60)-(180, 140) of a white 200 x 200 image: wider than
// any of the test pictures, so that only a stretched picture fills it.
QImage drawnOnPage(const Picture& picture) {
    QImage page = filledImage(200, 200, Qt::white);
    QPainter painter(&page);
    picture.draw(painter, QRectF(20, 60, 160, 80));
    painter.end();
    return page;
}

bool near(QRgb actual, QColor expected, int tolerance = 24) {
    return std::abs(qRed(actual) - expected.red()) <= tolerance &&
           std::abs(qGreen(actual) - expected.green()) <= tolerance &&
           std::abs(qBlue(actual) - expected.blue()) <= tolerance;
}

QByteArray blueJpeg() {
    return encodeJpeg(filledImage(16, 8, Qt::blue), 95);
}

struct DecodeRow {
    const char* name;
    QString fileName;
    std::function<QByteArray()> bytes;
    QColor inside; // the colour the stretched picture shows at the page's centre
};

TEST(LoadPictureFile, EveryKnownExtensionDecodesAndDrawsStretched) {
    const QImage green = filledImage(10, 20, Qt::green);
    const DecodeRow rows[] = {
        {"jpg", "p.jpg", blueJpeg, Qt::blue},
        {"jpeg in upper case", "P.JPEG", blueJpeg, Qt::blue},
        {"bmp", "p.bmp", [&] { return test::qtEncoded(green, "BMP"); }, Qt::green},
        {"bmp in mixed case", "p.Bmp", [&] { return test::qtEncoded(green, "BMP"); }, Qt::green},
        {"ico", "p.ico", [&] { return test::qtEncoded(filledImage(16, 16, Qt::green), "ICO"); }, Qt::green},
        {"tif", "p.tif", [&] { return test::qtEncoded(green, "TIFF"); }, Qt::green},
        {"tiff", "p.tiff", [&] { return test::qtEncoded(green, "TIFF"); }, Qt::green},
        {"grey jpeg", "g.jpg",
         [] {
             return test::qtEncoded(filledImage(8, 8, Qt::gray).convertToFormat(QImage::Format_Grayscale8),
                                    "JPEG");
         },
         QColor(160, 160, 164)},
        {"cmyk jpeg as Adobe writes it", "c.jpg", [] { return test::invertedCmykJpeg(0, 255, 255, 0); },
         Qt::red},
        {"wmf", "p.wmf", test::redRectangleWmf, Qt::red},
        {"emf", "p.emf", test::redRectangleEmf, Qt::red},
    };
    for (const auto& row : rows) {
        test::WorkFolder folder;
        const PictureSlot picture = loadPictureFile(folder.write(row.fileName, row.bytes()));
        ASSERT_TRUE(picture) << row.name;
        const QImage page = drawnOnPage(*picture);
        EXPECT_TRUE(near(page.pixel(100, 100), row.inside))
            << row.name << " centre " << std::hex << page.pixel(100, 100);
        EXPECT_TRUE(near(page.pixel(27, 66), row.inside)) << row.name << " near the top-left corner";
        EXPECT_TRUE(near(page.pixel(173, 134), row.inside)) << row.name << " near the bottom-right corner";
        for (const QPoint outside : {QPoint(15, 100), QPoint(185, 100), QPoint(100, 55), QPoint(100, 145)})
            EXPECT_EQ(page.pixel(outside), qRgb(255, 255, 255))
                << row.name << " outside at " << outside.x() << "," << outside.y();
    }
}

struct EmptyRow {
    const char* name;
    QString fileName;
    std::function<QByteArray()> bytes;
};

TEST(LoadPictureFile, UnknownCorruptOrHostilePicturesGiveAnEmptySlot) {
    const QByteArray noiseJpeg = encodeJpeg(test::noiseImage(64, 64), 90);
    QByteArray bmp = test::qtEncoded(filledImage(4, 4, Qt::red), "BMP");
    const EmptyRow rows[] = {
        {"png is not a picture extension", "p.png",
         [] { return test::qtEncoded(filledImage(4, 4, Qt::red), "PNG"); }},
        {"no extension", "picture", blueJpeg},
        {"JPEG bytes named .bmp: the extension decides", "p.bmp", blueJpeg},
        {"BMP bytes named .jpg", "p.jpg", [&] { return bmp; }},
        {"truncated JPEG", "cut.jpg", [&] { return noiseJpeg.left(noiseJpeg.size() / 2); }},
        {"JPEG cut inside its header", "head.jpg", [&] { return noiseJpeg.left(40); }},
        {"JPEG claiming 60000 x 60000 pixels", "huge.jpg",
         [] { return test::withJpegSize(blueJpeg(), 60000, 60000); }},
        {"JPEG claiming 0 pixels wide", "zero.jpg", [] { return test::withJpegSize(blueJpeg(), 0, 8); }},
        {"BMP claiming 60000 x 60000 pixels", "huge.bmp",
         [&] { return test::withBmpSize(bmp, 60000, 60000); }},
        {"BMP claiming a negative width", "neg.bmp", [&] { return test::withBmpSize(bmp, -5, 4); }},
        {"empty file", "empty.jpg", [] { return QByteArray(); }},
        {"random bytes named .bmp", "r.bmp", [] { return test::randomBytes(4096, 1); }},
        {"random bytes named .jpg", "r.jpg", [] { return test::randomBytes(4096, 2); }},
        {"random bytes behind a JPEG start", "s.jpg",
         [] { return "\xFF\xD8\xFF\xE0" + test::randomBytes(4096, 3); }},
        {"TIFF claiming 60000 x 60000 pixels", "huge.tif",
         [] {
             return test::withTiffSize(test::qtEncoded(filledImage(4, 4, Qt::red), "TIFF"), 60000, 60000);
         }},
        {"random bytes named .tif", "r.tif", [] { return test::randomBytes(4096, 4); }},
        {"random bytes behind a TIFF start", "s.tif",
         [] { return QByteArray("II*\0", 4) + test::randomBytes(4096, 5); }},
        {"random bytes named .ico", "r.ico", [] { return test::randomBytes(4096, 6); }},
        {"random bytes named .wmf", "r.wmf", [] { return test::randomBytes(4096, 7); }},
        {"random bytes named .emf", "r.emf", [] { return test::randomBytes(4096, 8); }},
        {"WMF cut after its header", "cut.wmf", [] { return test::redRectangleWmf().left(44); }},
        {"EMF whose header claims more bytes than the file has", "cut.emf",
         [] { return test::redRectangleEmf().left(120); }},
    };
    for (const auto& row : rows) {
        test::WorkFolder folder;
        const QByteArray bytes = row.bytes();
        EXPECT_TRUE(!bytes.isEmpty() || row.fileName == u"empty.jpg")
            << row.name << ": the hostile file was not made";
        EXPECT_FALSE(loadPictureFile(folder.write(row.fileName, bytes))) << row.name;
    }
}

TEST(LoadPictureFile, MissingFileIsEmptyAndUnreadableFileIsAFileError) {
    test::WorkFolder folder;
    EXPECT_FALSE(loadPictureFile("absent.jpg"));
    EXPECT_FALSE(loadPictureFile("."));
    const QString name = folder.unreadable("broken.jpg");
    EXPECT_THROW(loadPictureFile(name), FileError);
    // The extension is looked at first: a file that is no picture is never read.
    EXPECT_FALSE(loadPictureFile(folder.unreadable("broken.txt")));
}

TEST(DecodeJpeg, KeepsSizeAndColours) {
    QImage image = filledImage(40, 30, Qt::white);
    QPainter(&image).fillRect(0, 0, 20, 30, Qt::red);
    const QImage decoded = decodeJpeg(encodeJpeg(image, 100));
    ASSERT_EQ(decoded.size(), QSize(40, 30));
    EXPECT_TRUE(near(decoded.pixel(5, 15), Qt::red));
    EXPECT_TRUE(near(decoded.pixel(35, 15), Qt::white));
}

TEST(LoadPictureFile, FileBeyondItsByteLimitIsAnEmptySlotWhateverSizeItReports) {
    test::WorkFolder folder;
    const QByteArray jpeg = blueJpeg();
    const QString name = folder.write("p.jpg", jpeg);
    PictureFileLimits limits;
    limits.maxFileBytes = jpeg.size();
    EXPECT_TRUE(loadPictureFile(name, limits)) << "exactly at the limit";
    limits.maxFileBytes = jpeg.size() - 1;
    EXPECT_FALSE(loadPictureFile(name, limits)) << "one byte beyond";
    // A link named like a picture to a file that reports no size and never ends.
    limits.maxFileBytes = 1 << 20;
    EXPECT_FALSE(loadPictureFile(folder.endless("x.jpg"), limits));
}

// A picture of four colours in its quarters, to see that a reduced one is still the picture.
QImage quarters(int width, int height) {
    QImage image = filledImage(width, height, Qt::red);
    QPainter painter(&image);
    painter.fillRect(width / 2, 0, width - width / 2, height / 2, Qt::green);
    painter.fillRect(0, height / 2, width / 2, height - height / 2, Qt::blue);
    painter.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, Qt::yellow);
    return image;
}

void expectQuarters(const QImage& image, const char* name) {
    const int w = image.width(), h = image.height();
    EXPECT_TRUE(near(image.pixel(w / 4, h / 4), Qt::red)) << name;
    EXPECT_TRUE(near(image.pixel(3 * w / 4, h / 4), Qt::green)) << name;
    EXPECT_TRUE(near(image.pixel(w / 4, 3 * h / 4), Qt::blue)) << name;
    EXPECT_TRUE(near(image.pixel(3 * w / 4, 3 * h / 4), Qt::yellow)) << name;
}

TEST(DecodeJpeg, PictureBeyondThePixelLimitIsDecodedReducedByEighths) {
    const QByteArray jpeg = encodeJpeg(quarters(64, 48), 95);
    EXPECT_EQ(decodeJpeg(jpeg, 64 * 48).size(), QSize(64, 48)) << "at the limit: whole";
    // 5/8 would be 40 x 30 = 1200 pixels; 4/8 is the largest that fits 1000.
    EXPECT_EQ(decodeJpeg(jpeg, 1200).size(), QSize(40, 30)) << "5/8";
    const QImage reduced = decodeJpeg(jpeg, 1000);
    ASSERT_EQ(reduced.size(), QSize(32, 24));
    expectQuarters(reduced, "jpeg reduced");
    EXPECT_EQ(decodeJpeg(jpeg, 8 * 6).size(), QSize(8, 6));
    EXPECT_TRUE(decodeJpeg(jpeg, 8 * 6 - 1).isNull()) << "even 1/8 is too large";
}

TEST(DecodeWithQt, PictureBeyondThePixelLimitIsReadReducedInProportion) {
    for (const char* format : {"bmp", "tiff"}) {
        const QByteArray bytes = test::qtEncoded(quarters(64, 48), format);
        EXPECT_EQ(decodeWithQt(bytes, format, 64 * 48).size(), QSize(64, 48)) << format;
        const QImage reduced = decodeWithQt(bytes, format, 1000);
        EXPECT_LE(qint64(reduced.width()) * reduced.height(), 1000) << format;
        EXPECT_GE(qint64(reduced.width()) * reduced.height(), 900) << format;
        EXPECT_NEAR(double(reduced.width()) / reduced.height(), 4.0 / 3.0, 0.1) << format;
        expectQuarters(reduced, format);
    }
}

TEST(LoadPictureFile, PixelLimitReducesTheKeptPicture) {
    test::WorkFolder folder;
    PictureFileLimits limits;
    limits.maxPixels = 1000;
    const PictureSlot jpeg = loadPictureFile(folder.write("p.jpg", encodeJpeg(quarters(64, 48), 95)), limits);
    EXPECT_EQ(keptPixels(jpeg), 32 * 24);
    const PictureSlot bmp =
        loadPictureFile(folder.write("p.bmp", test::qtEncoded(quarters(64, 48), "BMP")), limits);
    EXPECT_LE(keptPixels(bmp), 1000);
    EXPECT_GT(keptPixels(bmp), 0);
    EXPECT_EQ(keptPixels(loadPictureFile(folder.write("p.wmf", test::redRectangleWmf()))), 0) << "vectors";
}

TEST(LoadPictureFile, MetafileWithoutConversionTimeIsAnEmptySlot) {
    test::WorkFolder folder;
    PictureFileLimits limits;
    limits.metafileTime = std::chrono::milliseconds(0);
    for (const auto& [name, bytes] :
         {std::pair{"p.wmf", test::redRectangleWmf()}, {"p.emf", test::redRectangleEmf()}}) {
        const QString file = folder.write(name, bytes);
        EXPECT_TRUE(loadPictureFile(file)) << name;
        EXPECT_FALSE(loadPictureFile(file, limits)) << name;
    }
}

TEST(DecodePictures, PictureLargerThanTheRoomLeftIsNotDecoded) {
    const QByteArray jpeg = encodeJpeg(quarters(64, 48), 95);
    EXPECT_EQ(decodeJpeg(jpeg, 1000, 32 * 24).size(), QSize(32, 24)) << "reduced, then just fits";
    EXPECT_TRUE(decodeJpeg(jpeg, 1000, 32 * 24 - 1).isNull());
    EXPECT_TRUE(decodeJpeg(jpeg, 64 * 48, 1000).isNull()) << "the room does not reduce further";
    for (const char* format : {"bmp", "tiff"}) {
        const QByteArray bytes = test::qtEncoded(quarters(64, 48), format);
        EXPECT_EQ(decodeWithQt(bytes, format, 64 * 48, 64 * 48).size(), QSize(64, 48)) << format;
        EXPECT_TRUE(decodeWithQt(bytes, format, 64 * 48, 64 * 48 - 1).isNull()) << format;
    }
    test::WorkFolder folder;
    PictureFileLimits limits;
    limits.roomPixels = 64 * 48 - 1;
    EXPECT_FALSE(loadPictureFile(folder.write("p.jpg", jpeg), limits));
    EXPECT_TRUE(loadPictureFile(folder.write("p.wmf", test::redRectangleWmf()), limits))
        << "vectors keep no pixels";
}

} // namespace
} // namespace veridi

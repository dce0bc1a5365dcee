#include "PictureFile.h"
#include "FileError.h"
#include "JpegDecoder.h"
#include "JpegWriter.h"
#include "PictureBytes.h"
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
    const QByteArray bmp = test::qtEncoded(filledImage(4, 4, Qt::red), "BMP");
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
        {"random bytes behind a TIFF start", "s.tif", [] { return "II*\0" + test::randomBytes(4096, 5); }},
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

} // namespace
} // namespace veridi

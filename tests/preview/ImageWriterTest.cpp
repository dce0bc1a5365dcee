#include "FileError.h"
#include "ImageFileWriter.h"
#include "JpegDecoder.h"
#include "JpegWriter.h"
#include "PictureBytes.h"
#include "TempFiles.h"

#include <QFile>

#include <gtest/gtest.h>

namespace veridi {
namespace {

TEST(EncodeJpeg, QualityIsKeptWithinOneToHundred) {
    const QImage noise = test::noiseImage(64, 64);
    const QByteArray low = encodeJpeg(noise, 1);
    const QByteArray high = encodeJpeg(noise, 100);
    ASSERT_FALSE(low.isEmpty());
    EXPECT_LT(low.size() * 3, high.size()) << "quality 1 should compress far more than quality 100";
    EXPECT_EQ(encodeJpeg(noise, 0), low);
    EXPECT_EQ(encodeJpeg(noise, -5), low);
    EXPECT_EQ(encodeJpeg(noise, 101), high);
    EXPECT_TRUE(encodeJpeg(QImage(), 90).isEmpty());
}

TEST(EncodeJpeg, AnyImageFormatIsWrittenAsColour) {
    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32, QImage::Format_RGB888,
                                        QImage::Format_Grayscale8, QImage::Format_Indexed8}) {
        const QImage image = test::filledImage(24, 12, Qt::red).convertToFormat(format);
        const QImage decoded = decodeJpeg(encodeJpeg(image, 90));
        ASSERT_EQ(decoded.size(), QSize(24, 12)) << format;
        const QColor expected =
            format == QImage::Format_Grayscale8 ? QColor(image.pixel(0, 0)) : QColor(Qt::red);
        EXPECT_NEAR(qRed(decoded.pixel(12, 6)), expected.red(), 12) << format;
        EXPECT_NEAR(qGreen(decoded.pixel(12, 6)), expected.green(), 12) << format;
    }
}

TEST(WriteJpegFile, WritesTheWholeFileOrReportsTheName) {
    test::WorkFolder folder;
    const QImage image = test::filledImage(30, 20, Qt::blue);
    writeJpegFile(image, "page.jpg", 90);
    QFile written("page.jpg");
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), encodeJpeg(image, 90));

    try {
        writeJpegFile(image, "no such folder/page.jpg", 90);
        FAIL() << "no error";
    } catch (const FileError& error) {
        EXPECT_TRUE(error.text().contains("no such folder/page.jpg")) << error.text().toStdString();
    }
}

TEST(WriteImageFile, WritesBmpAndPngOrReportsTheNameAndReason) {
    test::WorkFolder folder;
    const QImage image = test::filledImage(7, 5, Qt::red);
    for (const char* format : {"BMP", "PNG"}) {
        const QString name = QStringLiteral("page.") + QString::fromLatin1(format).toLower();
        writeImageFile(image, name, format);
        const QImage read(name, format);
        EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), image) << format;
        try {
            writeImageFile(image, "no such folder/" + name, format);
            ADD_FAILURE() << format << ": no error";
        } catch (const FileError& error) {
            EXPECT_TRUE(error.text().contains("\"no such folder/" + name + "\""))
                << error.text().toStdString();
            EXPECT_TRUE(error.text().contains("No such file or directory")) << error.text().toStdString();
        }
    }
}

} // namespace
} // namespace veridi

#include "PictureBytes.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtEndian>

#include <initializer_list>

namespace veridi::test {
namespace {

void putWords(QByteArray& out, std::initializer_list<quint16> words) {
    for (quint16 w : words) {
        out.append(char(w & 0xFF));
        out.append(char(w >> 8));
    }
}

void putDwords(QByteArray& out, std::initializer_list<quint32> values) {
    for (quint32 v : values)
        for (int shift = 0; shift < 32; shift += 8)
            out.append(char((v >> shift) & 0xFF));
}

} // namespace

QImage filledImage(int width, int height, QColor color) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

QImage noiseImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, random.generate() | 0xFF000000u);
    return image;
}

QByteArray qtEncoded(const QImage& image, const char* format) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return buffer.data();
}

QByteArray withJpegSize(QByteArray jpeg, quint16 width, quint16 height) {
    // The baseline frame header: FF C0, length, precision, height, width (big-endian).
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    if (sof < 0)
        return {};
    auto* data = reinterpret_cast<uchar*>(jpeg.data());
    qToBigEndian<quint16>(height, data + sof + 5);
    qToBigEndian<quint16>(width, data + sof + 7);
    return jpeg;
}

QByteArray withBmpSize(QByteArray bmp, qint32 width, qint32 height) {
    auto* data = reinterpret_cast<uchar*>(bmp.data());
    qToLittleEndian<qint32>(width, data + 18);
    qToLittleEndian<qint32>(height, data + 22);
    return bmp;
}

QByteArray randomBytes(int count, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(count, '\0');
    for (char& c : bytes)
        c = char(random.bounded(256));
    return bytes;
}

QByteArray redRectangleWmf() {
    QByteArray records;
    putDwords(records, {5});
    putWords(records, {0x020B, 0, 0}); // window origin
    putDwords(records, {5});
    putWords(records, {0x020C, 100, 100}); // window extent
    putDwords(records, {7});
    putWords(records, {0x02FC, 0});   // solid brush
    putDwords(records, {0x000000FF}); // red as a colour reference
    putWords(records, {0});
    putDwords(records, {4});
    putWords(records, {0x012D, 0}); // select the brush
    putDwords(records, {7});
    putWords(records, {0x041B, 100, 100, 0, 0}); // rectangle: bottom, right, top, left
    putDwords(records, {3});
    putWords(records, {0x0000}); // end of file

    QByteArray placeable;
    putDwords(placeable, {0x9AC6CDD7});
    putWords(placeable, {0, 0, 0, 100, 100, 96}); // 96 units an inch
    putDwords(placeable, {0});
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= qFromLittleEndian<quint16>(placeable.constData() + i);
    putWords(placeable, {checksum});

    QByteArray header;
    const quint32 totalWords = quint32((18 + records.size()) / 2);
    putWords(header, {1, 9, 0x0300});
    putDwords(header, {totalWords});
    putWords(header, {1});
    putDwords(header, {7});
    putWords(header, {0});
    return placeable + header + records;
}

QByteArray redRectangleEmf() {
    QByteArray records;
    putDwords(records, {39, 24, 1, 0, 0x000000FF, 0}); // solid red brush as object 1
    putDwords(records, {37, 12, 1});                   // select it
    putDwords(records, {43, 24, 0, 0, 100, 100});      // rectangle
    putDwords(records, {14, 20, 0, 16, 20});           // end of file

    QByteArray header;
    const quint32 total = quint32(88 + records.size());
    putDwords(header, {1, 88});
    putDwords(header, {0, 0, 100, 100});      // bounds in device pixels
    putDwords(header, {0, 0, 2646, 2646});    // frame in 0.01 mm
    putDwords(header, {0x464D4520, 0x10000}); // signature, version
    putDwords(header, {total, 5});            // bytes, records
    putWords(header, {2, 0});                 // handles, reserved
    putDwords(header, {0, 0, 0});             // description, palette
    putDwords(header, {1024, 768, 271, 203}); // reference device in pixels and millimetres
    return header + records;
}

} // namespace veridi::test

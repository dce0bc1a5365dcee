#include "PictureBytes.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <jpeglib.h>

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

QByteArray withTiffSize(QByteArray tiff, quint32 width, quint32 height) {
    auto* data = reinterpret_cast<uchar*>(tiff.data());
    if (!tiff.startsWith("II*"))
        return {};
    const quint32 directory = qFromLittleEndian<quint32>(data + 4);
    const quint16 entries = qFromLittleEndian<quint16>(data + directory);
    for (quint16 i = 0; i < entries; ++i) {
        uchar* entry = data + directory + 2 + 12 * i;
        const quint16 tag = qFromLittleEndian<quint16>(entry);
        if (tag != 256 && tag != 257)
            continue;
        const quint32 value = tag == 256 ? width : height;
        qToLittleEndian<quint16>(4, entry + 2); // a LONG holds any size
        qToLittleEndian<quint32>(value, entry + 8);
    }
    return tiff;
}

QByteArray invertedCmykJpeg(quint8 c, quint8 m, quint8 y, quint8 k) {
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char* out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = 4;
    info.image_height = 4;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    const JSAMPLE pixel[4] = {JSAMPLE(255 - c), JSAMPLE(255 - m), JSAMPLE(255 - y), JSAMPLE(255 - k)};
    JSAMPLE row[16];
    for (int x = 0; x < 4; ++x)
        std::copy(pixel, pixel + 4, row + 4 * x);
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
    std::free(out);
    return bytes;
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

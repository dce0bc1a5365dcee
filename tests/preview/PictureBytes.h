#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>

namespace veridi::test {

// Small pictures made in the test, plus hostile variants of them.

QImage filledImage(int width, int height, QColor color);
// Noise that compresses badly, so that a JPEG of it has a long body to cut.
QImage noiseImage(int width, int height);
QByteArray qtEncoded(const QImage& image, const char* format);

// A JPEG whose frame header claims another size; the body stays that of the real picture.
QByteArray withJpegSize(QByteArray jpeg, quint16 width, quint16 height);
// A little-endian TIFF whose first directory claims another size.
QByteArray withTiffSize(QByteArray tiff, quint32 width, quint32 height);
// A 4 x 4 CMYK JPEG of one colour, stored inverted as Adobe's programs store CMYK (give the
// plain ink values; 0, 255, 255, 0 is red).
QByteArray invertedCmykJpeg(quint8 c, quint8 m, quint8 y, quint8 k);
// A BMP whose header claims another size.
QByteArray withBmpSize(QByteArray bmp, qint32 width, qint32 height);
QByteArray randomBytes(int count, quint32 seed);

// Metafiles of one 100 x 100 rectangle filled red with a black outline.
QByteArray redRectangleWmf();
QByteArray redRectangleEmf();

} // namespace veridi::test

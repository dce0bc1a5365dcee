#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace veridi {

// Compresses an image with libjpeg at a quality from 1 to 100 (values outside are brought into
// that range); every other encoder setting stays at libjpeg's default. Empty on failure.
QByteArray encodeJpeg(const QImage& image, int quality);

// Writes the image as a JPEG file, replacing the file only when the whole image was written.
// Throws FileError when the file cannot be written.
void writeJpegFile(const QImage& image, const QString& fileName, int quality);

} // namespace veridi

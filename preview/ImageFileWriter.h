#pragma once

#include <QImage>
#include <QString>

namespace veridi {

// Writes an image through Qt's writers (format "BMP" or "PNG"), replacing the file only when
// the whole image was written. Throws FileError with the system's reason otherwise.
void writeImageFile(const QImage& image, const QString& fileName, const char* format);

} // namespace veridi

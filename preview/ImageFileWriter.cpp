#include "ImageFileWriter.h"

#include "FileError.h"

#include <QImageWriter>
#include <QSaveFile>

namespace veridi {

void writeImageFile(const QImage& image, const QString& fileName, const char* format) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        throw FileError::cannotOpen(fileName, file.errorString());
    QImageWriter writer(&file, format);
    if (!writer.write(image))
        throw FileError::cannotWrite(fileName, writer.errorString());
    if (!file.commit())
        throw FileError::cannotWrite(fileName, file.errorString());
}

} // namespace veridi

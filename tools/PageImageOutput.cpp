#include "PageImageOutput.h"

#include "FileError.h"
#include "ImageFileWriter.h"
#include "JpegWriter.h"
#include "Prompts.h"

#include <QFileInfo>
#include <QImage>

namespace veridi::sheettool {

QStringList withLongOutputOption(QStringList args) {
    for (QString& arg : args)
        if (arg == u"-o")
            arg = QStringLiteral("--output");
    return args;
}

std::optional<QString> imageFormatOf(const QString& output) {
    const QString suffix = QFileInfo(output).suffix().toLower();
    if (suffix == u"png" || suffix == u"bmp")
        return suffix;
    if (suffix == u"jpg" || suffix == u"jpeg")
        return QStringLiteral("jpg");
    return std::nullopt;
}

bool writePageImage(const QImage& image, const QString& output, const QString& format, int quality,
                    Prompts& prompts) {
    try {
        if (format == u"jpg")
            writeJpegFile(image, output, quality);
        else
            writeImageFile(image, output, format == u"png" ? "PNG" : "BMP");
        return true;
    } catch (const FileError& error) {
        prompts.message(error.text(), Prompts::Icon::Error);
        return false;
    }
}

} // namespace veridi::sheettool

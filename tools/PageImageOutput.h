#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QImage;

namespace veridi {
class Prompts;
}

namespace veridi::sheettool {

// "-o OUT" is the one short option; the option parser knows long ones only, so it becomes
// "--output OUT".
QStringList withLongOutputOption(QStringList args);

// "png", "bmp" or "jpg" from the name's ending (".jpeg" is "jpg"); nothing for any other.
std::optional<QString> imageFormatOf(const QString& output);

// Writes a page image in that format (JPEG at quality 1 to 100); a file that cannot be written
// is reported through the prompts and gives false.
bool writePageImage(const QImage& image, const QString& output, const QString& format, int quality,
                    Prompts& prompts);

} // namespace veridi::sheettool

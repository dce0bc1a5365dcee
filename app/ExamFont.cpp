#include "ExamFont.h"

namespace veridi {

QFont qFontOf(const ExamFontSpec& stored) {
    QFont font(stored.Name);
    if (stored.Size > 0)
        font.setPointSize(stored.Size);
    font.setBold(stored.Bold);
    font.setItalic(stored.Italic);
    return font;
}

ExamFontSpec examFontOf(const QFont& font, qint32 color) {
    ExamFontSpec stored;
    stored.Name = font.family();
    stored.Size = font.pointSize();
    stored.Bold = font.bold();
    stored.Italic = font.italic();
    stored.Color = color;
    return stored;
}

} // namespace veridi

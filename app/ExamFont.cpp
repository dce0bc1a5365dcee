#include "ExamFont.h"

namespace veridi {

QFont qFontOf(const ExamFontSpec& spec) {
    QFont font(spec.Name);
    if (spec.Size > 0)
        font.setPointSize(spec.Size);
    font.setBold(spec.Bold);
    font.setItalic(spec.Italic);
    return font;
}

ExamFontSpec examFontOf(const QFont& font, qint32 color) {
    ExamFontSpec spec;
    spec.Name = font.family();
    spec.Size = font.pointSize();
    spec.Bold = font.bold();
    spec.Italic = font.italic();
    spec.Color = color;
    return spec;
}

} // namespace veridi

#include "ManualCommands.h"

#include "CommandLine.h"
#include "DrawTypes.h"
#include "NumberText.h"

#include <array>

namespace veridi {

QStringList fontCommands(ColoredFont& current, const ColoredFont& chosen) {
    QStringList lines;
    QFont& font = current.font;
    if (chosen.font.family() != font.family()) {
        lines << QStringLiteral("FontName,") + quote(chosen.font.family());
        font.setFamily(chosen.font.family());
    }
    if (chosen.font.pointSize() > 0 && chosen.font.pointSize() != font.pointSize()) {
        lines << QStringLiteral("FontSize,%1").arg(chosen.font.pointSize());
        font.setPointSize(chosen.font.pointSize());
    }
    if (chosen.color != current.color) {
        lines << QStringLiteral("FontColor,") + ColorToName(chosen.color);
        current.color = chosen.color;
    }
    struct Style {
        const char* word;
        bool (QFont::*get)() const;
        void (QFont::*set)(bool);
    };
    static constexpr std::array<Style, 4> kStyles{{
        {"BOLD", &QFont::bold, &QFont::setBold},
        {"ITALIC", &QFont::italic, &QFont::setItalic},
        {"UNDERLINE", &QFont::underline, &QFont::setUnderline},
        {"STRIKEOUT", &QFont::strikeOut, &QFont::setStrikeOut},
    }};
    for (const Style& style : kStyles) {
        const bool wanted = (chosen.font.*style.get)();
        if (wanted == (font.*style.get)())
            continue;
        lines << QStringLiteral("FontStyle,%1%2").arg(QLatin1String(style.word), wanted ? "" : "-");
        (font.*style.set)(wanted);
    }
    return lines;
}

std::optional<QString> penWidthCommand(const QString& typed) {
    const std::optional<qint32> width = parseInteger32(typed);
    if (!width || *width <= 0)
        return std::nullopt;
    return QStringLiteral("PenWidth,%1").arg(*width);
}

QPoint screenToUnit(QPoint screen, qint32 unitType, qint32 printerResX, qint32 printerResY,
                    qint32 monitorRes) {
    if (monitorRes <= 0)
        return {};
    const auto convert = [unitType, monitorRes](qint32 pixels, qint32 printerRes) -> qint32 {
        const Real v = pixels;
        switch (unitType) {
        case 1:
            return RoundOff(v / monitorRes);
        case 2:
            return RoundOff(v * 25.4L / monitorRes);
        default: // printer dots, also for units no menu offers, as the interpreter reads them
            return RoundOff(v * printerRes / monitorRes);
        }
    };
    return {convert(screen.x(), printerResX), convert(screen.y(), printerResY)};
}

QString textOutCommand(QPoint at, const QString& text) {
    return QStringLiteral("TextOut,%1,%2,%3,Nil").arg(at.x()).arg(at.y()).arg(quote(text));
}

} // namespace veridi

#include "Fonts.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace veridi {

void registerFontSubstitutions() {
    struct Substitution {
        const char16_t* face;
        QStringList standIns;
    };
    const Substitution table[] = {
        {u"ＭＳ Ｐゴシック", {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic")}},
        {u"ＭＳ ゴシック", {QStringLiteral("IPAGothic")}},
        {u"ＭＳ 明朝", {QStringLiteral("IPAMincho")}},
        {u"ＭＳ Ｐ明朝", {QStringLiteral("IPAPMincho"), QStringLiteral("IPAMincho")}},
        {u"CourierNew",
         {QStringLiteral("Courier New"), QStringLiteral("DejaVu Sans Mono"),
          QStringLiteral("Liberation Mono"), QStringLiteral("IPAGothic")}},
    };
    for (const auto& s : table)
        QFont::insertSubstitutions(QString::fromUtf16(s.face), s.standIns);
}

} // namespace veridi

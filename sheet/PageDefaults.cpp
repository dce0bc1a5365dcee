#include "PageDefaults.h"

#include "DrawEngine.h"
#include "PageStr.h"

namespace veridi {

QString pageNote() {
    return QStringLiteral("この問題はVeridiで印刷しました。");
}

void placeUnsetTitles(DrawEngine& engine) {
    engine.PageTitle.placeIfUnset(24, QStringLiteral("10"), QStringLiteral("10"));
    engine.SubTitle.placeIfUnset(12, QStringLiteral("10"), QStringLiteral("36"));
}

void placeUnsetDateTime(TPageStr& DateTime) {
    DateTime.placeIfUnset(11, QStringLiteral("80"), QStringLiteral("10"));
}

} // namespace veridi

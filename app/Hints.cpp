#include "Hints.h"

#include <QWidget>

namespace veridi {

Hint splitHint(const QString& hint) {
    const qsizetype bar = hint.indexOf(u'|');
    if (bar < 0)
        return {hint, hint};
    return {hint.left(bar), hint.mid(bar + 1)};
}

void setHint(QWidget* control, const QString& hint) {
    const Hint parts = splitHint(hint);
    control->setToolTip(parts.shortPart);
    // Qt sends the status tip to the window while the pointer rests on the control.
    control->setStatusTip(parts.longPart);
}

} // namespace veridi

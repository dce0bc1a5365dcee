#pragma once

#include <QString>

class QWidget;

namespace veridi {

// A hint has a short part, shown as the control's tooltip, and a long part, shown in the status
// bar while the pointer rests on the control; "short|long", or one text for both.
struct Hint {
    QString shortPart;
    QString longPart;
};

Hint splitHint(const QString& hint);
void setHint(QWidget* control, const QString& hint);

} // namespace veridi

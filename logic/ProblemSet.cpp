#include "ProblemSet.h"

namespace veridi {

QStringList linesOf(const QString& text) {
    if (text.isEmpty())
        return {};
    QString normalised = text;
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(u'\r', u'\n');
    QStringList lines = normalised.split(u'\n');
    if (normalised.endsWith(u'\n'))
        lines.removeLast();
    return lines;
}

QString textOf(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + u'\n';
    return text;
}

QString divisionAnswer(qint64 quotient, qint64 remainder) {
    if (remainder == 0)
        return QString::number(quotient);
    return QStringLiteral("%1 あまり %2").arg(quotient).arg(remainder);
}

} // namespace veridi

#include "NumberText.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace veridi {

std::optional<qint64> parseInteger64(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && (text[i] == u'$' || text[i] == u'x' || text[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;

    // The magnitude is gathered as unsigned so that the smallest 64-bit value can be read.
    const quint64 limit = negative ? quint64(std::numeric_limits<qint64>::max()) + 1
                                   : quint64(std::numeric_limits<qint64>::max());
    quint64 magnitude = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        int digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        if (magnitude > (limit - quint64(digit)) / quint64(base))
            return std::nullopt;
        magnitude = magnitude * quint64(base) + quint64(digit);
    }
    if (negative)
        return magnitude == limit ? std::numeric_limits<qint64>::min() : -qint64(magnitude);
    return qint64(magnitude);
}

std::optional<qint32> parseInteger32(QStringView text) {
    const auto value = parseInteger64(text);
    if (!value || *value < std::numeric_limits<qint32>::min() || *value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(*value);
}

std::optional<double> parseDecimal(QStringView text) {
    const QStringView number = text.trimmed();
    // The C locale's reading, so that a comma is never taken for a decimal point or a thousands
    // separator; it also
    // accepts "inf" and "nan", which no margin or coordinate can be.
    if (number.isEmpty() || !(number.front().isDigit() || number.front() == u'.' || number.front() == u'-' ||
                              number.front() == u'+'))
        return std::nullopt;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(number, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace veridi

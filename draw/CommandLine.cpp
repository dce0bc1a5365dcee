#include "CommandLine.h"

#include "NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace veridi {

namespace {

bool isBlankOrControl(QChar c) {
    return c.unicode() >= 1 && c.unicode() <= 32;
}

QStringView beforeNul(QStringView line) {
    const qsizetype nul = line.indexOf(QChar(u'\0'));
    return nul < 0 ? line : line.first(nul);
}

struct ColorName {
    const char* name;
    QRgb rgb;
};

// The words read; the first word of a colour is the one written.
constexpr ColorName colorNames[] = {
    {"BLACK", qRgb(0, 0, 0)},        {"MAROON", qRgb(128, 0, 0)},     {"GREEN", qRgb(0, 128, 0)},
    {"OLIVE", qRgb(128, 128, 0)},    {"NAVY", qRgb(0, 0, 128)},       {"PURPLE", qRgb(128, 0, 128)},
    {"TEAL", qRgb(0, 128, 128)},     {"DKGRAY", qRgb(128, 128, 128)}, {"GRAY", qRgb(128, 128, 128)},
    {"SILVER", qRgb(192, 192, 192)}, {"LTGRAY", qRgb(192, 192, 192)}, {"RED", qRgb(255, 0, 0)},
    {"LIME", qRgb(0, 255, 0)},       {"YELLOW", qRgb(255, 255, 0)},   {"BLUE", qRgb(0, 0, 255)},
    {"FUCHSIA", qRgb(255, 0, 255)},  {"AQUA", qRgb(0, 255, 255)},     {"WHITE", qRgb(255, 255, 255)},
};

} // namespace

QString trimLine(QStringView line) {
    return trimmedView(line).toString();
}

QStringView trimmedView(QStringView line) {
    QStringView s = beforeNul(line);
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && isBlankOrControl(s[from]))
        ++from;
    while (to > from && isBlankOrControl(s[to - 1]))
        --to;
    return s.sliced(from, to - from);
}

qsizetype splitFieldsInto(QStringView line, FieldSink& sink) {
    const QStringView s = beforeNul(line);
    const qsizetype n = s.size();
    qsizetype count = 0;
    qsizetype pos = 0;
    QString unquoted; // a quoted field whose doubled quotes had to be made single
    auto skipBlanks = [&] {
        while (pos < n && isBlankOrControl(s[pos]))
            ++pos;
    };
    skipBlanks();
    if (pos == n)
        return 0;
    for (;;) {
        if (s[pos] == u'"') {
            const qsizetype start = ++pos;
            qsizetype end = n;
            bool doubled = false;
            while (pos < n) {
                if (s[pos] == u'"') {
                    if (pos + 1 < n && s[pos + 1] == u'"') {
                        doubled = true;
                        pos += 2;
                        continue;
                    }
                    end = pos++; // the closing quote
                    break;
                }
                ++pos;
            }
            const QStringView inside = s.sliced(start, end - start);
            if (doubled) {
                unquoted = inside.toString().replace(QStringLiteral("\"\""), QStringLiteral("\""));
                sink.field(unquoted);
            } else {
                sink.field(inside);
            }
        } else {
            const qsizetype start = pos;
            while (pos < n && s[pos] != u',' && s[pos].unicode() > 32)
                ++pos;
            sink.field(s.sliced(start, pos - start));
        }
        ++count;
        skipBlanks();
        if (pos == n || count > kMaxLineFields)
            break;
        if (s[pos] == u',') {
            ++pos;
            skipBlanks();
            if (pos == n) {
                sink.field({});
                ++count;
                break;
            }
        }
    }
    return count;
}

QStringList splitFields(QStringView line) {
    struct ListSink final : FieldSink {
        QStringList fields;
        void field(QStringView text) override { fields << text.toString(); }
    } sink;
    splitFieldsInto(line, sink);
    return sink.fields;
}

QString wordOf(QStringView field) {
    return trimLine(field).toUpper();
}

std::optional<Real> parseReal(QStringView field) {
    qsizetype pos = 0;
    const qsizetype n = field.size();
    while (pos < n && field[pos] == u' ')
        ++pos;
    // Only ASCII is accepted, so the number can be handed to the C++ reader as it stands.
    std::string text;
    bool negative = false;
    if (pos < n && (field[pos] == u'+' || field[pos] == u'-'))
        negative = field[pos++] == u'-';
    auto isDigit = [&](qsizetype i) { return i < n && field[i] >= u'0' && field[i] <= u'9'; };
    const qsizetype mantissaStart = pos;
    bool digits = false;
    while (isDigit(pos)) {
        text += char(field[pos++].unicode());
        digits = true;
    }
    if (pos < n && field[pos] == u'.') {
        text += '.';
        ++pos;
        while (isDigit(pos)) {
            text += char(field[pos++].unicode());
            digits = true;
        }
    }
    if (pos == mantissaStart)
        return std::nullopt;
    if (pos < n && (field[pos] == u'E' || field[pos] == u'e')) {
        std::string exponent = "e";
        ++pos;
        if (pos < n && (field[pos] == u'+' || field[pos] == u'-'))
            exponent += char(field[pos++].unicode());
        if (!isDigit(pos))
            return std::nullopt;
        while (isDigit(pos))
            exponent += char(field[pos++].unicode());
        text += exponent;
    }
    if (pos != n)
        return std::nullopt;
    if (!digits) // a lone decimal point
        return negative ? -0.0L : 0.0L;
    Real value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small underflows to 0; too large saturates, and RoundOff keeps it on the page's axis.
        const bool tiny = text.find("e-") != std::string::npos;
        value = tiny ? 0.0L : std::numeric_limits<Real>::max();
    } else if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

Real readReal(QStringView field) {
    return parseReal(field).value_or(0.0L);
}

qint32 ReadInteger(QStringView field) {
    return parseInteger32(field).value_or(0);
}

QString formatReal(Real v) {
    if (!std::isfinite(v))
        return std::isnan(v) ? QStringLiteral("NAN")
                             : (v < 0 ? QStringLiteral("-INF") : QStringLiteral("INF"));
    if (v == 0)
        v = 0; // no sign for a negative zero
    // [-]d.ddddddddddddddde[+-]x..; a page's values are mostly doubles, which to_chars writes
    // many times faster than printf writes a long double, with the same digits.
    char buffer[64];
    const double narrow = double(v);
    if (Real(narrow) == v)
        *std::to_chars(buffer, buffer + sizeof buffer - 1, narrow, std::chars_format::scientific, 14).ptr = 0;
    else
        std::snprintf(buffer, sizeof buffer, "%.14Le", v);
    // Rebuilt with a sign column and a four-digit exponent.
    const bool negative = buffer[0] == '-';
    const char* mantissa = buffer + (negative ? 1 : 0);
    const char* e = std::strchr(mantissa, 'e');
    const int exponent = std::atoi(e + 1);
    const int magnitude = std::abs(exponent);
    QString out;
    out.reserve(23);
    out += QLatin1Char(negative ? '-' : ' ');
    out += QLatin1StringView(mantissa, e - mantissa);
    out += QLatin1Char('E');
    out += QLatin1Char(exponent < 0 ? '-' : '+');
    for (int divisor = 1000; divisor > 0; divisor /= 10)
        out += QLatin1Char(char('0' + magnitude / divisor % 10));
    return out;
}

QString formatPenWidth(Real w) {
    if (!std::isfinite(w))
        return formatReal(w).trimmed();
    if (w == 0)
        return QStringLiteral("0");
    const Real magnitude = std::fabs(w);
    char buffer[64];
    std::string text;
    if (magnitude >= 0.00001L && magnitude < 1e15L) {
        // Fixed notation with 15 significant digits, trailing zeros dropped.
        const int exponent = int(std::floor(std::log10(magnitude)));
        std::snprintf(buffer, sizeof buffer, "%.*Lf", std::max(0, 14 - exponent), w);
        text = buffer;
        if (text.find('.') != std::string::npos) {
            text.erase(text.find_last_not_of('0') + 1);
            if (text.back() == '.')
                text.pop_back();
        }
        return QString::fromLatin1(text.c_str());
    }
    std::snprintf(buffer, sizeof buffer, "%.14Le", w);
    text = buffer;
    const auto e = text.find('e');
    std::string mantissa = text.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        mantissa.erase(mantissa.find_last_not_of('0') + 1);
        if (mantissa.back() == '.')
            mantissa.pop_back();
    }
    const int exponent = std::stoi(text.substr(e + 1));
    return QString::fromLatin1(mantissa.c_str()) + u'E' + QString::number(exponent);
}

QString quote(QStringView s) {
    QString out;
    out.reserve(s.size() + 2);
    out += u'"';
    for (QChar c : s) {
        out += c;
        if (c == u'"')
            out += u'"';
    }
    out += u'"';
    return out;
}

QColor NameToColor(QStringView word) {
    const QString w = wordOf(word);
    for (const auto& c : colorNames)
        if (w == QLatin1String(c.name))
            return QColor::fromRgb(c.rgb);
    return QColor(Qt::black);
}

QString ColorToName(const QColor& c) {
    if (!c.isValid())
        return QStringLiteral("BLACK");
    const QRgb rgb = c.rgb() & RGB_MASK;
    for (const auto& entry : colorNames)
        if ((entry.rgb & RGB_MASK) == rgb)
            return QLatin1String(entry.name);
    return QStringLiteral("BLACK");
}

} // namespace veridi

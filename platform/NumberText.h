#pragma once

#include <QStringView>

#include <optional>

namespace veridi {

// An integer as the user types it: leading blanks (U+0020 only), an optional sign, then decimal
// digits or a hexadecimal number after "$", "x", "X", "0x" or "0X"; nothing may follow.
// Values outside the signed 64-bit range are not numbers.
std::optional<qint64> parseInteger64(QStringView text);

// The same syntax limited to the signed 32-bit range.
std::optional<qint32> parseInteger32(QStringView text);

// A decimal number as the user types it: blanks around it, an optional sign, digits with an
// optional fraction, an optional exponent ("12.5", "-3", "1e2"); nothing else may follow, and
// infinities are not numbers.
std::optional<double> parseDecimal(QStringView text);

} // namespace veridi

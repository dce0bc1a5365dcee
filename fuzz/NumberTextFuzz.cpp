// The number readers of typed values and of the settings file: whatever they accept, written
// back in the usual form, reads back as the same number.

#include "FuzzSupport.h"
#include "IniFile.h"
#include "NumberText.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstring>

using namespace veridi;
using veridi::fuzz::require;

namespace {

void checkIntegers(const QString& text) {
    const std::optional<qint64> wide = parseInteger64(text);
    const std::optional<qint32> narrow = parseInteger32(text);
    if (narrow)
        require(wide == qint64(*narrow), "a 32-bit integer is the same 64-bit integer");
    if (wide && *wide >= INT32_MIN && *wide <= INT32_MAX)
        require(narrow == qint32(*wide), "a 64-bit integer in the 32-bit range is a 32-bit integer");
    if (wide) {
        require(parseInteger64(QString::number(*wide)) == wide, "an integer written in decimal reads back");
        const QString hex = (*wide < 0 ? QStringLiteral("-$") : QStringLiteral("$")) +
                            QString::number(*wide < 0 ? -quint64(*wide) : quint64(*wide), 16);
        require(parseInteger64(hex) == wide, "an integer written in hexadecimal reads back");
    }
}

void checkDecimal(const QString& text) {
    const std::optional<double> value = parseDecimal(text);
    if (!value)
        return;
    require(std::isfinite(*value), "a decimal is finite");
    require(parseDecimal(QString::number(*value, 'g', 17)) == *value, "a decimal written in full reads back");
}

// What the settings file stores: 15 significant digits, read back within them; a value that
// would round beyond the largest double reads back as what was stored or the largest double.
void checkSettingsReal(double value) {
    if (!std::isfinite(value))
        return;
    const double back = IniFile::parseReal(IniFile::formatReal(value));
    // Below the smallest normal double fewer digits are held; there the error is absolute.
    const bool withinDigits = std::fabs(back - value) <= std::max(std::fabs(value) * 1e-14, DBL_MIN);
    const bool largest = std::fabs(value) > DBL_MAX * 0.9999999999999 && std::fabs(back) == DBL_MAX;
    require(withinDigits || largest, "a stored real reads back within 15 digits");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = veridi::fuzz::bytesOf(data, size);
    const QString text = QString::fromUtf8(bytes);
    checkIntegers(text);
    checkDecimal(text);
    (void)IniFile::parseReal(text);
    if (const std::optional<double> typed = parseDecimal(text))
        checkSettingsReal(*typed);
    // Any eight bytes as a double, so that every exponent and mantissa is tried.
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        checkSettingsReal(raw);
    }
    return 0;
}

// The command splitter and the field readers on any line: quoting the fields and splitting
// again gives them back, a written real reads back as itself, and a colour written by its word
// reads back as that colour.

#include "CommandLine.h"
#include "FuzzSupport.h"

#include <cmath>
#include <limits>

using namespace veridi;
using veridi::fuzz::require;

namespace {

QString joinQuoted(const QStringList& fields) {
    QStringList quoted;
    for (const QString& field : fields)
        quoted << quote(field);
    return quoted.join(u',');
}

void checkFields(const QString& line) {
    const QStringList fields = splitFields(line);
    const QString trimmed = trimLine(line);
    require(fields.isEmpty() == trimmed.isEmpty(), "a line has fields exactly when it is not blank");
    for (const QString& field : fields)
        require(!field.contains(QChar(u'\0')), "no field holds a NUL");
    // A line of quoted fields, blank or not, reads back as the same fields; an empty list
    // written alone is one empty field.
    if (!fields.isEmpty())
        require(splitFields(joinQuoted(fields)) == fields, "quoted fields read back as themselves");
}

void checkReal(QStringView field) {
    const std::optional<Real> value = parseReal(field);
    require(readReal(field) == value.value_or(0.0L), "a text that is not a number reads as 0");
    if (!value)
        return;
    require(std::isfinite(*value), "a number field is finite");
    const QString written = formatReal(*value);
    require(written.size() == 23, "a written real has 23 characters");
    const std::optional<Real> back = parseReal(written);
    require(back.has_value(), "a written real is a number field");
    const Real tolerance = std::fabs(*value) * 1e-13L;
    const bool nearLimit = std::fabs(*value) > std::numeric_limits<Real>::max() * 0.999999L;
    require(std::fabs(*back - *value) <= tolerance || nearLimit || std::fabs(*value) < 1e-4930L,
            "a written real reads back within its 15 digits");
    const QString width = formatPenWidth(*value);
    require(parseReal(width).has_value(), "a written pen width is a number field");
}

void checkColor(QStringView field) {
    const QColor color = NameToColor(field);
    require(color.isValid(), "every word gives a colour");
    require(NameToColor(ColorToName(color)) == color, "a colour's word gives the colour back");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString line = QString::fromUtf8(veridi::fuzz::bytesOf(data, size));
    checkFields(line);
    for (const QString& field : splitFields(line)) {
        checkReal(field);
        checkColor(field);
        (void)ReadInteger(field);
        require(wordOf(field) == wordOf(wordOf(field)), "a word is its own word");
    }
    return 0;
}

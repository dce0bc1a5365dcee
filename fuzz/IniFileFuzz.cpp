// The settings reader on any file, with a write-and-read-back check. The input up to its first
// NUL byte is the settings file; the rest is a value, written as a text, a number and a real
// under [Check]. Each comes back as written, and every other key reads as before: a write
// loses nothing.

#include "FuzzSupport.h"
#include "IniFile.h"
#include "NumberText.h"

#include <QStringList>

#include <cmath>
#include <utility>
#include <vector>

using namespace veridi;
using veridi::fuzz::require;

namespace {

const QString kSection = QStringLiteral("Check");

// Section and key names the file seems to hold, found without the reader's own rules: they
// only choose what is read before and after the write.
std::vector<std::pair<QString, QString>> namesIn(const QString& text) {
    std::vector<std::pair<QString, QString>> names;
    QString section;
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(u'[')) {
            section = trimmed.mid(1, trimmed.indexOf(u']') - 1).trimmed();
        } else if (const qsizetype eq = trimmed.indexOf(u'='); eq > 0 && names.size() < 50) {
            const QString key = trimmed.left(eq).trimmed();
            if (section.compare(kSection, Qt::CaseInsensitive) != 0)
                names.emplace_back(section, key);
        }
    }
    return names;
}

QStringList readAll(const IniFile& ini, const std::vector<std::pair<QString, QString>>& names) {
    QStringList values;
    for (const auto& [section, key] : names)
        values << ini.readString(section, key, QStringLiteral("<absent>"));
    return values;
}

// What a text is stored as: line breaks become blanks, the rest is kept.
QString storedText(QString value) {
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    return value;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = veridi::fuzz::bytesOf(data, size);
    const qsizetype nul = input.indexOf('\0');
    const QByteArray fileBytes = nul < 0 ? input : input.left(nul);
    const QString value = nul < 0 ? QStringLiteral("value") : QString::fromUtf8(input.mid(nul + 1));

    const QString path = veridi::fuzz::scratchFolder() + QStringLiteral("/veridi.ini");
    veridi::fuzz::writeFile(path, fileBytes);
    IniFile ini(path);
    const auto names = namesIn(QString::fromLatin1(fileBytes).replace(u'\r', u'\n'));
    const QStringList before = readAll(ini, names);
    for (const auto& [section, key] : names) {
        (void)ini.readInteger(section, key, 7);
        (void)ini.readBool(section, key, true);
        (void)ini.readReal(section, key, 0.5);
    }

    require(ini.writeString(kSection, QStringLiteral("Text"), value), "a text can be written");
    require(ini.readString(kSection, QStringLiteral("Text"), QString()) == storedText(value),
            "a written text reads back");

    const qint32 number = parseInteger32(value).value_or(qint32(qHash(value)));
    require(ini.writeInteger(kSection, QStringLiteral("Number"), number), "a number can be written");
    require(ini.readInteger(kSection, QStringLiteral("Number"), 0) == number, "a written number reads back");
    require(ini.readBool(kSection, QStringLiteral("Number"), false) == (number != 0), "a number is a flag");

    if (const std::optional<double> real = parseDecimal(value)) {
        require(ini.writeReal(kSection, QStringLiteral("Real"), *real), "a real can be written");
        const double back = ini.readReal(kSection, QStringLiteral("Real"), 0);
        require(std::fabs(back - *real) <= std::fabs(*real) * 1e-14 || std::fabs(*real) < 1e-300 ||
                    std::fabs(back) == std::numeric_limits<double>::max(),
                "a written real reads back within 15 digits");
    }

    require(readAll(ini, names) == before, "writing one key leaves every other key as it was");
    return 0;
}

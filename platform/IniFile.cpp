#include "IniFile.h"

#include "NumberText.h"
#include "TextCodec.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>

#include <cmath>
#include <limits>

namespace veridi {
namespace {

// Only ASCII blanks and tabs surround a value; full-width blanks belong to it.
bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

QStringList linesOf(const QByteArray& bytes) {
    QString text = decodeCommandFile(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(u'\r', u'\n');
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The name of a "[Section]" line, or nothing for any other line.
std::optional<QString> sectionName(const QString& line) {
    const QString trimmed = trimBlanks(line);
    if (!trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = trimmed.indexOf(u']');
    return trimBlanks(close < 0 ? trimmed.mid(1) : trimmed.mid(1, close - 1));
}

// The key of a "key=value" line, or nothing.
std::optional<QString> keyName(const QString& line) {
    const QString trimmed = trimBlanks(line);
    if (trimmed.startsWith(u';') || trimmed.startsWith(u'['))
        return std::nullopt;
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    return trimBlanks(line.left(eq));
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Blanks around a value are not part of it, so a value that must keep them is written in quotes;
// quotes around a value read are removed.
QString quoteIfNeeded(QString value) {
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(u'\r', u' ');
    value.replace(u'\n', u' ');
    const bool edgeBlank = !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()));
    const bool looksQuoted = value.size() >= 2 && value.front() == u'"' && value.back() == u'"';
    return edgeBlank || looksQuoted ? u'"' + value + u'"' : value;
}

QString unquote(const QString& raw) {
    QString trimmed = trimBlanks(raw);
    if (trimmed.size() >= 2 && trimmed.front() == u'"' && trimmed.back() == u'"')
        return trimmed.mid(1, trimmed.size() - 2);
    return trimmed;
}

// The bytes a file of these lines holds.
QByteArray encodeLines(const QStringList& lines) {
    // Code page 932 while every text fits it; a text it cannot hold (such as "€" or "한") would
    // come back as "?", so the file is then written in UTF-8 behind a byte-order mark.
    QByteArray bytes;
    bool fits = true;
    for (const QString& line : lines) {
        bool lineFits = true;
        bytes += encodeCp932(line, &lineFits) + "\r\n";
        fits = fits && lineFits;
    }
    if (!fits)
        bytes = "\xEF\xBB\xBF" + lines.join(QLatin1String("\r\n")).toUtf8() + "\r\n";
    return bytes;
}

bool replaceFile(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

IniFile::IniFile(QString path) : path_(std::move(path)) {}

IniFile::Content IniFile::load(const QString& path) {
    FileRead file = readRegularFile(path, kMaxBytes);
    Content content{file.kind, {}};
    if (file.kind == FileKind::Regular)
        content.lines = linesOf(file.bytes);
    return content;
}

const IniFile::Content& IniFile::content() const {
    if (saving_)
        return *saving_;
    if (!read_)
        read_ = load(path_);
    return *read_;
}

void IniFile::beginSave() {
    if (saveDepth_++ == 0)
        saving_ = load(path_);
}

bool IniFile::endSave() {
    if (saveDepth_ == 0 || --saveDepth_ > 0)
        return true;
    Content saved = std::move(*saving_);
    saving_.reset();
    // Only a regular file within the cap, or none, may be replaced: a folder, a FIFO, a device or
    // a file too large to have been read stays as it is.
    if (path_.isEmpty() || (saved.kind != FileKind::Regular && saved.kind != FileKind::Missing))
        return false;
    if (!replaceFile(path_, encodeLines(saved.lines)))
        return false;
    saved.kind = FileKind::Regular;
    read_ = std::move(saved);
    return true;
}

std::optional<QString> IniFile::rawValue(const QString& section, const QString& key) const {
    bool inSection = false;
    for (const QString& line : content().lines) {
        if (const auto name = sectionName(line)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto k = keyName(line); k && sameName(*k, key))
            return unquote(line.mid(line.indexOf(u'=') + 1));
    }
    return std::nullopt;
}

QString IniFile::readString(const QString& section, const QString& key, const QString& fallback) const {
    return rawValue(section, key).value_or(fallback);
}

qint32 IniFile::readInteger(const QString& section, const QString& key, qint32 fallback) const {
    const auto raw = rawValue(section, key);
    if (!raw)
        return fallback;
    return parseInteger32(*raw).value_or(fallback);
}

bool IniFile::readBool(const QString& section, const QString& key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

double IniFile::readReal(const QString& section, const QString& key, double fallback) const {
    const auto raw = rawValue(section, key);
    return raw ? parseReal(*raw) : fallback;
}

bool IniFile::writeString(const QString& section, const QString& key, const QString& value) {
    IniSave save(*this);
    QStringList& lines = saving_->lines;
    const QString entry = key + u'=' + quoteIfNeeded(value);

    qsizetype sectionStart = -1;
    qsizetype insertAt = -1; // after the last non-blank line of the section
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto name = sectionName(lines[i])) {
            if (sectionStart >= 0)
                break;
            if (sameName(*name, section)) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionStart < 0)
            continue;
        if (const auto k = keyName(lines[i]); k && sameName(*k, key)) {
            lines[i] = entry;
            insertAt = -2;
            break;
        }
        if (!trimBlanks(lines[i]).isEmpty())
            insertAt = i + 1;
    }
    if (sectionStart < 0) {
        lines << u'[' + section + u']' << entry;
    } else if (insertAt >= 0) {
        lines.insert(insertAt, entry);
    }
    return save.commit();
}

bool IniFile::writeInteger(const QString& section, const QString& key, qint32 value) {
    return writeString(section, key, QString::number(value));
}

bool IniFile::writeBool(const QString& section, const QString& key, bool value) {
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool IniFile::writeReal(const QString& section, const QString& key, double value) {
    return writeString(section, key, formatReal(value));
}

int IniFile::removeStaleCopies(const QString& path, std::chrono::seconds maxAge) {
    const QFileInfo file(path);
    if (path.isEmpty())
        return 0;
    // A save writes a copy named after the file with six random letters or digits appended, and
    // renames it over the file.
    const QRegularExpression copyName(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(file.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-maxAge.count());
    int removed = 0;
    const QFileInfoList entries = file.absoluteDir().entryInfoList(
        {file.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (copyName.match(entry.fileName()).hasMatch() && entry.lastModified().toUTC() < before &&
            QFile::remove(entry.absoluteFilePath()))
            ++removed;
    }
    return removed;
}

QString IniFile::formatReal(double value) {
    return QString::number(value, 'g', 15);
}

double IniFile::parseReal(const QString& text) {
    // Optional blanks and sign, digits with an optional fraction, an optional exponent; a
    // malformed tail (such as "7mm") is ignored.
    const QString& s = text;
    qsizetype i = 0;
    while (i < s.size() && s[i] == u' ')
        ++i;
    const qsizetype start = i;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < s.size() && s[i].isDigit() && s[i].unicode() < 128) {
        ++i;
        ++digits;
    }
    if (i < s.size() && s[i] == u'.') {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j < s.size() && s[j].unicode() >= u'0' && s[j].unicode() <= u'9') {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return 0.0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < s.size() && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        const qsizetype expStart = j;
        while (j < s.size() && s[j].unicode() >= u'0' && s[j].unicode() <= u'9')
            ++j;
        if (j > expStart)
            i = j;
    }
    bool ok = false;
    const double value = s.mid(start, i - start).toDouble(&ok); // QString::toDouble ignores the locale
    // A number beyond the largest double is read as the largest: 15 digits round the largest
    // values up past it (1.7976931348623157e308 is written 1.79769313486232e+308).
    if (std::isinf(value))
        return std::copysign(std::numeric_limits<double>::max(), value);
    return ok ? value : 0.0; // a number too small for a double is 0
}

} // namespace veridi

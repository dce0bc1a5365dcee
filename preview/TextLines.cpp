#include "TextLines.h"

#include "FileError.h"
#include "TextCodec.h"

namespace veridi {

qsizetype countLines(const QString& text) {
    const qsizetype size = text.size();
    qsizetype ends = 0;
    for (qsizetype i = 0; i < size; ++i)
        ends += text[i] == u'\n' || (text[i] == u'\r' && (i + 1 == size || text[i + 1] != u'\n'));
    const bool unended = size > 0 && text[size - 1] != u'\n' && text[size - 1] != u'\r';
    return ends + (unended ? 1 : 0);
}

namespace {

QStringList splitCountedLines(const QString& text, qsizetype count) {
    QStringList lines;
    lines.reserve(count); // the list of a long file is not copied again and again as it grows
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines << text.mid(start, i - start);
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines << text.mid(start);
    return lines;
}

} // namespace

QStringList splitLines(const QString& text) {
    return splitCountedLines(text, countLines(text));
}

QStringList readCommandFile(const QString& fileName) {
    const QString text = decodeCommandFile(readWholeFile(fileName));
    const qsizetype count = countLines(text);
    if (count > kMaxCommandFileLines)
        throw FileError::tooManyLines(fileName, kMaxCommandFileLines);
    return splitCountedLines(text, count);
}

QString readFirstLine(const QString& fileName) {
    // A UTF-16 line end is two bytes, so the line is cut from the decoded text, not the bytes.
    const QString text = decodeCommandFile(readWholeFile(fileName));
    qsizetype end = 0;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    return text.left(end);
}

} // namespace veridi

#include "TextLines.h"

#include "FileError.h"
#include "TextCodec.h"

namespace veridi {

QStringList splitLines(const QString& text) {
    QStringList lines;
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

QStringList readCommandFile(const QString& fileName) {
    return splitLines(decodeCommandFile(readWholeFile(fileName)));
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

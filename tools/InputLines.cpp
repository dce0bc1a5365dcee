#include "InputLines.h"

#include "Options.h"

namespace veridi::sheettool {

std::optional<QByteArray> InputLines::next() {
    int c = std::getc(stream_);
    if (afterCr_ && c == '\n')
        c = std::getc(stream_);
    afterCr_ = false;
    if (c == EOF)
        return std::nullopt;
    ++lineNumber_;
    QByteArray line;
    while (c != EOF && c != '\n' && c != '\r') {
        if (line.size() == maxLineBytes_)
            throw UsageError(
                QStringLiteral("line %1 is longer than %2 bytes").arg(lineNumber_).arg(maxLineBytes_));
        line += char(c);
        c = std::getc(stream_);
    }
    afterCr_ = c == '\r';
    return line;
}

} // namespace veridi::sheettool

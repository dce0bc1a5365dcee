#pragma once

#include <QByteArray>

#include <cstdio>
#include <optional>

namespace veridi::sheettool {

// Reads a stream one line at a time in bounded memory: CR LF, LF and CR each end a line, and a
// final line without a line break still counts. A line longer than the cap is a UsageError
// naming its number, so an endless stream without line breaks (/dev/zero) ends at once.
class InputLines {
public:
    InputLines(std::FILE* stream, qsizetype maxLineBytes) : stream_(stream), maxLineBytes_(maxLineBytes) {}

    // The next line without its line break, or nothing at the end of the stream.
    std::optional<QByteArray> next();
    // The number of the line next() gave last, counted from 1.
    qint64 lineNumber() const { return lineNumber_; }

private:
    std::FILE* stream_;
    qsizetype maxLineBytes_;
    qint64 lineNumber_ = 0;
    bool afterCr_ = false; // the previous line ended in CR, so an LF next belongs to it
};

} // namespace veridi::sheettool

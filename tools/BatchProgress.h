#pragma once

#include <QString>

namespace veridi::sheettool {

// The progress line of a batch on stderr: shown only on a terminal and only once the batch has
// run for more than a second, so quick batches and redirected output stay quiet. The line is
// rewritten in place at most ten times a second and closed with a newline at the end.
class BatchProgress {
public:
    static constexpr qint64 kQuietMs = 1000;
    static constexpr qint64 kRedrawMs = 100;

    BatchProgress(bool terminal, qint32 total) : terminal_(terminal), total_(total) {}

    // What to write once `done` sheets are made, elapsedMs after the start; empty for nothing.
    QString after(qint32 done, qint64 elapsedMs);
    // What to write when the batch ends: the newline closing a line that was shown, or nothing.
    QString finish() const;

private:
    bool terminal_;
    qint32 total_;
    qint64 shownAtMs_ = -1; // when the line was last written; -1 while it was never shown
};

} // namespace veridi::sheettool

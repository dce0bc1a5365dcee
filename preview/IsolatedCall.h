#pragma once

#include <QByteArray>

#include <chrono>
#include <functional>
#include <optional>

namespace veridi {

struct IsolationLimits {
    std::chrono::milliseconds time{10000};
    // Memory the work may take on top of what the program already holds.
    qint64 extraMemoryBytes = qint64(1) << 30;
    qint64 maxOutputBytes = qint64(256) << 20;
};

// Runs work in a child process and returns what it produced. A fault, an endless loop or a
// runaway allocation inside the work ends only the child; the result is then nothing. Used for
// the C libraries that parse untrusted metafiles. The work must not touch Qt objects shared
// with the program (fonts, the Gui application), only plain data.
std::optional<QByteArray> runIsolated(const std::function<QByteArray()>& work,
                                      const IsolationLimits& limits = {});

} // namespace veridi

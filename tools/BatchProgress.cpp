#include "BatchProgress.h"

namespace veridi::sheettool {

QString BatchProgress::after(qint32 done, qint64 elapsedMs) {
    if (!terminal_ || elapsedMs <= kQuietMs)
        return QString();
    // The last sheet always shows, so the line never ends short of the total.
    if (shownAtMs_ >= 0 && elapsedMs - shownAtMs_ < kRedrawMs && done < total_)
        return QString();
    shownAtMs_ = elapsedMs;
    return QStringLiteral("\rsheet %1 of %2").arg(done).arg(total_);
}

QString BatchProgress::finish() const {
    return shownAtMs_ >= 0 ? QStringLiteral("\n") : QString();
}

} // namespace veridi::sheettool

#include "CommandFiles.h"

#include "TextLines.h"

#include <QFileInfo>

namespace veridi {

QString CommandFiles::canonicalName(const QString& fileName) {
    const QString canonical = QFileInfo(fileName).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(fileName).absoluteFilePath() : canonical;
}

const QStringList& CommandFiles::lines(const QString& fileName) {
    const QString canonical = canonicalName(fileName);
    if (const auto found = lines_.find(canonical); found != lines_.end())
        return found->second;
    QStringList read = readCommandFile(fileName);
    longest_ = std::max(longest_, read.size());
    return lines_.emplace(canonical, std::move(read)).first->second;
}

} // namespace veridi

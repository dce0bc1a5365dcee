#include "CommandFiles.h"

#include "FileError.h"
#include "TextLines.h"

#include <QFileInfo>

namespace veridi {

QString CommandFiles::find(const QString& fileName) {
    if (const auto known = found_.constFind(fileName); known != found_.constEnd())
        return *known;
    QString canonical;
    if (fileExists(fileName)) {
        const QFileInfo info(fileName);
        canonical = info.canonicalFilePath();
        if (canonical.isEmpty())
            canonical = info.absoluteFilePath();
    }
    return *found_.insert(fileName, canonical);
}

const QStringList& CommandFiles::lines(const QString& fileName) {
    const QString canonical = find(fileName);
    if (const auto known = lines_.find(canonical); known != lines_.end())
        return known->second;
    QStringList read = readCommandFile(fileName);
    longest_ = std::max(longest_, read.size());
    return lines_.emplace(canonical, std::move(read)).first->second;
}

} // namespace veridi

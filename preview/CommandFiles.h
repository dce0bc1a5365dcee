#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <map>

namespace veridi {

// The command files of one load of the file list. Each file is read once and each name looked
// up once: a file named many times over is taken from here after its first reading. Files are
// not expected to change during a load.
class CommandFiles {
public:
    // The canonical path of the existing file of that name (the absolute path for a file that
    // has none), or an empty text when no such file exists.
    QString find(const QString& fileName);

    // The lines of an existing file (as readCommandFile gives them). Throws FileError.
    const QStringList& lines(const QString& fileName);

    // How many files were read.
    int filesRead() const { return int(lines_.size()); }
    // The line count of the longest file read.
    qsizetype longestFile() const { return longest_; }

private:
    QHash<QString, QString> found_;        // by name as written
    std::map<QString, QStringList> lines_; // by canonical path
    qsizetype longest_ = 0;
};

} // namespace veridi

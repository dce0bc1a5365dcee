#pragma once

#include <QString>
#include <QStringList>

#include <map>

namespace veridi {

// The command files of one load of the file list, each read once: a file included many times
// over is taken from here after its first reading.
class CommandFiles {
public:
    // The lines of a file (as readCommandFile gives them). Throws FileError.
    const QStringList& lines(const QString& fileName);

    // The canonical path by which files are told apart; the absolute path for a file that
    // has none.
    static QString canonicalName(const QString& fileName);

    // How many files were read.
    int filesRead() const { return int(lines_.size()); }
    // The line count of the longest file read.
    qsizetype longestFile() const { return longest_; }

private:
    std::map<QString, QStringList> lines_; // by canonical path
    qsizetype longest_ = 0;
};

} // namespace veridi

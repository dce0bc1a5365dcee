#pragma once

#include <QString>
#include <QStringList>

namespace veridi {

// Reads the file list from the list source file into fileList, which is emptied first:
//  - a missing list source file leaves the list empty;
//  - when the first line (decoded as the file's lines are) names an existing file, the list comes from
//    that file, otherwise from the list source file itself, first line included;
//  - INCLUDE lines are then expanded pass by pass until a pass expands nothing; every pass drops
//    blank lines. An INCLUDE of a file that the line itself came from, directly or through
//    other files, would repeat without end and is dropped like one of a missing file.
// Throws FileError when a file exists but cannot be read, or when the expansion would make the
// list longer than maxLines (files that include each other many times over grow it
// exponentially); fileList then holds what the last completed pass left (empty before the
// first).
constexpr qsizetype kMaxListLines = 1'000'000;
void loadListFile(const QString& listSourceFile, QStringList& fileList, qsizetype maxLines = kMaxListLines);

} // namespace veridi

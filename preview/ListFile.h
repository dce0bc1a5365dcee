#pragma once

#include "CommandFiles.h"

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
// Every file is read once per load, however often it is included.
// Throws FileError when a file exists but cannot be read or holds more than
// kMaxCommandFileBytes, or when the expansion would make the list longer than maxLines (files
// that include each other many times over grow it exponentially); fileList then holds what the
// last completed pass left (empty before the first). The line limit is on what INCLUDE lines
// add: a list as long as its longest file is never too long, so that a long command file is
// bounded by its bytes alone.
constexpr qsizetype kMaxListLines = 100'000;
void loadListFile(const QString& listSourceFile, QStringList& fileList, qsizetype maxLines = kMaxListLines);
// The same, reading the files through files (empty at the start of a load).
void loadListFile(const QString& listSourceFile, QStringList& fileList, CommandFiles& files,
                  qsizetype maxLines = kMaxListLines);

} // namespace veridi

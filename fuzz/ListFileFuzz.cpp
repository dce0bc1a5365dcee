// The list loader over a set of up to five files: the input's NUL bytes separate the list
// source file list.prv from a.prv, b.prv, c.prv and d.prv, which its lines may name and INCLUDE.
// Files that include each other in loops and trees, and names of missing or special files,
// must give a list or the documented error, within the line limit.

#include "CommandLine.h"
#include "FileError.h"
#include "FuzzSupport.h"
#include "ListFile.h"

#include <QDir>
#include <QFile>

#include <array>

using namespace veridi;
using veridi::fuzz::require;

namespace {

constexpr qsizetype kMaxLines = 2000;
const std::array<QString, 5> kFileNames = {QStringLiteral("list.prv"), QStringLiteral("a.prv"),
                                           QStringLiteral("b.prv"), QStringLiteral("c.prv"),
                                           QStringLiteral("d.prv")};

// The files are named relative to the current folder, as a user's list names them.
void writeFileSet(const QByteArray& bytes) {
    static const bool entered = QDir::setCurrent(veridi::fuzz::scratchFolder());
    require(entered, "the scratch folder can be entered");
    const QList<QByteArray> parts = bytes.split('\0');
    for (size_t i = 0; i < kFileNames.size(); ++i) {
        QFile::remove(kFileNames[i]);
        if (qsizetype(i) < parts.size())
            veridi::fuzz::writeFile(kFileNames[i], parts[qsizetype(i)]);
    }
}

bool isInclude(const QString& line) {
    const QStringList fields = splitFields(line);
    return fields.size() == 2 && wordOf(fields[0]) == u"INCLUDE";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    writeFileSet(veridi::fuzz::bytesOf(data, size));
    QStringList list;
    CommandFiles files;
    try {
        loadListFile(kFileNames[0], list, files, kMaxLines);
    } catch (const FileError& error) {
        require(!error.text().isEmpty(), "a failed load says why");
        require(list.size() <= std::max(kMaxLines, files.longestFile()),
                "a failed load keeps a bounded list");
        return 0;
    }
    require(list.size() <= std::max(kMaxLines, files.longestFile()), "the list stays within its limit");
    for (const QString& line : list) {
        require(!trimLine(line).isEmpty(), "no blank line is kept");
        require(!isInclude(line), "no INCLUDE line is left unexpanded");
    }
    return 0;
}

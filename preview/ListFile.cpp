#include "ListFile.h"

#include "CommandLine.h"
#include "FileError.h"
#include "TextLines.h"

#include <algorithm>
#include <memory>
#include <vector>

namespace veridi {
namespace {

// The chain of files a line came through, innermost first. Lines of one file share a node.
struct Origin {
    QString file; // canonical path
    std::shared_ptr<const Origin> includedFrom;

    bool cameThrough(const QString& canonical) const {
        for (const Origin* o = this; o; o = o->includedFrom.get())
            if (o->file == canonical)
                return true;
        return false;
    }
};
using OriginPtr = std::shared_ptr<const Origin>;

struct TracedLines {
    QStringList lines;
    std::vector<OriginPtr> origins; // one per line

    void append(const QString& line, const OriginPtr& origin) {
        lines << line;
        origins.push_back(origin);
    }
};

FileError tooLong(const QString& listSourceFile, qsizetype maxLines) {
    return FileError(QStringLiteral("The list of \"%1\" grows beyond %2 lines through its INCLUDE lines.")
                         .arg(listSourceFile)
                         .arg(maxLines));
}

// The longest list allowed so far: maxLines, or the longest file read if that is longer.
qsizetype lineLimit(const CommandFiles& files, qsizetype maxLines) {
    return std::max(maxLines, files.longestFile());
}

// One expansion pass; returns whether any INCLUDE line was replaced by a file's lines.
bool expandOnce(const TracedLines& in, TracedLines& out, CommandFiles& files, const QString& listSourceFile,
                qsizetype maxLines) {
    bool expanded = false;
    for (qsizetype i = 0; i < in.lines.size(); ++i) {
        const QString& text = in.lines[i];
        if (TrimLine(text).isEmpty())
            continue;
        const QStringList fields = SplitFields(text);
        if (fields.size() != 2 || WordOf(fields[0]) != u"INCLUDE") {
            out.append(text, in.origins[size_t(i)]);
            continue;
        }
        const QString& name = fields[1];
        if (!fileExists(name))
            continue;
        const QString canonical = CommandFiles::canonicalName(name);
        if (in.origins[size_t(i)]->cameThrough(canonical))
            continue;
        const auto origin = std::make_shared<const Origin>(Origin{canonical, in.origins[size_t(i)]});
        const QStringList& included = files.lines(name);
        if (out.lines.size() + included.size() > lineLimit(files, maxLines))
            throw tooLong(listSourceFile, maxLines);
        for (const QString& line : included)
            out.append(line, origin);
        expanded = true;
    }
    return expanded;
}

} // namespace

void loadListFile(const QString& listSourceFile, QStringList& fileList, qsizetype maxLines) {
    CommandFiles files;
    loadListFile(listSourceFile, fileList, files, maxLines);
}

void loadListFile(const QString& listSourceFile, QStringList& fileList, CommandFiles& files,
                  qsizetype maxLines) {
    fileList.clear();
    if (!fileExists(listSourceFile))
        return;
    // The first line is decoded as the file's lines are, so it is the first of them. Blanks
    // around the name are not part of it; a name is rarely typed without a stray one.
    const QString named = TrimLine(files.lines(listSourceFile).value(0));
    const QString source = fileExists(named) ? named : listSourceFile;

    TracedLines current;
    const auto root = std::make_shared<const Origin>(Origin{CommandFiles::canonicalName(source), nullptr});
    for (const QString& line : files.lines(source))
        current.append(line, root);
    for (;;) {
        TracedLines next;
        const bool expanded = expandOnce(current, next, files, listSourceFile, maxLines);
        if (next.lines.size() > lineLimit(files, maxLines))
            throw tooLong(listSourceFile, maxLines);
        fileList = next.lines;
        if (!expanded)
            return;
        current = std::move(next);
    }
}

} // namespace veridi

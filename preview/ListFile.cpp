#include "ListFile.h"

#include "CommandLine.h"
#include "FileError.h"
#include "TextLines.h"

#include <QFileInfo>

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

QString canonicalName(const QString& fileName) {
    const QString canonical = QFileInfo(fileName).canonicalFilePath();
    return canonical.isEmpty() ? QFileInfo(fileName).absoluteFilePath() : canonical;
}

FileError tooLong(const QString& listSourceFile, qsizetype maxLines) {
    return FileError(QStringLiteral("The list of \"%1\" grows beyond %2 lines through its INCLUDE lines.")
                         .arg(listSourceFile)
                         .arg(maxLines));
}

// One expansion pass; returns whether any INCLUDE line was replaced by a file's lines.
bool expandOnce(const TracedLines& in, TracedLines& out, const QString& listSourceFile, qsizetype maxLines) {
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
        const QString canonical = canonicalName(name);
        if (in.origins[size_t(i)]->cameThrough(canonical))
            continue;
        const auto origin = std::make_shared<const Origin>(Origin{canonical, in.origins[size_t(i)]});
        const QStringList included = readCommandFile(name);
        if (out.lines.size() + included.size() > maxLines)
            throw tooLong(listSourceFile, maxLines);
        for (const QString& line : included)
            out.append(line, origin);
        expanded = true;
    }
    return expanded;
}

} // namespace

void loadListFile(const QString& listSourceFile, QStringList& fileList, qsizetype maxLines) {
    fileList.clear();
    if (!fileExists(listSourceFile))
        return;
    // Blanks around the name are not part of it; a name is rarely typed without a stray one.
    const QString named = TrimLine(readFirstLine(listSourceFile));
    const QString source = fileExists(named) ? named : listSourceFile;

    TracedLines current;
    const auto root = std::make_shared<const Origin>(Origin{canonicalName(source), nullptr});
    for (const QString& line : readCommandFile(source))
        current.append(line, root);
    for (;;) {
        TracedLines next;
        const bool expanded = expandOnce(current, next, listSourceFile, maxLines);
        if (next.lines.size() > maxLines)
            throw tooLong(listSourceFile, maxLines);
        fileList = next.lines;
        if (!expanded)
            return;
        current = std::move(next);
    }
}

} // namespace veridi

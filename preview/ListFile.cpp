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

// Lines with the file each came through. Lines of one file follow each other, so origins are
// kept per run of lines rather than per line: a long file costs one entry.
struct TracedLines {
    struct Run {
        qsizetype end; // one past the run's last line
        OriginPtr origin;
    };
    QStringList lines;
    std::vector<Run> runs;

    void append(const QString& line, const OriginPtr& origin) {
        lines << line;
        extend(origin);
    }
    void appendAll(const QStringList& more, const OriginPtr& origin) {
        if (lines.isEmpty())
            lines = more; // shared, not copied, until one of them changes
        else
            lines << more;
        extend(origin);
    }

    // The first count lines of other, with their origins.
    void takeFirst(const TracedLines& other, qsizetype count) {
        lines = other.lines.first(count);
        runs.clear();
        for (qsizetype start = 0; const Run& run : other.runs) {
            if (start >= count)
                break;
            runs.push_back(Run{std::min(run.end, count), run.origin});
            start = run.end;
        }
    }

private:
    void extend(const OriginPtr& origin) {
        if (!runs.empty() && runs.back().origin == origin)
            runs.back().end = lines.size();
        else
            runs.push_back(Run{lines.size(), origin});
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

// The first two fields of a line and how many it has: all an INCLUDE line needs, read without
// copying the others.
struct FirstTwoFields final : FieldSink {
    explicit FirstTwoFields(QStringView line) { splitFieldsInto(line, *this); }
    void field(QStringView text) override {
        if (count == 0)
            first = text.toString();
        else if (count == 1)
            second = text.toString();
        ++count;
    }
    QString first;
    QString second;
    qsizetype count = 0;
};

// One expansion pass; returns whether any INCLUDE line was replaced by a file's lines. Until
// the first line that is dropped or replaced, out is not written: a pass that changes nothing
// gives out the lines of in, shared rather than copied, as a long plain file would take much
// memory twice.
bool expandOnce(const TracedLines& in, TracedLines& out, CommandFiles& files, const QString& listSourceFile,
                qsizetype maxLines) {
    bool expanded = false;
    bool changed = false;
    const auto change = [&](qsizetype at) {
        if (!changed)
            out.takeFirst(in, at);
        changed = true;
    };
    size_t run = 0;
    for (qsizetype i = 0; i < in.lines.size(); ++i) {
        while (in.runs[run].end <= i)
            ++run;
        const OriginPtr& from = in.runs[run].origin;
        const QString& text = in.lines[i];
        if (trimmedView(text).isEmpty()) {
            change(i);
            continue;
        }
        const FirstTwoFields fields(text);
        if (fields.count != 2 || wordOf(fields.first) != u"INCLUDE") {
            if (changed)
                out.append(text, from);
            continue;
        }
        change(i);
        const QString& name = fields.second;
        const QString canonical = files.find(name);
        if (canonical.isEmpty() || from->cameThrough(canonical))
            continue;
        const auto origin = std::make_shared<const Origin>(Origin{canonical, from});
        const QStringList& included = files.lines(name);
        if (out.lines.size() + included.size() > lineLimit(files, maxLines))
            throw tooLong(listSourceFile, maxLines);
        out.appendAll(included, origin);
        expanded = true;
    }
    if (!changed)
        out = in;
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
    if (files.find(listSourceFile).isEmpty())
        return;
    // The first line is decoded as the file's lines are, so it is the first of them. Blanks
    // around the name are not part of it; a name is rarely typed without a stray one.
    const QString named = trimLine(files.lines(listSourceFile).value(0));
    const QString source = files.find(named).isEmpty() ? listSourceFile : named;

    TracedLines current;
    const auto root = std::make_shared<const Origin>(Origin{files.find(source), nullptr});
    current.appendAll(files.lines(source), root);
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

#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <span>
#include <vector>

namespace veridi {

// The keyword of a command line, read once when its list is parsed.
enum class Keyword : quint8 {
    TextOut,
    TextOutAngle,
    Line,
    Color,
    FontColor,
    FontSize,
    FontName,
    FontStyle,
    BrushColor,
    PenColor,
    PenWidth,
    PenSize,
    PenStyle,
    Picture,
    Header,
    Footer,
    PageTitle,
    SubTitle,
    InitParam,
    Other, // not a command: the line is skipped
};

// Where one field lies in the text of its command.
struct FieldSpan {
    qint32 offset;
    qint32 length;
};

// The fields of one command, read without copying them.
class CommandFields {
public:
    CommandFields(QStringView text, std::span<const FieldSpan> spans) : text_(text), spans_(spans) {}
    qsizetype size() const { return qsizetype(spans_.size()); }
    QStringView operator[](qsizetype i) const {
        return text_.sliced(spans_[size_t(i)].offset, spans_[size_t(i)].length);
    }

private:
    QStringView text_;
    std::span<const FieldSpan> spans_;
};

// A command list split into its commands once, so that a redraw reads the fields without
// splitting the lines again. It remembers the lines it was made from, so that a list whose
// content has changed is recognised however it was edited or replaced.
class ParsedCommands {
public:
    struct Command {
        Keyword keyword;
        bool tooManyFields; // the line has more than kMaxLineFields fields
        qint32 fieldCount;
        qsizetype textStart; // where its fields start in the list's text
        size_t firstSpan;
    };

    explicit ParsedCommands(const QStringList& lines);

    // The lines it was made from.
    const QStringList& source() const { return source_; }
    const std::vector<Command>& commands() const { return commands_; }
    CommandFields fields(const Command& command) const;

private:
    QStringList source_;
    QString text_; // the fields of every command back to back, quotes resolved
    std::vector<FieldSpan> spans_;
    std::vector<Command> commands_;
};

} // namespace veridi

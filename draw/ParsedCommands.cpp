#include "ParsedCommands.h"

#include "CommandLine.h"

#include <algorithm>

namespace veridi {
namespace {

struct KeywordName {
    const char16_t* word;
    Keyword keyword;
};

constexpr KeywordName keywordNames[] = {
    {u"TEXTOUT", Keyword::TextOut},
    {u"TEXTOUTANGLE", Keyword::TextOutAngle},
    {u"LINE", Keyword::Line},
    {u"COLOR", Keyword::Color},
    {u"FONTCOLOR", Keyword::FontColor},
    {u"FONTSIZE", Keyword::FontSize},
    {u"FONTNAME", Keyword::FontName},
    {u"FONTSTYLE", Keyword::FontStyle},
    {u"BRUSHCOLOR", Keyword::BrushColor},
    {u"PENCOLOR", Keyword::PenColor},
    {u"PENWIDTH", Keyword::PenWidth},
    {u"PENSIZE", Keyword::PenSize},
    {u"PENSTYLE", Keyword::PenStyle},
    {u"PICTURE", Keyword::Picture},
    {u"HEADER", Keyword::Header},
    {u"FOOTER", Keyword::Footer},
    {u"PAGETITLE", Keyword::PageTitle},
    {u"SUBTITLE", Keyword::SubTitle},
    {u"INITPARAM", Keyword::InitParam},
};

Keyword keywordOf(QStringView field) {
    // An ASCII word, the common case, is compared as it stands; any other is upper-cased first.
    const QStringView trimmed = trimmedView(field);
    const bool ascii = std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c.unicode() < 128; });
    const QString upper = ascii ? QString() : wordOf(field);
    for (const KeywordName& name : keywordNames)
        if (ascii ? trimmed.compare(QStringView(name.word), Qt::CaseInsensitive) == 0
                  : upper == QStringView(name.word))
            return name.keyword;
    return Keyword::Other;
}

// Puts a command's fields back to back into the list's text, recording where each lies.
class CommandSink final : public FieldSink {
public:
    CommandSink(QString& text, std::vector<FieldSpan>& spans, qsizetype textStart)
        : text_(text), spans_(spans), textStart_(textStart) {}
    void field(QStringView field) override {
        // A field is part of a line, and a line of a list is far shorter than 2^31 characters.
        spans_.push_back({qint32(text_.size() - textStart_), qint32(field.size())});
        text_ += field;
    }

private:
    QString& text_;
    std::vector<FieldSpan>& spans_;
    qsizetype textStart_;
};

} // namespace

ParsedCommands::ParsedCommands(const QStringList& lines) : source_(lines) {
    qsizetype characters = 0;
    for (const QString& line : lines)
        characters += line.size();
    text_.reserve(characters);
    for (const QString& line : lines) {
        const QStringView trimmed = trimmedView(line);
        if (trimmed.isEmpty())
            continue;
        Command command{Keyword::Other, false, 0, text_.size(), spans_.size()};
        CommandSink sink(text_, spans_, command.textStart);
        const qsizetype count = splitFieldsInto(trimmed, sink);
        if (count > kMaxLineFields) {
            // Only the keyword is kept, to name the error.
            command.tooManyFields = true;
            spans_.resize(command.firstSpan + 1);
            text_.truncate(command.textStart + spans_.back().length);
        }
        command.fieldCount = qint32(spans_.size() - command.firstSpan);
        command.keyword = keywordOf(fields(command)[0]);
        commands_.push_back(command);
    }
}

CommandFields ParsedCommands::fields(const Command& command) const {
    return {QStringView(text_).sliced(command.textStart),
            std::span<const FieldSpan>(spans_).subspan(command.firstSpan, size_t(command.fieldCount))};
}

} // namespace veridi

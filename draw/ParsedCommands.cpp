#include "ParsedCommands.h"

#include "CommandLine.h"

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
    const QString word = wordOf(field);
    for (const KeywordName& name : keywordNames)
        if (word == QStringView(name.word))
            return name.keyword;
    return Keyword::Other;
}

} // namespace

ParsedCommands::ParsedCommands(const QStringList& lines) : source_(lines) {
    qsizetype characters = 0;
    for (const QString& line : lines)
        characters += line.size();
    text_.reserve(characters);
    for (const QString& line : lines) {
        const QString trimmed = trimLine(line);
        if (trimmed.isEmpty())
            continue;
        QStringList fields = splitFields(trimmed);
        const bool tooMany = fields.size() > kMaxLineFields;
        if (tooMany)
            fields.resize(1); // only the keyword is needed to name the error
        Command command{keywordOf(fields.value(0)), tooMany, qint32(fields.size()), text_.size(),
                        spans_.size()};
        for (const QString& field : fields) {
            // A field is part of a line, and a line of a list is far shorter than 2^31 characters.
            spans_.push_back({qint32(text_.size() - command.textStart), qint32(field.size())});
            text_ += field;
        }
        commands_.push_back(command);
    }
}

CommandFields ParsedCommands::fields(const Command& command) const {
    return {QStringView(text_).sliced(command.textStart),
            std::span<const FieldSpan>(spans_).subspan(command.firstSpan, size_t(command.fieldCount))};
}

} // namespace veridi

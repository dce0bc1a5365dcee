#include "HelpText.h"

#include <QStringList>

namespace veridi::sheettool {
namespace {

const QString kTool = QStringLiteral("veridi-sheet");

// The options that steer the generator, shared by the subcommands that make problems.
std::vector<OptionHelp> generatorOptions() {
    return {
        {u"op"_qs, u"add|sub|mul|div"_qs, u"The operation. Default add."_qs},
        {u"rows"_qs, u"N"_qs,
         u"Rows of problems, 0 to 1000 (at most 10000 problems in all). Default 10, or the settings file's."_qs},
        {u"cols"_qs, u"N"_qs, u"Columns of problems, 0 to 1000. Default 1, or the settings file's."_qs},
        {u"first"_qs, u"MIN:MAX"_qs, u"The range of the first operand. Default 1:100."_qs},
        {u"second"_qs, u"MIN:MAX"_qs, u"The range of the second operand. Default 1:100."_qs},
        {u"count-first"_qs, {}, u"Count the first operand up from MIN instead of drawing it at random."_qs},
        {u"count-second"_qs, {}, u"Count the second operand up from MIN instead of drawing it at random."_qs},
        {u"domain"_qs, u"natural|zero|all"_qs,
         u"The numbers operands and answers may be: from 1, from 0, or any whole number. Default natural, or the settings file's."_qs},
        {u"answer-zero"_qs, u"allow|forbid"_qs,
         u"Whether an answer may be 0. Default forbid, or the settings file's."_qs},
        {u"answer-one"_qs, u"allow|forbid"_qs,
         u"Whether an answer may be 1. Default forbid, or the settings file's."_qs},
        {u"remainder"_qs, u"allow|forbid"_qs,
         u"Whether a division may leave a remainder. Default allow, or the settings file's."_qs},
        {u"d"_qs, u"D"_qs,
         u"The spread of the operands: 0 draws them evenly; otherwise from a bell curve centred on MIN "
         u"(D > 0) or MAX (D < 0) with standard deviation MAX / |D|. Default 0, or the settings file's."_qs},
        {u"seed"_qs, u"N"_qs,
         u"The seed of the random draws; the same seed makes the same problems. Default: the clock."_qs},
        {u"settings"_qs, u"FILE"_qs,
         u"Start from the values in this settings file (the program's veridi.ini). Default: the "
         u"program's first-start values."_qs},
        {u"confirm"_qs, u"yes|no"_qs,
         u"The answer to the question asked when a problem cannot meet the limits: yes keeps the "
         u"problem, no gives up (status 3). Default no."_qs},
    };
}

std::vector<OptionHelp> pageGeometryOptions() {
    return {
        {u"unit"_qs, u"pixel|inch|mm"_qs,
         u"The unit of the drawing commands. Default mm, or the settings file's."_qs},
        {u"screen-dpi"_qs, u"N"_qs, u"The screen's resolution, 1 to 9600 dots per inch. Default 96."_qs},
        {u"printer-dpi"_qs, u"X[:Y]"_qs,
         u"The printer's resolution, 1 to 9600 dots per inch. Default 600."_qs},
        {u"page"_qs, u"W:H"_qs,
         u"The printable page in printer dots. Default 4760:6814 (A4 at 600 dots per inch)."_qs},
    };
}

std::vector<OptionHelp> sheetOptions(const QString& modes, const QString& modeText) {
    std::vector<OptionHelp> options = generatorOptions();
    options.push_back({u"in"_qs, u"FILE"_qs,
                       u"Lay out these problems instead of making them: lines FIRST<TAB>SECOND[<TAB>ANSWER], "
                       u"- for standard input. Only --op, --rows, --cols and --settings go with it."_qs});
    options.push_back({u"mode"_qs, modes, modeText});
    for (OptionHelp& option : pageGeometryOptions())
        options.push_back(std::move(option));
    return options;
}

std::vector<SubcommandHelp> makeHelps() {
    std::vector<SubcommandHelp> helps;
    helps.push_back(
        {u"problems"_qs, u"[OPTIONS]"_qs,
         u"Makes a problem set as the program's 作成 button does and prints one problem a line: "
         u"FIRST<TAB>SECOND<TAB>ANSWER."_qs,
         generatorOptions(),
         u"veridi-sheet problems --op div --first 10:99 --second 2:9 --rows 5 --cols 2 --seed 1"_qs});

    helps.push_back(
        {u"recalc"_qs,
         u"--op add|sub|mul|div < PROBLEMS"_qs,
         u"Reads problems from standard input, one a line (FIRST<TAB>SECOND[<TAB>OLD ANSWER]), and "
         u"prints each one's answer as the program's 再計算 button works it out."_qs,
         {{u"op"_qs, u"add|sub|mul|div"_qs, u"The operation. Required."_qs}},
         u"printf '7\\t2\\n' | veridi-sheet recalc --op div"_qs});

    std::vector<OptionHelp> draw = {
        {u"output"_qs, u"FILE"_qs,
         u"Also -o FILE. The page image to write: .png, .bmp, .jpg or .jpeg. Required."_qs},
        {u"quality"_qs, u"N"_qs, u"The JPEG quality, 1 to 100. Default 90."_qs},
        {u"target"_qs, u"screen|printer"_qs,
         u"Draw the page as the preview shows it or as the printer prints it. Default screen."_qs},
        {u"grid"_qs, {}, u"Draw the grid of the preview."_qs},
        {u"ruler"_qs, {}, u"Draw the ruler of the preview."_qs},
        {u"note"_qs, u"TEXT"_qs, u"The note printed at the foot of the page. Default none."_qs},
    };
    for (OptionHelp& option : pageGeometryOptions())
        draw.push_back(std::move(option));
    helps.push_back(
        {u"draw"_qs, u"COMMANDFILE -o OUT [OPTIONS]"_qs,
         u"Draws a file of drawing commands (a background page, for example) as the preview draws "
         u"it and writes the page image."_qs,
         std::move(draw), u"veridi-sheet draw ZezaVivo.prv -o background.png --grid"_qs});

    helps.push_back(
        {u"page"_qs, u"--mode problems|answers [OPTIONS]"_qs,
         u"Lays out one worksheet page as the program does and prints its drawing commands."_qs,
         sheetOptions(u"problems|answers"_qs, u"The problems page or the answers page. Required."_qs),
         u"veridi-sheet page --mode answers --op add --seed 3"_qs});

    std::vector<OptionHelp> render =
        sheetOptions(u"problems|answers|both"_qs,
                     u"The problems page, the answers page, or both, for each sheet. Required."_qs);
    render.push_back(
        {u"output"_qs, u"FILE"_qs,
         u"Also -o FILE. A .pdf holds every page, as printed; an image (.png, .bmp, .jpg, .jpeg) is "
         u"one page, its answers page beside it as NAME-answers, and in a batch each sheet is "
         u"numbered: NAME-01.png, NAME-01-answers.png and so on. Required."_qs});
    render.push_back(
        {u"sheets"_qs, u"N"_qs,
         u"Make N different sheets, 1 to 10000, with the seeds SEED, SEED+1 and so on; the first "
         u"seed is printed so that the batch can be made again. Default 1."_qs});
    render.push_back({u"answers-at-end"_qs,
                      {},
                      u"In a PDF, put every problems page first and then every answers page, instead of each "
                      u"sheet's answers after its problems."_qs});
    helps.push_back({u"render"_qs, u"--mode problems|answers|both -o OUT [OPTIONS]"_qs,
                     u"Lays out and draws worksheet pages as the program prints them, into a PDF or page "
                     u"images."_qs,
                     std::move(render),
                     u"veridi-sheet render --op mul --sheets 30 --mode both --seed 7 -o class.pdf"_qs});
    return helps;
}

// Text broken into lines of at most width characters, each starting with indent.
QString wrapped(const QString& text, const QString& indent, qsizetype width = 78) {
    QString out;
    QString line = indent;
    for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (line.size() > indent.size() && line.size() + 1 + word.size() > width) {
            out += line + u'\n';
            line = indent;
        }
        if (line.size() > indent.size())
            line += u' ';
        line += word;
    }
    return out + line + u'\n';
}

QString optionTerm(const OptionHelp& option) {
    return option.value.isEmpty() ? u"--"_qs + option.name : u"--"_qs + option.name + u' ' + option.value;
}

// A text as troff reads it literally: backslashes and hyphens escaped, no line taken for a request.
QString troff(QString text) {
    text.replace(u'\\', u"\\e"_qs).replace(u'-', u"\\-"_qs);
    if (text.startsWith(u'.') || text.startsWith(u'\''))
        text.prepend(u"\\&"_qs);
    return text;
}

} // namespace

const std::vector<SubcommandHelp>& subcommandHelps() {
    static const std::vector<SubcommandHelp> helps = makeHelps();
    return helps;
}

const SubcommandHelp* subcommandHelp(const QString& name) {
    for (const SubcommandHelp& help : subcommandHelps())
        if (help.name == name)
            return &help;
    return nullptr;
}

QString overviewText() {
    QString text = u"usage: veridi-sheet SUBCOMMAND [OPTIONS]\n\n"_qs;
    text +=
        wrapped(u"Makes arithmetic worksheets from the command line, exactly as the Veridi program makes, "
                u"shows and prints them."_qs,
                {});
    text += u"\nSubcommands:\n"_qs;
    for (const SubcommandHelp& help : subcommandHelps()) {
        text += u"  "_qs + help.name + u'\n';
        text += wrapped(help.purpose, u"      "_qs);
    }
    text += u"\n\"veridi-sheet SUBCOMMAND --help\" describes a subcommand's options.\n\nExample:\n  "_qs +
            subcommandHelp(u"render"_qs)->example + u'\n';
    return text;
}

QString helpText(const SubcommandHelp& help) {
    QString text = u"usage: "_qs + kTool + u' ' + help.name + u' ' + help.arguments + u"\n\n"_qs;
    text += wrapped(help.purpose, {});
    text += u"\nOptions (--NAME VALUE or --NAME=VALUE):\n"_qs;
    for (const OptionHelp& option : help.options) {
        text += u"  "_qs + optionTerm(option) + u'\n';
        text += wrapped(option.text, u"      "_qs);
    }
    text += u"  -h, --help\n      Print this help and exit.\n\nExample:\n  "_qs + help.example + u'\n';
    return text;
}

QString manPage() {
    QString page = u".TH VERIDI-SHEET 1 \"\" \"Veridi 1.6\" \"User Commands\"\n"_qs;
    page += u".SH NAME\nveridi\\-sheet \\- make arithmetic worksheets from the command line\n"_qs;
    page += u".SH SYNOPSIS\n"_qs;
    for (const SubcommandHelp& help : subcommandHelps())
        page += u".B veridi\\-sheet "_qs + help.name + u"\n"_qs + troff(help.arguments) + u"\n.br\n"_qs;
    page += u".SH DESCRIPTION\n"_qs +
            troff(u"Makes arithmetic worksheets from the command line, exactly as the Veridi program makes, "
                  u"shows and prints them. Every subcommand prints its options with --help (or -h). A bad "
                  u"option or value is told in one line on standard error, with exit status 2."_qs) +
            u'\n';
    for (const SubcommandHelp& help : subcommandHelps()) {
        page += u".SH "_qs + help.name.toUpper() + u"\n"_qs + troff(help.purpose) + u'\n';
        for (const OptionHelp& option : help.options)
            page += u".TP\n.B "_qs + troff(optionTerm(option)) + u'\n' + troff(option.text) + u'\n';
        page += u".PP\nExample:\n.PP\n.nf\n"_qs + troff(help.example) + u"\n.fi\n"_qs;
    }
    return page;
}

} // namespace veridi::sheettool

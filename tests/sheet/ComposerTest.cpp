#include "ComposerHarness.h"

#include "CommandLine.h"

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::ComposerHarness;

namespace {

// The lines of a list whose keyword is one of the given ones.
QStringList linesWith(const QStringList& list, const QStringList& keywords) {
    QStringList out;
    for (const QString& line : list)
        if (keywords.contains(wordOf(splitFields(line).value(0))))
            out << line;
    return out;
}

// Field k of a line, read as a real.
Real realField(const QString& line, int k) {
    return readReal(splitFields(line).value(k));
}

QString textField(const QString& line) {
    return splitFields(line).value(3);
}

QStringList texts(const QStringList& list) {
    QStringList out;
    for (const QString& line : linesWith(list, {"TEXTOUT"}))
        out << textField(line);
    return out;
}

} // namespace

TEST(Composer, FreshInstallProblemsPage) {
    ComposerHarness h;
    h.problems = {{"12", "5"}, {"34", "-6"}, {"46", "-1"}};
    const QStringList expected = {
        "INITPARAM",
        "FontName,\"ＭＳ 明朝\"",
        "FontSize,11",
        "Header,\"\",0, 0.00000000000000E+0000, 0.00000000000000E+0000",
        "FontSize,9",
        "Footer,\"\",0, 0.00000000000000E+0000, 0.00000000000000E+0000",
        "FontSize,24",
        "PageTitle,\"かずの計算\",4, 1.00000000000000E+0001, 1.00000000000000E+0001",
        "FontSize,12",
        "SubTitle,\"たしざんのもんだい\",4, 1.00000000000000E+0001, 3.60000000000000E+0001",
        "FontSize,11",
        "TextOut, 8.00000000000000E+0001, 1.23812500000000E+0001,\" 　　月　　日　　　時　　分 ～　　　時　　分 \",NIL",
        "TextOut, 8.00000000000000E+0001, 2.66687500000000E+0001,\"　なまえ \",NIL",
        "PenSize,1",
        "Line, 8.00000000000000E+0001, 1.00000000000000E+0001, 1.75250000000000E+0002, 1.00000000000000E+0001",
        "Line, 1.75250000000000E+0002, 1.00000000000000E+0001, 1.75250000000000E+0002, 3.85750000000000E+0001",
        "Line, 1.75250000000000E+0002, 3.85750000000000E+0001, 8.00000000000000E+0001, 3.85750000000000E+0001",
        "Line, 8.00000000000000E+0001, 3.85750000000000E+0001, 8.00000000000000E+0001, 1.00000000000000E+0001",
        "Line, 8.00000000000000E+0001, 1.95250000000000E+0001, 1.75250000000000E+0002, 1.95250000000000E+0001",
        "PenSize,1",
        "PenStyle,psSolid",
        "FontSize,12",
        "TextOut, 1.00000000000000E+0001, 4.44395833333333E+0001,\"( 1)\",Nil",
        "FontName,\"ＭＳ Ｐゴシック\"",
        "FontSize,24",
        "TextOut, 2.84666666666667E+0001, 4.44395833333333E+0001,\"12 ＋ 34 = \",Nil",
        "FontName,\"ＭＳ 明朝\"",
        "FontSize,12",
        "TextOut, 1.00000000000000E+0001, 6.78415583333333E+0001,\"( 2)\",Nil",
        "FontName,\"ＭＳ Ｐゴシック\"",
        "FontSize,24",
        "TextOut, 2.84666666666667E+0001, 6.78415583333333E+0001,\"5 ＋(-6)= \",Nil",
    };
    EXPECT_EQ(h.compose(SheetComposer::Problems), expected);
    EXPECT_EQ(h.redraws, 1);
    // The subtitle raised the top margin to 36 + h; the grid starts 5 below it.
    const Real lineHeight = h.settings.WindowTop - 36;
    EXPECT_NEAR(double(lineHeight), 13 * 25.4 / 96, 1e-9); // 9 points on a 96 dpi screen: 13 pixels
    EXPECT_NEAR(double(h.composer.WindowUpper), double(41 + lineHeight), 1e-9);
}

TEST(Composer, GridIsFilledColumnByColumnAndStopsWithTheProblems) {
    ComposerHarness h;
    h.settings.ExamRowN = 5;
    h.settings.ExamColN = 2;
    h.settings.fExNum = false;
    for (int i = 1; i <= 13; ++i) {
        h.problems.first << QString::number(i);
        h.problems.second << u"1"_qs;
    }
    QStringList cells = linesWith(h.compose(SheetComposer::Problems), {"TEXTOUT"}).mid(2);
    ASSERT_EQ(cells.size(), 10); // 10 cells, 13 problems
    const Real left = realField(cells[0], 1);
    const Real right = realField(cells[5], 1);
    const Real cellW = (h.composer.WindowInner - h.settings.WindowLeft) / 2;
    EXPECT_NEAR(double(left), 10 + 10, 1e-9); // numbers off: the left edge plus the gap
    EXPECT_NEAR(double(right - left), double(cellW), 1e-9);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(textField(cells[i]), QStringLiteral("%1 ＋ 1 = ").arg(i + 1));
        EXPECT_EQ(textField(cells[i + 5]), QStringLiteral("%1 ＋ 1 = ").arg(i + 6));
        EXPECT_EQ(realField(cells[i], 2), realField(cells[i + 5], 2)); // each column starts at the top
    }
    EXPECT_LT(realField(cells[0], 2), realField(cells[1], 2));

    // Fewer problems than cells: the grid stops with the last one both operand lists hold.
    ComposerHarness shortSet;
    shortSet.settings.ExamRowN = 10;
    shortSet.settings.ExamColN = 2;
    shortSet.problems = {{"1", "2", "3", "4"}, {"1", "2", "3"}, {}};
    const QStringList written = texts(shortSet.compose(SheetComposer::Problems));
    EXPECT_EQ(written.filter(u"＋"_qs).size(), 3);
    EXPECT_EQ(written.filter(u"( "_qs).size(), 3);
}

TEST(Composer, AnswersPageWritesTheAnswerWhereTheProblemWas) {
    ComposerHarness problemsPage;
    problemsPage.problems = {{"7", "8"}, {"2", "0"}, {u"3 あまり 1"_qs}};
    problemsPage.sign = QStringLiteral("÷");
    problemsPage.tab = 3;
    const QStringList problems = linesWith(problemsPage.compose(SheetComposer::Problems), {"TEXTOUT"});

    ComposerHarness answersPage;
    answersPage.problems = problemsPage.problems;
    answersPage.sign = problemsPage.sign;
    answersPage.tab = 3;
    const QStringList list = answersPage.compose(SheetComposer::Answers);
    EXPECT_EQ(splitFields(linesWith(list, {"SUBTITLE"}).value(0)).value(1),
              QStringLiteral("たしざんのもんだい (答)"));
    const QStringList answers = linesWith(list, {"TEXTOUT"});
    ASSERT_EQ(answers.size(), problems.size());
    EXPECT_EQ(textField(answers[2]), u"( 1)"_qs);
    EXPECT_EQ(textField(answers[3]), QStringLiteral("3 あまり 1"));
    EXPECT_EQ(textField(answers[5]), QString()); // a missing answer line is an empty text
    for (qsizetype i = 0; i < answers.size(); ++i) {
        EXPECT_EQ(realField(answers[i], 1), realField(problems[i], 1));
        EXPECT_EQ(realField(answers[i], 2), realField(problems[i], 2));
    }

    ComposerHarness emptySubtitle;
    emptySubtitle.settings.sSubTitle.clear();
    emptySubtitle.problems = {{"1"}, {"1"}, {"2"}};
    EXPECT_EQ(
        splitFields(linesWith(emptySubtitle.compose(SheetComposer::Answers), {"SUBTITLE"}).value(0)).value(1),
        QStringLiteral(" (答)"));
}

TEST(Composer, InlineFormCarriesTheAnswerOnlyWhenAskedTo) {
    ComposerHarness h;
    h.settings.AnswerType = 2;
    h.problems = {{"12"}, {"34"}, {"46"}};
    EXPECT_EQ(texts(h.compose(SheetComposer::Problems)).last(), QStringLiteral("12 ＋ 34 = 46"));
    h.settings.ExamType = true;
    EXPECT_FALSE(texts(h.compose(SheetComposer::Problems)).join(u'|').contains(u"46"_qs));
}

TEST(Composer, LongHandColumnForm) {
    ComposerHarness h;
    h.settings.ExamType = true;
    h.settings.fExNum = false;
    h.sign = QStringLiteral("－");
    h.tab = 1;
    h.problems = {{" 7"}, {"123 "}, {}};
    const QStringList list = h.compose(SheetComposer::Problems);
    const QStringList cell = list.mid(list.size() - 4); // after the font commands
    ASSERT_EQ(cell.size(), 4);
    EXPECT_EQ(textField(cell[0]), u"  7"_qs);
    EXPECT_EQ(textField(cell[1]), u"123"_qs);
    EXPECT_EQ(textField(cell[2]), QStringLiteral("－  "));
    EXPECT_TRUE(cell[3].startsWith(u"Line,"_qs));

    const Real tx = realField(cell[2], 1);
    const Real ty = realField(cell[0], 2);
    const Real sh = realField(cell[1], 2) - ty;
    EXPECT_GT(sh, 0);
    EXPECT_GT(realField(cell[0], 1), tx); // the operands stand one sign width to the right
    EXPECT_EQ(realField(cell[0], 1), realField(cell[1], 1));
    EXPECT_EQ(realField(cell[3], 1), tx);
    EXPECT_NEAR(double(realField(cell[3], 2)), double(ty + 2 * sh), 1e-9);
    EXPECT_GT(realField(cell[3], 3), realField(cell[0], 1));
}

TEST(Composer, LongHandDivisionForm) {
    ComposerHarness h;
    h.settings.ExamType = true;
    h.settings.fExNum = false;
    h.sign = QStringLiteral("÷");
    h.tab = 3;
    h.problems = {{"84"}, {"4"}, {"21"}};
    const QStringList list = h.compose(SheetComposer::Problems);
    const QStringList cell = list.mid(list.size() - 4); // after the font commands
    ASSERT_EQ(cell.size(), 4);
    EXPECT_EQ(textField(cell[0]), u"4"_qs);
    EXPECT_EQ(textField(cell[1]), u")"_qs);
    EXPECT_EQ(textField(cell[2]), u"84"_qs);
    const Real xp = realField(cell[1], 1);
    const Real pw = realField(cell[2], 1) - xp;
    EXPECT_GT(xp, realField(cell[0], 1));
    EXPECT_NEAR(double(realField(cell[3], 1)), double(xp + pw / 2), 1e-9); // the bar starts mid-parenthesis
    EXPECT_EQ(realField(cell[3], 2), realField(cell[0], 2));
    EXPECT_EQ(realField(cell[3], 4), realField(cell[0], 2));
    EXPECT_GT(realField(cell[3], 3), realField(cell[2], 1));
}

TEST(Composer, HeaderAndFooterMayShowTheDateAndTime) {
    ComposerHarness h;
    h.settings.sHeader = u"%d"_qs;
    h.settings.sFooter = u"%t"_qs;
    h.problems = {{"1"}, {"1"}, {}};
    const QStringList list = h.compose(SheetComposer::Problems);
    const QDateTime moment(QDate(2026, 12, 9), QTime(8, 30, 15));
    EXPECT_EQ(splitFields(linesWith(list, {"HEADER"})[0]).value(1),
              QLocale::system().toString(moment.date(), QLocale::ShortFormat));
    EXPECT_EQ(splitFields(linesWith(list, {"FOOTER"})[0]).value(1),
              QLocale::system().toString(moment.time(), QLocale::LongFormat));
    h.settings.sHeader = u"%d %t"_qs; // only the exact texts stand for the moment
    EXPECT_EQ(splitFields(linesWith(h.compose(0), {"HEADER"})[0]).value(1), u"%d %t"_qs);
}

TEST(Composer, MarginsAreRaisedNeverLowered) {
    ComposerHarness h;
    h.engine.SubTitle.psY = u"0"_qs;
    h.engine.PageTitle.psPos = 0; // a title that is not drawn still raises the margin
    h.engine.PageTitle.psY = u"20"_qs;
    h.settings.sDateTime.clear();
    h.settings.WindowBottom = 4;
    h.problems = {{"1"}, {"1"}, {}};
    h.compose(SheetComposer::Problems);
    const Real lineHeight = 13 * Real(25.4) / 96;
    EXPECT_NEAR(double(h.settings.WindowTop), double(20 + lineHeight), 1e-9);
    EXPECT_NEAR(double(h.composer.WindowUpper), double(25 + lineHeight), 1e-9);
    EXPECT_EQ(h.settings.WindowBottom, 10);

    h.settings.WindowTop = 100;
    h.settings.WindowBottom = 12;
    h.compose(SheetComposer::Problems);
    EXPECT_EQ(h.settings.WindowTop, 100);
    EXPECT_EQ(h.settings.WindowBottom, 12);
}

TEST(Composer, PageDependsOnNothingComposedBefore) {
    // Composing leaves the problem font on the measuring canvases; the next page must not
    // measure its margin in it.
    ComposerHarness h;
    h.settings.FntExam.Size = 40;
    h.problems = {{"1", "2"}, {"3", "4"}, {"4", "6"}};
    const std::string first = h.compose(SheetComposer::Problems).join(u'\n').toStdString();
    const double raisedTop = h.settings.WindowTop;
    h.compose(SheetComposer::Answers);
    EXPECT_EQ(h.compose(SheetComposer::Problems).join(u'\n').toStdString(), first);
    EXPECT_EQ(h.settings.WindowTop, raisedTop) << "the raised margin is a fixed point";
}

TEST(Composer, FontCommandsOnlyForWhatChanges) {
    ComposerHarness h;
    h.composer.EmitFontChange(h.composer.CurFont);
    EXPECT_TRUE(h.engine.ListbyProgram.isEmpty());

    DrawFont F = h.composer.CurFont;
    F.bold = true;
    F.italic = true;
    F.color = QColor(255, 0, 0);
    F.underline = true; // never emitted
    h.composer.EmitFontChange(F);
    h.composer.EmitFontChange(F);
    F.bold = false;
    h.composer.EmitFontChange(F);
    EXPECT_EQ(h.engine.ListbyProgram,
              QStringList({"FontColor,RED", "FontStyle,BOLD", "FontStyle,ITALIC", "FontStyle,BOLD-"}));

    h.engine.ListbyProgram.clear();
    h.composer.ResetCurFont();
    F = h.composer.CurFont;
    F.name = QStringLiteral("My \"Face\"");
    h.composer.EmitFontChange(F);
    EXPECT_EQ(h.engine.ListbyProgram, QStringList({"FontName,\"My \"\"Face\"\"\""}));
}

TEST(Composer, TheProblemFontKeepsItsColour) {
    ComposerHarness h;
    h.settings.FntExam.Color = 0xFF0000; // blue, stored as 0x00BBGGRR
    h.settings.FntExam.Bold = true;
    h.problems = {{"1", "2"}, {"1", "2"}, {}};
    const QStringList list = h.compose(SheetComposer::Problems);
    EXPECT_EQ(list.count(u"FontColor,BLUE"_qs), 2);
    EXPECT_EQ(list.count(u"FontColor,BLACK"_qs), 1); // back to the subtitle's black for number 2
}

TEST(Composer, NothingToLayOutOrNoGrid) {
    ComposerHarness h;
    h.engine.ListbyProgram = QStringList({"kept"});
    h.problems = {{}, {"1"}, {}};
    EXPECT_EQ(h.compose(SheetComposer::Problems), QStringList({"kept"}));
    EXPECT_EQ(h.redraws, 0);

    ComposerHarness noRows;
    noRows.settings.ExamRowN = 0;
    noRows.problems = {{"1"}, {"1"}, {}};
    const QStringList list = noRows.compose(SheetComposer::Problems);
    EXPECT_EQ(list.last(), u"PenStyle,psSolid"_qs);
    EXPECT_EQ(noRows.redraws, 1);
}

TEST(Composer, CoordinateTextsThatAreNotNumbersCountAsZero) {
    ComposerHarness h;
    h.engine.PageTitle.psX = u"abc"_qs;
    h.engine.PageTitle.psY = u"12mm"_qs;
    h.problems = {{"1"}, {"1"}, {}};
    const QString title = linesWith(h.compose(SheetComposer::Problems), {"PAGETITLE"}).value(0);
    EXPECT_EQ(realField(title, 3), 0);
    EXPECT_EQ(realField(title, 4), 0);
}

TEST(Composer, FrameIsDottedAroundTheGridArea) {
    ComposerHarness h;
    h.settings.WindowFrame = true;
    h.problems = {{"1"}, {"1"}, {}};
    const QStringList list = h.compose(SheetComposer::Problems);
    const qsizetype dot = list.indexOf(u"PenStyle,psDot"_qs);
    ASSERT_GT(dot, 0);
    EXPECT_EQ(list[dot - 1], u"PenSize,1"_qs);
    const QString& top = list[dot + 1];
    EXPECT_NEAR(double(realField(top, 1)), h.settings.WindowLeft, 1e-9);
    EXPECT_NEAR(double(realField(top, 2)), double(h.composer.WindowUpper), 1e-9);
    EXPECT_NEAR(double(realField(top, 3)), double(h.composer.WindowInner), 1e-9);
    EXPECT_NEAR(double(realField(list[dot + 2], 4)), double(h.composer.WindowUnder), 1e-9);
    // The printable page is 4760 × 6814 dots at 600 dpi, in millimetres.
    EXPECT_NEAR(double(h.composer.WindowInner), 4760 * 25.4 / 600 - 10, 1e-6);
    EXPECT_NEAR(double(h.composer.WindowUnder), 6814 * 25.4 / 600 - 10, 1e-6);
    EXPECT_EQ(list[dot + 5], u"PenSize,1"_qs);
    EXPECT_EQ(list[dot + 6], u"PenStyle,psSolid"_qs);
}

#include "SheetToolRun.h"
#include "TempFiles.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

namespace veridi {
namespace {

using test::fieldsOf;
using test::matchesFields;
using test::realField;
using test::runSheet;
using test::ToolRun;

const QString kDateLine = QStringLiteral(" 　　月　　日　　　時　　分 ～　　　時　　分 ");

// The command lines of a page, as fields.
QList<QStringList> commandsOf(const ToolRun& run) {
    QList<QStringList> commands;
    for (const QString& line : run.lines())
        commands << fieldsOf(line);
    return commands;
}

// The text commands whose text is exactly this.
QList<QStringList> textsOf(const QList<QStringList>& commands, const QString& text) {
    QList<QStringList> found;
    for (const QStringList& c : commands)
        if (c.value(0) == u"TextOut" && c.value(3) == text)
            found << c;
    return found;
}

// The index of the first command from `from` on that is this command word, or -1.
qsizetype indexOf(const QList<QStringList>& commands, const QString& word, qsizetype from = 0) {
    for (qsizetype i = from; i < commands.size(); ++i)
        if (commands[i].value(0) == word)
            return i;
    return -1;
}

QByteArray settingsFile(const QString& text) {
    return encodeCp932(QString(text).replace(u"\n"_qs, u"\r\n"_qs));
}

TEST(PageCommand, FreshInstallProblemsPageIsTheComposersSequence) {
    test::WorkFolder folder;
    folder.write("two.txt", "12\t34\t46\n5\t-6\t-1\n");
    const ToolRun run = runSheet({"page", "--mode", "problems", "--in", "two.txt"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QList<QStringList> expected = {
        {"INITPARAM"},
        {"FontName", "ＭＳ 明朝"},
        {"FontSize", "11"},
        {"Header", "", "0", "0", "0"},
        {"FontSize", "9"},
        {"Footer", "", "0", "0", "0"},
        {"FontSize", "24"},
        {"PageTitle", "かずの計算", "4", "10", "10"},
        {"FontSize", "12"},
        {"SubTitle", "たしざんのもんだい", "4", "10", "36"},
        {"FontSize", "11"},
        {"TextOut", "80", "*", kDateLine, "NIL"},
        {"TextOut", "80", "*", "　なまえ ", "NIL"},
        {"PenSize", "1"},
        {"Line", "80", "10", "*", "10"},
        {"Line", "*", "10", "*", "*"},
        {"Line", "*", "*", "80", "*"},
        {"Line", "80", "*", "80", "10"},
        {"Line", "80", "*", "*", "*"},
        {"PenSize", "1"},
        {"PenStyle", "psSolid"},
        {"FontSize", "12"},
        {"TextOut", "10", "*", "( 1)", "Nil"},
        {"FontName", "ＭＳ Ｐゴシック"},
        {"FontSize", "24"},
        {"TextOut", "*", "*", "12 ＋ 34 = ", "Nil"},
        {"FontName", "ＭＳ 明朝"},
        {"FontSize", "12"},
        {"TextOut", "10", "*", "( 2)", "Nil"},
        {"FontName", "ＭＳ Ｐゴシック"},
        {"FontSize", "24"},
        {"TextOut", "*", "*", "5 ＋(-6)= ", "Nil"},
    };
    const QList<QStringList> commands = commandsOf(run);
    ASSERT_EQ(commands.size(), expected.size()) << run.out.toStdString();
    for (qsizetype i = 0; i < commands.size(); ++i)
        EXPECT_TRUE(matchesFields(commands[i], expected[i]))
            << "line " << i + 1 << ": " << commands[i].join(u'|').toStdString();
    // The subtitle at 36 and the date box's divider at 10 + 2H raise the top margin; the grid
    // starts 5 below it.
    const double H = (realField(commands[12], 2) - realField(commands[11], 2)) / 3;
    EXPECT_TRUE(matchesFields(commands[18], {"Line", "80", QString::number(10 + 2 * H, 'g', 17), "*", "*"}));
    const double gridTop = realField(commands[22], 2);
    EXPECT_GT(gridTop, 41);
    EXPECT_GE(gridTop, 10 + 2 * H + 5 - 1e-9);
    // A number and its problem share the line.
    EXPECT_EQ(realField(commands[22], 2), realField(commands[25], 2));
    // Measured in the program's fonts: 12 points of the date box's measure are 18 pixels, the
    // 9 points the grid's raise is measured in are 13, on a 96 dpi screen.
    EXPECT_NEAR(H, 18 * 25.4 / 96, 1e-9);
    EXPECT_NEAR(gridTop, 41 + 13 * 25.4 / 96, 1e-9);
}

TEST(PageCommand, AnswersPageWritesEachAnswerWhereItsProblemWas) {
    test::WorkFolder folder;
    folder.write("set.txt", "12\t34\t46\r\n7\t2\t3 あまり 1\r\n9\t9\r\n");
    const ToolRun problems = runSheet({"page", "--mode=problems", "--in=set.txt", "--op=div"});
    const ToolRun answers = runSheet({"page", "--mode", "answers", "--in", "set.txt", "--op", "div"});
    ASSERT_EQ(problems.status, 0) << problems.err.toStdString();
    ASSERT_EQ(answers.status, 0) << answers.err.toStdString();
    const auto p = commandsOf(problems);
    const auto a = commandsOf(answers);
    EXPECT_EQ(p[indexOf(p, "SubTitle")].value(1), QStringLiteral("たしざんのもんだい"));
    EXPECT_EQ(a[indexOf(a, "SubTitle")].value(1), QStringLiteral("たしざんのもんだい (答)"));
    const QStringList problemTexts = {"12 ÷ 34 = ", "7 ÷ 2 = ", "9 ÷ 9 = "};
    const QStringList answerTexts = {"46", "3 あまり 1", ""};
    for (int n = 0; n < 3; ++n) {
        const QString number = QStringLiteral("(%1)").arg(n + 1, 2);
        ASSERT_EQ(textsOf(p, number).size(), 1) << n;
        ASSERT_EQ(textsOf(a, number).size(), 1) << n;
        EXPECT_EQ(textsOf(p, number)[0], textsOf(a, number)[0]) << n;
        const auto problem = textsOf(p, problemTexts[n]);
        const auto answer = textsOf(a, answerTexts[n]);
        ASSERT_EQ(problem.size(), 1) << n;
        ASSERT_EQ(answer.size(), 1) << n;
        EXPECT_EQ(problem[0].mid(1, 2), answer[0].mid(1, 2)) << n;
    }
}

TEST(PageCommand, SettingsFileGivesTheLayoutThePageStringsAndTheForm) {
    test::WorkFolder folder;
    folder.write("v.ini", settingsFile("[Exam]\nRow=2\nCol=2\nType=1\nNumber=0\nSeparate=3\n"
                                       "[Window]\nLeft=20\n[Page]\nPagetitle=計算ドリル\nDateTime=\n"
                                       "[PageTitle]\nPos=4\nX=30\nY=15\nSize=18\n"));
    folder.write("four.txt", "7\t123\n1\t2\n30\t4\n5\t6\n");
    const ToolRun run =
        runSheet({"page", "--mode", "problems", "--in", "four.txt", "--settings", "v.ini", "--op", "sub"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const auto c = commandsOf(run);
    const qsizetype title = indexOf(c, "PageTitle");
    ASSERT_GT(title, 0);
    EXPECT_TRUE(matchesFields(c[title], {"PageTitle", "計算ドリル", "4", "30", "15"}));
    EXPECT_TRUE(matchesFields(c[title - 1], {"FontSize", "18"}));
    // An empty date line: no date box, so the first line drawn is a long-hand rule.
    EXPECT_GT(indexOf(c, "Line"), indexOf(c, "PenStyle"));
    // Long hand with the subtraction sign, operands right-aligned, no numbers: the sign starts
    // at the left margin plus the gap.
    const auto first = textsOf(c, "  7");
    const auto signs = textsOf(c, "－  ");
    ASSERT_EQ(first.size(), 1);
    ASSERT_EQ(signs.size(), 4);
    EXPECT_NEAR(realField(signs[0], 1), 20 + 3, 1e-9);
    // Two rows by two columns, filled column by column: problem 3 tops the second column.
    const auto second = textsOf(c, "1");
    const auto third = textsOf(c, "30");
    ASSERT_EQ(second.size(), 1);
    ASSERT_EQ(third.size(), 1);
    EXPECT_EQ(realField(second[0], 1), realField(first[0], 1));
    EXPECT_GT(realField(second[0], 2), realField(first[0], 2));
    EXPECT_GT(realField(third[0], 1), realField(first[0], 1));
    EXPECT_EQ(realField(third[0], 2), realField(first[0], 2));
}

TEST(PageCommand, TheDivisionOperationSelectsTheDivisionTabsLongHandForm) {
    test::WorkFolder folder;
    folder.write("v.ini", settingsFile("[Exam]\nRow=1\nCol=1\nType=1\nNumber=0\n"));
    folder.write("one.txt", " 84 \t 4 \t21\n");
    const ToolRun run =
        runSheet({"page", "--mode", "problems", "--in", "one.txt", "--settings", "v.ini", "--op", "div"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    QStringList texts;
    for (const QStringList& command : commandsOf(run))
        if (command.value(0) == u"TextOut")
            texts << command.value(3);
    // Divisor, bracket and dividend instead of the operands over each other with the sign.
    EXPECT_EQ(texts.mid(texts.size() - 3), QStringList({"4", ")", "84"}));
}

TEST(PageCommand, TheStoredUnitMeasuresUnlessTheOptionOverridesIt) {
    test::WorkFolder folder;
    folder.write("pixel.ini", settingsFile("[Unit]\nType=0\n"));
    folder.write("one.txt", "1\t2\t3\n");
    // With numbers on, the problem starts at the left margin + the number's width + the gap,
    // so the number's width shows the unit it was measured in.
    const auto numberWidth = [](const ToolRun& run) {
        const auto c = commandsOf(run);
        return realField(textsOf(c, "1 ＋ 2 = ").value(0), 1) - 10 - 10;
    };
    const ToolRun stored =
        runSheet({"page", "--mode", "problems", "--in", "one.txt", "--settings", "pixel.ini"});
    const ToolRun mm = runSheet(
        {"page", "--mode", "problems", "--in", "one.txt", "--settings", "pixel.ini", "--unit", "mm"});
    const ToolRun inch = runSheet({"page", "--mode", "problems", "--in", "one.txt", "--unit", "inch"});
    ASSERT_EQ(stored.status, 0) << stored.err.toStdString();
    ASSERT_EQ(mm.status, 0) << mm.err.toStdString();
    ASSERT_EQ(inch.status, 0) << inch.err.toStdString();
    ASSERT_GT(numberWidth(mm), 0);
    // 600 printer dots to the inch, 25.4 mm to the inch.
    EXPECT_NEAR(numberWidth(stored) / numberWidth(mm), 600 / 25.4, 0.5);
    EXPECT_NEAR(numberWidth(mm) / numberWidth(inch), 25.4, 0.5);
}

TEST(PageCommand, GeneratedProblemsAreTheProblemsSubcommandsSet) {
    test::WorkFolder folder;
    const QStringList options = {"--op", "mul", "--rows", "3", "--cols", "2", "--seed", "77"};
    const ToolRun set = runSheet(QStringList{"problems"} + options);
    const ToolRun page = runSheet(QStringList{"page", "--mode", "answers"} + options);
    ASSERT_EQ(set.status, 0) << set.err.toStdString();
    ASSERT_EQ(page.status, 0) << page.err.toStdString();
    const auto c = commandsOf(page);
    const QStringList lines = set.lines();
    ASSERT_EQ(lines.size(), 6);
    for (int n = 0; n < 6; ++n) {
        // The answer follows its number on the page.
        const qsizetype number = c.indexOf(textsOf(c, QStringLiteral("(%1)").arg(n + 1, 2)).value(0));
        ASSERT_GE(number, 0) << n;
        const qsizetype answer = indexOf(c, "TextOut", number + 1);
        ASSERT_GT(answer, 0) << n;
        EXPECT_EQ(c[answer].value(3), lines[n].section(u'\t', 2)) << n;
    }
}

TEST(PageCommand, TheGeneratorsQuestionEndsWithStatusThreeUnlessConfirmed) {
    test::WorkFolder folder;
    const QStringList impossible = {"--op", "sub",    "--first", "1:1",    "--second",
                                    "1:1",  "--rows", "1",       "--cols", "1"};
    const ToolRun no = runSheet(QStringList{"page", "--mode", "problems"} + impossible);
    EXPECT_EQ(no.status, 3);
    EXPECT_TRUE(no.out.isEmpty());
    EXPECT_EQ(no.err.trimmed(), QStringLiteral("最大値や最小値の条件は合っていますか?"));
    const ToolRun yes = runSheet(QStringList{"page", "--mode", "problems", "--confirm", "yes"} + impossible);
    EXPECT_EQ(yes.status, 0);
    EXPECT_EQ(textsOf(commandsOf(yes), "1 － 1 = ").size(), 1) << yes.out.toStdString();
}

TEST(PageCommand, ProblemsFromTheStandardInput) {
    test::WorkFolder folder;
    const ToolRun run = runSheet({"page", "--mode", "problems", "--in", "-", "--rows", "1"}, "8\t1\n9\t1\n");
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const auto c = commandsOf(run);
    EXPECT_EQ(textsOf(c, "8 ＋ 1 = ").size(), 1);
    // One row, one column: the second problem has no cell.
    EXPECT_EQ(textsOf(c, "9 ＋ 1 = ").size(), 0);
}

TEST(PageCommand, BadInputGivesOneLineAndStatusTwo) {
    test::WorkFolder folder;
    folder.write("bad.txt", "1\t2\t3\n4\n");
    folder.write("wide.txt", "1\t2\t3\t4\n");
    QByteArray many;
    for (int i = 0; i < 10001; ++i)
        many += "1\t1\n";
    folder.write("many.txt", many);
    folder.write("big.txt", QByteArray(qsizetype{2} * 1024 * 1024, '1') + "\t1\n");
    folder.write("empty.txt", "");
    const QList<QStringList> rows = {
        {},
        {"--mode", "both"},
        {"--mode", "problems", "stray"},
        {"--mode", "problems", "--in", "missing.txt"},
        {"--mode", "problems", "--in", "."},
        {"--mode", "problems", "--in", "bad.txt"},
        {"--mode", "problems", "--in", "wide.txt"},
        {"--mode", "problems", "--in", "many.txt"},
        {"--mode", "problems", "--in", "big.txt"},
        {"--mode", "problems", "--in", "empty.txt"},
        {"--mode", "problems", "--rows", "0"},
        {"--mode", "problems", "--in", "bad.txt", "--seed", "4"},
        {"--mode", "problems", "--in", "bad.txt", "--confirm", "yes"},
        {"--mode", "problems", "--unit", "cm"},
        {"--mode", "problems", "--screen-dpi", "0"},
        {"--mode", "problems", "--printer-dpi", "600:x"},
        {"--mode", "problems", "--page", "100"},
        {"--mode", "problems", "--page", "32767:32767"},
        {"--mode", "problems", "--settings", "."},
        {"--mode", "problems", "--op", "pow"},
        {"--mode", "problems", "--first", "9:1"},
    };
    for (const QStringList& args : rows) {
        const ToolRun run = runSheet(QStringList{"page"} + args);
        const QString name = args.join(u' ');
        EXPECT_EQ(run.status, 2) << name.toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << name.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << name.toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith(u"veridi-sheet page: ")) << name.toStdString();
    }
}

} // namespace
} // namespace veridi

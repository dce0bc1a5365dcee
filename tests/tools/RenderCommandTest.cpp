#include "PdfPrinter.h"
#include "SheetToolRun.h"
#include "TempFiles.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

namespace veridi {
namespace {

using test::fieldsOf;
using test::realField;
using test::runSheet;
using test::ToolRun;

struct Word {
    QString text;
    double xMin = 0;
    double yMin = 0;
};

// The words of each page of a PDF as pdftotext places them, in points from the page's top left.
QList<QList<Word>> pdfWords(const QString& pdf) {
    QProcess process;
    process.start(QStringLiteral(PDFTOTEXT), {"-bbox", pdf, "-"});
    if (!process.waitForFinished(60000))
        return {};
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression tag(
        QString::fromUtf8(R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re"));
    QList<QList<Word>> pages;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(u"<page")) {
            pages << QList<Word>();
        } else if (!pages.isEmpty()) {
            pages.last() << Word{m.captured(3), m.captured(1).toDouble(), m.captured(2).toDouble()};
        }
    }
    return pages;
}

QStringList textsOf(const QList<Word>& words) {
    QStringList texts;
    for (const Word& w : words)
        texts << w.text;
    return texts;
}

// Where a text command of the page subcommand puts its text, in millimetres.
QList<QPointF> placesOf(const ToolRun& page, const QString& text) {
    QList<QPointF> places;
    for (const QString& line : page.lines()) {
        const QStringList f = fieldsOf(line);
        if (f.value(0) == u"TextOut" && f.value(3) == text)
            places << QPointF(realField(f, 1), realField(f, 2));
    }
    return places;
}

// A millimetre of the printable area on the PDF page, in points: the area starts at the inset.
double pdfPoints(double mm) {
    return PdfPrinter::kInsetDots * 72.0 / PdfPrinter::kDpi + mm * 72.0 / 25.4;
}

bool hasWordAt(const QList<Word>& words, const QString& text, QPointF mm) {
    for (const Word& w : words)
        if (w.text == text && std::abs(w.xMin - pdfPoints(mm.x())) < 1.0 &&
            std::abs(w.yMin - pdfPoints(mm.y())) < 1.5)
            return true;
    return false;
}

std::optional<Word> wordOf(const QList<Word>& words, const QString& text) {
    for (const Word& w : words)
        if (w.text == text)
            return w;
    return std::nullopt;
}

TEST(RenderCommand, PdfHasAProblemsAndAnAnswersPageWithTextWhereTheComposerPutIt) {
    test::WorkFolder folder;
    folder.write("set.txt", "12\t34\t46\n5\t6\t11\n70\t8\t78\n");
    const QSize a4 = PdfPrinter().printableSize();
    const QStringList common = {"--in", "set.txt", "--rows", "2", "--cols", "2"};
    const ToolRun render = runSheet(QStringList{"render", "--mode", "both", "-o", "sheet.pdf"} + common);
    ASSERT_EQ(render.status, 0) << render.err.toStdString();
    EXPECT_TRUE(render.err.isEmpty()) << render.err.toStdString();
    const QStringList geometry = {"--printer-dpi", "600", "--page",
                                  QStringLiteral("%1:%2").arg(a4.width()).arg(a4.height())};
    const ToolRun problems = runSheet(QStringList{"page", "--mode", "problems"} + common + geometry);
    const ToolRun answers = runSheet(QStringList{"page", "--mode", "answers"} + common + geometry);
    ASSERT_EQ(problems.status, 0) << problems.err.toStdString();
    ASSERT_EQ(answers.status, 0) << answers.err.toStdString();

    const auto pages = pdfWords("sheet.pdf");
    ASSERT_EQ(pages.size(), 2);
    const QString first = textsOf(pages[0]).join(QString());
    const QString second = textsOf(pages[1]).join(QString());
    for (const char* text :
         {"かずの計算", "たしざんのもんだい", "なまえ", "この問題はVeridiで印刷しました。"}) {
        EXPECT_TRUE(first.contains(QString::fromUtf8(text))) << text;
        EXPECT_TRUE(second.contains(QString::fromUtf8(text))) << text;
    }
    EXPECT_FALSE(first.contains(QStringLiteral("(答)")));
    EXPECT_TRUE(second.contains(QStringLiteral("(答)")));

    // Each problem's first operand starts where its text command starts. The answers page, composed
    // after the problems page, writes each answer in the same column, never higher: its top margin
    // was measured after the problems page had been laid out and can only have been raised.
    const QStringList problemTexts = {"12 ＋ 34 = ", "5 ＋ 6 = ", "70 ＋ 8 = "};
    const QStringList firstOperands = {"12", "5", "70"};
    const QStringList answerTexts = {"46", "11", "78"};
    QList<double> answerDrops;
    for (int n = 0; n < 3; ++n) {
        const auto place = placesOf(problems, problemTexts[n]);
        ASSERT_EQ(place.size(), 1) << n;
        EXPECT_TRUE(hasWordAt(pages[0], firstOperands[n], place[0])) << n;
        EXPECT_EQ(placesOf(answers, answerTexts[n]).value(0), place[0]) << n;
        const auto answer = wordOf(pages[1], answerTexts[n]);
        ASSERT_TRUE(answer) << n;
        EXPECT_NEAR(answer->xMin, pdfPoints(place[0].x()), 1.0) << n;
        answerDrops << answer->yMin - pdfPoints(place[0].y());
        EXPECT_FALSE(second.contains(problemTexts[n].left(problemTexts[n].indexOf(u' ') + 2))) << n;
    }
    for (const double drop : answerDrops)
        EXPECT_GT(drop, -1.5);
    // Problems 1 and 3 share the first row.
    EXPECT_NEAR(answerDrops[2], answerDrops[0], 1.5);
}

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 100;
}

bool anyDark(const QImage& image, QRect area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (dark(image, x, y))
                return true;
    return false;
}

TEST(RenderCommand, ImagesOfBothPagesWithTheListSourceFileUnderThem) {
    test::WorkFolder folder;
    folder.write("set.txt", "12\t34\t46\n");
    // A thick line across the lower page, where the grid of one problem leaves it empty.
    folder.write("ZezaVivo.prv", "PenSize,3\r\nLine,100,250,150,250\r\n");
    folder.write("other.prv", "PenSize,3\r\nLine,100,230,150,230\r\n");
    folder.write("v.ini", "[ListFile]\r\nName=other.prv\r\n");
    const ToolRun run = runSheet({"render", "--mode", "both", "--in", "set.txt", "-o", "sheet.png"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage problems("sheet.png", "PNG");
    const QImage answers("sheet-answers.png", "PNG");
    // The printable page at screen resolution: 4760 x 6814 dots at 600 dpi seen at 96 dpi.
    ASSERT_EQ(problems.size(), QSize(761, 1090));
    ASSERT_EQ(answers.size(), QSize(761, 1090));
    EXPECT_NE(problems, answers);
    const int y250 = int(250 / 25.4 * 96);
    const int y230 = int(230 / 25.4 * 96);
    const int x125 = int(125 / 25.4 * 96);
    for (const QImage* page : {&problems, &answers}) {
        EXPECT_TRUE(anyDark(*page, QRect(x125, y250 - 2, 1, 5)));
        EXPECT_FALSE(anyDark(*page, QRect(x125, y230 - 2, 1, 5)));
        // The page note is the bottom line of the page.
        EXPECT_TRUE(anyDark(*page, QRect(0, page->height() - 30, 200, 30)));
    }

    const ToolRun other = runSheet(
        {"render", "--mode", "answers", "--in", "set.txt", "--settings", "v.ini", "-o", "other.png"});
    ASSERT_EQ(other.status, 0) << other.err.toStdString();
    const QImage page("other.png", "PNG");
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(anyDark(page, QRect(x125, y230 - 2, 1, 5)));
    EXPECT_FALSE(anyDark(page, QRect(x125, y250 - 2, 1, 5)));
    EXPECT_FALSE(QFile::exists("other-answers.png"));
}

// Pixels of the grid and ruler colours, which nothing else on a worksheet has.
int colouredPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += std::abs(qRed(p) - qGreen(p)) > 60 || std::abs(qGreen(p) - qBlue(p)) > 60;
        }
    return count;
}

TEST(RenderCommand, TheStoredRulerAndGridShowOnlyInTheOneToOneView) {
    test::WorkFolder folder;
    folder.write("set.txt", "1\t2\t3\n");
    folder.write("aids.ini", "[Sw]\r\nScale=1\r\nMesh=1\r\n");
    folder.write("page view.ini", "[PageView]\r\nIndex=2\r\n[Sw]\r\nScale=1\r\nMesh=1\r\n");
    // The name's ending chooses the format, whatever its case.
    const std::tuple<const char*, const char*, const char*> rows[] = {{"aids.ini", "page.bmp", "BMP"},
                                                                      {"page view.ini", "page.Png", "PNG"}};
    for (const auto& [settings, output, format] : rows) {
        const ToolRun run = runSheet(
            {"render", "--mode", "problems", "--in", "set.txt", "--settings", settings, "-o", output});
        ASSERT_EQ(run.status, 0) << settings << ": " << run.err.toStdString();
        const QImage page(output, format);
        ASSERT_EQ(page.size(), QSize(761, 1090)) << settings;
        if (settings == QStringLiteral("aids.ini"))
            EXPECT_GT(colouredPixels(page), 1000) << settings;
        else
            EXPECT_EQ(colouredPixels(page), 0) << settings;
    }
}

TEST(RenderCommand, FailuresAndBadOptions) {
    test::WorkFolder folder;
    folder.write("set.txt", "1\t2\t3\n");
    const QList<QStringList> usage = {
        {"--mode", "problems"},
        {"--mode", "all", "-o", "a.png"},
        {"-o", "a.png"},
        {"--mode", "both", "-o", "a.txt"},
        {"--mode", "both", "-o", "a.pdf", "--page", "4760:6814"},
        {"--mode", "both", "-o", "a.pdf", "--printer-dpi", "300"},
        {"--mode", "both", "-o", "a.png", "--in", "set.txt", "--second", "1:2"},
        {"--mode", "both", "-o"},
        {"--mode", "both", "-o", "a.pdf", "--sheets", "0"},
        {"--mode", "both", "-o", "a.pdf", "--sheets", "10001"},
        {"--mode", "both", "-o", "a.pdf", "--sheets", "two"},
        {"--mode", "both", "-o", "a.pdf", "--sheets", "2", "--in", "set.txt"},
        {"--mode", "both", "-o", "a.png", "--sheets", "2", "--answers-at-end"},
        {"--mode", "both", "-o", "a.pdf", "--answers-at-end=yes"},
    };
    for (const QStringList& args : usage) {
        const ToolRun run = runSheet(QStringList{"render"} + args);
        const std::string name = args.join(u' ').toStdString();
        EXPECT_EQ(run.status, 2) << name << ": " << run.err.toStdString();
        EXPECT_EQ(run.err.count(u'\n'), 1) << name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.startsWith(u"veridi-sheet render: ")) << name;
    }
    for (const char* out : {"missing/sheet.png", "missing/sheet.pdf", "."}) {
        const ToolRun run = runSheet({"render", "--mode", "both", "--in", "set.txt", "-o", out});
        EXPECT_EQ(run.status, out == QStringLiteral(".") ? 2 : 1) << out << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(u"Cannot") || run.status == 2) << out << ": " << run.err.toStdString();
    }
}

// Each page's words with their places, as one text per page that two PDFs can be compared by.
QStringList pageTexts(const QString& pdf) {
    QStringList texts;
    for (const QList<Word>& page : pdfWords(pdf)) {
        QString text;
        for (const Word& w : page)
            text += QStringLiteral("%1@%2,%3 ").arg(w.text).arg(w.xMin, 0, 'f', 1).arg(w.yMin, 0, 'f', 1);
        texts << text;
    }
    return texts;
}

TEST(RenderCommand, ABatchPdfHoldsEachSheetAsItsOwnRenderWithTheNextSeed) {
    test::WorkFolder folder;
    const QStringList common = {"--mode", "both", "--seed", "7", "--rows", "4"};
    const ToolRun batch = runSheet(QStringList{"render", "--sheets", "3", "-o", "batch.pdf"} + common);
    ASSERT_EQ(batch.status, 0) << batch.err.toStdString();
    EXPECT_EQ(batch.err, u"seeds 7 to 9 (--seed 7 makes this batch again)\n");
    const QStringList pages = pageTexts("batch.pdf");
    ASSERT_EQ(pages.size(), 6);
    for (int sheet = 0; sheet < 3; ++sheet) {
        const QString seed = QString::number(7 + sheet);
        const ToolRun single =
            runSheet({"render", "--mode", "both", "--seed", seed, "--rows", "4", "-o", "single.pdf"});
        ASSERT_EQ(single.status, 0) << single.err.toStdString();
        EXPECT_TRUE(single.err.isEmpty()) << single.err.toStdString();
        EXPECT_EQ(pageTexts("single.pdf"), pages.mid(2 * sheet, 2)) << "sheet " << sheet + 1;
    }
    EXPECT_NE(pages[0], pages[2]);
    EXPECT_NE(pages[2], pages[4]);

    const ToolRun atEnd =
        runSheet(QStringList{"render", "--sheets", "3", "--answers-at-end", "-o", "end.pdf"} + common);
    ASSERT_EQ(atEnd.status, 0) << atEnd.err.toStdString();
    EXPECT_EQ(pageTexts("end.pdf"),
              (QStringList{pages[0], pages[2], pages[4], pages[1], pages[3], pages[5]}));

    const ToolRun answers = runSheet(
        {"render", "--sheets", "2", "--mode", "answers", "--seed", "-1", "--rows", "4", "-o", "answers.pdf"});
    ASSERT_EQ(answers.status, 0) << answers.err.toStdString();
    EXPECT_EQ(answers.err, u"seeds -1 to 0 (--seed -1 makes this batch again)\n");
    EXPECT_EQ(pageTexts("answers.pdf").size(), 2);
}

TEST(RenderCommand, ABatchOfImagesIsNumberedWithEachSheetAsItsOwnRender) {
    test::WorkFolder folder;
    const ToolRun batch =
        runSheet({"render", "--sheets", "10", "--mode", "both", "--rows", "2", "-o", "s.png"});
    ASSERT_EQ(batch.status, 0) << batch.err.toStdString();
    // Without --seed one is taken from the clock and reported.
    static const QRegularExpression reported(QStringLiteral("^seeds (-?\\d+) to -?\\d+ \\(--seed \\1 "
                                                            "makes this batch again\\)\n$"));
    const auto seed = reported.match(batch.err);
    ASSERT_TRUE(seed.hasMatch()) << batch.err.toStdString();
    for (const char* name : {"s-01.png", "s-01-answers.png", "s-10.png", "s-10-answers.png"})
        EXPECT_TRUE(QFile::exists(name)) << name;
    EXPECT_FALSE(QFile::exists("s.png"));
    EXPECT_FALSE(QFile::exists("s-11.png"));

    const QString tenth = QString::number(seed.captured(1).toLongLong() + 9);
    const ToolRun single =
        runSheet({"render", "--mode", "both", "--rows", "2", "--seed", tenth, "-o", "t.png"});
    ASSERT_EQ(single.status, 0) << single.err.toStdString();
    EXPECT_EQ(QImage("s-10.png"), QImage("t.png"));
    EXPECT_EQ(QImage("s-10-answers.png"), QImage("t-answers.png"));
    EXPECT_NE(QImage("s-01.png"), QImage("s-10.png"));

    const ToolRun one =
        runSheet({"render", "--sheets", "1", "--mode", "problems", "--seed", "3", "-o", "one.jpg"});
    ASSERT_EQ(one.status, 0) << one.err.toStdString();
    EXPECT_EQ(one.err, u"seed 3 (--seed 3 makes this sheet again)\n");
    EXPECT_TRUE(QFile::exists("one.jpg"));
    EXPECT_FALSE(QFile::exists("one-1.jpg"));
}

} // namespace
} // namespace veridi

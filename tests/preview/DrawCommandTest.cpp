#include "JpegWriter.h"
#include "PictureBytes.h"
#include "TempFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>

#include <gtest/gtest.h>

namespace veridi {
namespace {

struct ToolRun {
    int status = -1;
    QString err;
};

// Runs veridi-sheet draw in the work folder, as a user would.
ToolRun draw(const QStringList& args) {
    QProcess process;
    process.setWorkingDirectory(QDir::currentPath());
    process.start(QStringLiteral(VERIDI_SHEET), QStringList{"draw"} + args);
    // Far longer than any drawing takes; a hang fails the test instead of blocking the run.
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2,
            QString::fromUtf8(process.readAllStandardError())};
}

bool dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 100;
}

// The dark columns of one row, as first and last; (-1, -1) when the row is white.
std::pair<int, int> darkRun(const QImage& image, int y) {
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x)
        if (dark(image, x, y)) {
            if (first < 0)
                first = x;
            last = x;
        }
    return {first, last};
}

struct LineRow {
    const char* name;
    QByteArray list;
    QStringList options;
    QSize size;
    int row;
    std::pair<int, int> run;
};

TEST(DrawCommand, DrawsTheLineWhereTheUnitAndTargetPutIt) {
    const LineRow rows[] = {
        {"mm on screen", "Line,10,10,20,10", {}, {761, 1090}, 38, {38, 76}},
        {"mm on the printer", "Line,10,10,20,10", {"--target", "printer"}, {4760, 6814}, 236, {236, 472}},
        {"inch", "Line,1,1,2,1", {"--unit", "inch"}, {761, 1090}, 96, {96, 192}},
        {"printer dots", "Line,600,600,1200,600", {"--unit", "pixel"}, {761, 1090}, 96, {96, 192}},
        {"resolutions and page size",
         "Line,1,1,2,1",
         {"--unit=inch", "--page", "1200:600", "--printer-dpi", "300:150", "--screen-dpi", "100"},
         {400, 400},
         100,
         {100, 200}},
    };
    for (const auto& row : rows) {
        test::WorkFolder folder;
        folder.write("page.prv", row.list);
        const ToolRun run = draw(QStringList{"page.prv", "-o", "page.png"} << row.options);
        ASSERT_EQ(run.status, 0) << row.name << ": " << run.err.toStdString();
        EXPECT_TRUE(run.err.isEmpty()) << row.name << ": " << run.err.toStdString();
        const QImage page("page.png");
        ASSERT_EQ(page.size(), row.size) << row.name;
        const auto [first, last] = darkRun(page, row.row);
        EXPECT_NEAR(first, row.run.first, 1) << row.name;
        EXPECT_NEAR(last, row.run.second, 1) << row.name;
        EXPECT_EQ(darkRun(page, row.row - 3), std::make_pair(-1, -1)) << row.name;
    }
}

TEST(DrawCommand, FormatErrorIsPrintedAndStopsItsList) {
    test::WorkFolder folder;
    folder.write("real.prv", "Line,10,10,20,10\r\nLine,10,20,20,20\r\nLINE,1,2,3\r\nLine,10,30,20,30\r\n");
    folder.write("page.prv", "real.prv\r\n");
    const ToolRun run = draw({"page.prv", "-o", "page.bmp"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "LINE, FORMAT ERROR\n");
    const QImage page("page.bmp");
    EXPECT_TRUE(dark(page, 50, 38));
    EXPECT_TRUE(dark(page, 50, 76));
    EXPECT_EQ(darkRun(page, 113), std::make_pair(-1, -1));
}

TEST(DrawCommand, IncludeCyclesAndHostilePicturesStillGiveAPage) {
    test::WorkFolder folder;
    const QByteArray jpeg = encodeJpeg(test::noiseImage(64, 64), 90);
    folder.writeAll({
        {"page.prv", "INCLUDE,a.prv\nPicture,cut.jpg,0,0,50,50\nPicture,huge.jpg,0,0,50,50\n"
                     "Picture,noise.bmp,0,0,50,50\nLine,10,60,20,60"},
        {"a.prv", "INCLUDE,b.prv\nLine,10,10,20,10"},
        {"b.prv", "INCLUDE,a.prv\nINCLUDE,page.prv"},
        {"cut.jpg", jpeg.left(jpeg.size() / 2)},
        {"huge.jpg", test::withJpegSize(jpeg, 60000, 60000)},
        {"noise.bmp", test::randomBytes(5000, 9)},
    });
    const ToolRun run = draw({"page.prv", "-o", "page.png"});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    const QImage page("page.png");
    EXPECT_TRUE(dark(page, 50, 38));
    EXPECT_TRUE(dark(page, 50, 227));
    EXPECT_EQ(darkRun(page, 100), std::make_pair(-1, -1)) << "no picture was drawn";
}

TEST(DrawCommand, JpegOutputHonoursTheQuality) {
    test::WorkFolder folder;
    folder.write("page.prv", "Line,10,10,20,10\nLine,10,20,20,20");
    ASSERT_EQ(draw({"page.prv", "-o", "low.JPG", "--quality", "5"}).status, 0);
    ASSERT_EQ(draw({"page.prv", "-o", "high.jpeg", "--quality=100"}).status, 0);
    ASSERT_EQ(draw({"page.prv", "-o", "default.jpg"}).status, 0);
    const QFileInfo low("low.JPG"), high("high.jpeg"), standard("default.jpg");
    EXPECT_LT(low.size(), standard.size());
    EXPECT_LT(standard.size(), high.size());
    const QImage page("default.jpg", "JPEG");
    ASSERT_EQ(page.size(), QSize(761, 1090));
    EXPECT_TRUE(dark(page, 50, 38));
}

TEST(DrawCommand, GridAndRulerAreScreenAidsOnlyAndTheNoteIsDrawnWhenGiven) {
    test::WorkFolder folder;
    folder.write("empty.prv", "");
    const auto anyInk = [](const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return true;
        return false;
    };
    ASSERT_EQ(draw({"empty.prv", "-o", "plain.png"}).status, 0);
    ASSERT_EQ(draw({"empty.prv", "-o", "grid.png", "--grid"}).status, 0);
    ASSERT_EQ(draw({"empty.prv", "-o", "ruler.png", "--ruler"}).status, 0);
    ASSERT_EQ(draw({"empty.prv", "-o", "note.png", "--note", "この問題はVeridiで印刷しました。"}).status, 0);
    ASSERT_EQ(draw({"empty.prv", "-o", "printer.png", "--grid", "--ruler", "--target", "printer", "--page",
                    "1000:1000"})
                  .status,
              0);
    EXPECT_FALSE(anyInk(QImage("plain.png")));
    EXPECT_TRUE(anyInk(QImage("grid.png")));
    EXPECT_TRUE(anyInk(QImage("ruler.png")));
    EXPECT_TRUE(anyInk(QImage("note.png")));
    EXPECT_FALSE(anyInk(QImage("printer.png")));
}

TEST(DrawCommand, UnreadableFileOrUnwritableOutputEndsWithStatusOne) {
    test::WorkFolder folder;
    folder.unreadable("bad.prv");
    folder.write("page.prv", "INCLUDE,bad.prv");
    ToolRun run = draw({"page.prv", "-o", "page.png"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.count('\n'), 1);
    EXPECT_TRUE(run.err.contains("\"bad.prv\"")) << run.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists("page.png"));

    run = draw({"page.prv", "-o", "missing folder/page.png"});
    EXPECT_EQ(run.status, 1);
    run = draw({"empty.prv", "-o", "missing folder/page.jpg"});
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("\"missing folder/page.jpg\"")) << run.err.toStdString();
}

TEST(DrawCommand, BadOptionsGiveOneLineAndStatusTwo) {
    test::WorkFolder folder;
    folder.write("page.prv", "Line,10,10,20,10");
    const QStringList bad[] = {
        {"page.prv"},
        {"-o", "page.png"},
        {"page.prv", "other.prv", "-o", "page.png"},
        {"page.prv", "-o", "page.gif"},
        {"page.prv", "-o"},
        {"page.prv", "-o", "page.png", "--quality", "0"},
        {"page.prv", "-o", "page.png", "--quality", "101"},
        {"page.prv", "-o", "page.png", "--unit", "cm"},
        {"page.prv", "-o", "page.png", "--target", "plotter"},
        {"page.prv", "-o", "page.png", "--screen-dpi", "0"},
        {"page.prv", "-o", "page.png", "--printer-dpi", "600:"},
        {"page.prv", "-o", "page.png", "--printer-dpi", "x"},
        {"page.prv", "-o", "page.png", "--page", "4760"},
        {"page.prv", "-o", "page.png", "--page", "32767:32767"},
        // 250 M pixels: a page image of 1 GB is beyond what one drawing may hold.
        {"page.prv", "-o", "page.png", "--target", "printer", "--printer-dpi", "600", "--screen-dpi", "600",
         "--page", "15811:15811"},
        {"page.prv", "-o", "page.png", "--grid=1"},
        {"page.prv", "-o", "page.png", "--colour", "red"},
    };
    for (const QStringList& args : bad) {
        const ToolRun run = draw(args);
        EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << args.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists("page.png")) << args.join(' ').toStdString();
    }
}

} // namespace
} // namespace veridi

#include "ListSources.h"
#include "DrawEngine.h"
#include "FakePrompts.h"
#include "ImagePrinter.h"
#include "JpegWriter.h"
#include "PictureBytes.h"
#include "RasterPicture.h"
#include "TempFiles.h"

#include <gtest/gtest.h>

namespace veridi {
namespace {

const QRgb kUntouched = qRgb(255, 0, 255);

// An engine drawing in millimetres on a 96 dpi page image of a 600 dpi printer, whose page
// image is filled with a colour no drawing produces, so that a refresh that did not draw shows.
class ListSourcesTest : public ::testing::Test {
protected:
    ListSourcesTest()
        : printer(600, 600, QSize(4760, 6814)), engine(prompts, &printer, 96), sources(engine, prompts) {
        engine.UnitType = 2;
        engine.Visible = true;
        engine.SetImageSize(300, 300);
        engine.Image1.fill(kUntouched);
        sources.ListIniFile = QStringLiteral("src.prv");
    }

    // A picture slot's colour, for slots holding the one-colour pictures of colouredJpeg.
    QColor slotColour(int slot) const {
        const auto* raster = dynamic_cast<const RasterPicture*>(engine.Bmp[size_t(slot)].get());
        return raster ? QColor(raster->image().pixel(0, 0)) : QColor();
    }

    static QByteArray colouredBmp(QColor colour) {
        return test::qtEncoded(test::filledImage(4, 4, colour), "BMP");
    }

    test::WorkFolder folder;
    test::FakePrompts prompts;
    ImagePrinter printer;
    DrawEngine engine;
    ListSources sources;
};

bool dark(QRgb pixel) {
    return qGray(pixel) < 100;
}

TEST_F(ListSourcesTest, FileRefreshReadsTheListSourceAndDrawsIt) {
    folder.writeAll({{"src.prv", "INCLUDE,a.prv"},
                     {"a.prv", "Line,10,10,20,10\nINCLUDE,b.prv"},
                     {"b.prv", "INCLUDE,a.prv"}});
    sources.PrevUpDateFile();
    EXPECT_EQ(engine.ListByFile, QStringList({"Line,10,10,20,10"}));
    EXPECT_TRUE(prompts.messages.isEmpty());
    // 10 mm and 20 mm on a 96 dpi image are columns 38 and 76.
    EXPECT_TRUE(dark(engine.Image1.pixel(50, 38)));
    EXPECT_FALSE(dark(engine.Image1.pixel(50, 45)));
    EXPECT_EQ(engine.Image1.pixel(100, 38), qRgb(255, 255, 255));
}

TEST_F(ListSourcesTest, PictureOfTheFileListIsDrawnFromItsSlot) {
    folder.writeAll({{"src.prv", "Picture,blue.jpg,10,10,20,20"},
                     {"blue.jpg", encodeJpeg(test::filledImage(4, 4, Qt::blue), 100)}});
    sources.PrevUpDate();
    const QRgb inside = engine.Image1.pixel(57, 57);
    EXPECT_LT(qRed(inside), 30);
    EXPECT_GT(qBlue(inside), 220);
    EXPECT_EQ(engine.Image1.pixel(30, 57), qRgb(255, 255, 255));
}

TEST_F(ListSourcesTest, UnreadableFileShowsItsNameAndEndsTheRefreshWithoutDrawing) {
    struct Row {
        const char* name;
        std::function<void(ListSources&)> refresh;
        std::map<QString, QByteArray> files;
        const char* unreadable;
    };
    const Row rows[] = {
        {"list source file", [](ListSources& s) { s.PrevUpDateFile(); }, {}, "src.prv"},
        {"included file",
         [](ListSources& s) { s.PrevUpDate(); },
         {{"src.prv", "INCLUDE,bad.prv"}},
         "bad.prv"},
        {"picture of the file list",
         [](ListSources& s) { s.PrevUpDateFile(); },
         {{"src.prv", "Picture,bad.jpg,1,1,2,2"}},
         "bad.jpg"},
    };
    for (const auto& row : rows) {
        test::WorkFolder own;
        own.writeAll(row.files);
        own.unreadable(row.unreadable);
        prompts.messages.clear();
        engine.Image1.fill(kUntouched);
        row.refresh(sources);
        ASSERT_EQ(prompts.messages.size(), 1) << row.name;
        EXPECT_TRUE(prompts.messages[0].contains(row.unreadable)) << row.name;
        EXPECT_EQ(engine.Image1.pixel(150, 150), kUntouched) << row.name;
    }
}

TEST_F(ListSourcesTest, EndlessCommandFileShowsItsNameAndEndsTheRefreshWithoutDrawing) {
    folder.write("src.prv", "Line,10,10,20,10\nINCLUDE,endless.prv");
    folder.endless("endless.prv");
    sources.PrevUpDate();
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(prompts.messages[0].contains("endless.prv"));
    EXPECT_EQ(engine.Image1.pixel(150, 150), kUntouched);
}

TEST_F(ListSourcesTest, EndlessFileNamedAsAPictureLeavesItsSlotEmptyAndTheRefreshDraws) {
    folder.write("src.prv", "Picture,x.jpg,10,10,20,20");
    folder.endless("x.jpg");
    engine.Bmp.fill(std::make_shared<RasterPicture>(test::filledImage(1, 1, Qt::red)));
    sources.PrevUpDateFile();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(engine.Bmp[0], nullptr);
    EXPECT_EQ(engine.Image1.pixel(150, 150), qRgb(255, 255, 255));
}

TEST_F(ListSourcesTest, UnreadablePictureOfTheManualOrProgramListEndsTheirRefresh) {
    const QString bad = folder.unreadable("bad.bmp");
    engine.ListByManual = {"Picture," + bad + ",1,1,2,2"};
    sources.PrevUpDateManual();
    engine.ListByManual.clear();
    engine.ListbyProgram = {"Picture," + bad + ",1,1,2,2"};
    sources.PrevUpDateProgram();
    EXPECT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(engine.Image1.pixel(150, 150), kUntouched);
}

TEST_F(ListSourcesTest, EachListFillsOnlyItsOwnFiveSlotsInOrder) {
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta};
    for (int i = 0; i < 6; ++i)
        folder.write(QStringLiteral("p%1.bmp").arg(i), colouredBmp(colours[i]));
    const auto sentinel = std::make_shared<RasterPicture>(test::filledImage(1, 1, Qt::black));
    engine.Bmp.fill(sentinel);
    engine.ListByManual = {"Picture,p0.bmp,0,0,1,1",    "",
                           "picture , p1.bmp ,0,0,1,1", "Picture,p5.bmp",
                           "Picture,p2.bmp,0",          "Picture,p3.bmp,0,0,1,1",
                           "Picture,p4.bmp,0,0,1,1",    "Picture,p5.bmp,0,0,1,1"};
    const QStringList manual = engine.ListByManual;
    sources.PrevUpDateManual();
    // A PICTURE line with two fields takes no slot; the sixth picture has none.
    for (int k = 0; k < 5; ++k)
        EXPECT_EQ(slotColour(5 + k), colours[k]) << "slot " << 5 + k;
    EXPECT_EQ(engine.ListByManual, manual) << "the manual list keeps its blank lines";
    for (int slot : {0, 4, 10, 14})
        EXPECT_EQ(engine.Bmp[size_t(slot)], sentinel) << "slot " << slot << " of another list";
}

TEST_F(ListSourcesTest, SlotsWithoutALineKeepTheirPictureAndMissingFilesEmptyTheirs) {
    folder.write("p.bmp", colouredBmp(Qt::red));
    const auto sentinel = std::make_shared<RasterPicture>(test::filledImage(1, 1, Qt::black));
    engine.Bmp.fill(sentinel);
    engine.ListbyProgram = {"INITPARAM", "Picture,absent.jpg,0,0,1,1", "Picture,p.bmp,0,0,1,1",
                            "INCLUDE,p.bmp"};
    sources.PrevUpDateProgram();
    EXPECT_EQ(engine.Bmp[10], nullptr);
    EXPECT_EQ(slotColour(11), QColor(Qt::red));
    for (int slot = 12; slot < 15; ++slot)
        EXPECT_EQ(engine.Bmp[size_t(slot)], sentinel) << "slot " << slot;
    EXPECT_EQ(engine.ListbyProgram.size(), 4) << "INCLUDE is not expanded in the program list";
}

TEST_F(ListSourcesTest, MissingListSourceEmptiesTheFileListButKeepsItsSlots) {
    const auto sentinel = std::make_shared<RasterPicture>(test::filledImage(1, 1, Qt::black));
    engine.Bmp.fill(sentinel);
    engine.ListByFile = {"Line,0,0,1,1"};
    EXPECT_TRUE(sources.LoadListByFile());
    EXPECT_TRUE(engine.ListByFile.isEmpty());
    EXPECT_EQ(engine.Bmp[0], sentinel);
}

TEST_F(ListSourcesTest, ResetOfTheManualListAppendsInitparamAndDrawsNothing) {
    engine.ListByManual = {"Color,RED"};
    sources.ResetListByManual();
    EXPECT_EQ(engine.ListByManual, QStringList({"Color,RED", "INITPARAM"}));
    EXPECT_EQ(engine.Image1.pixel(150, 150), kUntouched);
}

TEST_F(ListSourcesTest, AllLoadsOfARefreshShareOneMetafileTime) {
    for (const char* name : {"a.wmf", "b.wmf", "c.wmf", "d.wmf", "e.wmf", "f.wmf"})
        folder.write(name, test::redRectangleWmf());
    folder.write("src.prv", "Picture,a.wmf,1,1,2,2\nPicture,b.wmf,1,1,2,2\nPicture,c.wmf,1,1,2,2");
    engine.ListByManual = {"Picture,d.wmf,1,1,2,2", "Picture,e.wmf,1,1,2,2"};
    engine.ListbyProgram = {"Picture,f.wmf,1,1,2,2"};
    // A clock that moves 1 s at every look: each conversion takes 1 s of the refresh's 5 s.
    std::chrono::steady_clock::time_point now;
    sources.MetafileClock = [&now] { return now += std::chrono::seconds(1); };
    sources.PrevUpDate();
    for (const int slot : {0, 1, 2, 5, 6})
        EXPECT_TRUE(engine.Bmp[size_t(slot)]) << "slot " << slot;
    EXPECT_EQ(engine.Bmp[10], nullptr) << "the refresh's time is spent";
    // The next refresh has its own time.
    sources.PrevUpDateProgram();
    EXPECT_TRUE(engine.Bmp[10]);
}

} // namespace
} // namespace veridi

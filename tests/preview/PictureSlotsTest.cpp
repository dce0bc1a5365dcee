#include "PictureSlots.h"
#include "FileError.h"
#include "JpegWriter.h"
#include "PictureBytes.h"
#include "PictureFile.h"
#include "PictureLoader.h"
#include "RasterPicture.h"
#include "TempFiles.h"

#include <gtest/gtest.h>

namespace veridi {
namespace {

using test::filledImage;

// 40 x 40 pictures: 1600 pixels each.
constexpr qint64 kPicturePixels = 1600;

QByteArray pictureJpeg(QColor colour) {
    return encodeJpeg(filledImage(40, 40, colour), 90);
}

PictureSlot heldPicture() {
    return std::make_shared<RasterPicture>(filledImage(40, 40, Qt::gray));
}

TEST(LoadListPictures, AFileNamedOnSeveralLinesIsDecodedOnceAndItsSlotsShareIt) {
    test::WorkFolder folder;
    folder.write("p.jpg", pictureJpeg(Qt::red));
    PictureSlots bmp;
    const QStringList list = {"PICTURE,p.jpg,0,0,10,10", "PICTURE,./p.jpg,0,0,10,10",
                              "PICTURE,p.jpg,0,0,10,10", "PICTURE,p.jpg,0,0,10,10",
                              "PICTURE,p.jpg,0,0,10,10", "PICTURE,p.jpg,0,0,10,10"};
    loadListPictures(list, kManualListSlots, bmp);
    ASSERT_TRUE(bmp[5]);
    for (int slot = 6; slot < 10; ++slot)
        EXPECT_EQ(bmp[size_t(slot)], bmp[5]) << "slot " << slot;
}

// The command word is found in any case and any spelling that upper-cases to PICTURE (a dotless
// i does), quoted or not, among lines of other commands; other words, a quote inside the word
// among them, never take a slot.
TEST(LoadListPictures, FindsThePictureWordHoweverItIsWrittenAndNothingElse) {
    test::WorkFolder folder;
    folder.write("p.jpg", pictureJpeg(Qt::red));
    PictureSlots bmp;
    const QStringList list = {"TextOut,1,2,\"picture\"",
                              "  picture ,p.jpg,0,0,10,10",
                              "\"Pic\"\"ture\",p.jpg,0,0,10,10",
                              QString::fromUtf8("P\u0131cture,p.jpg,0,0,10,10"),
                              "\"PICTURE\",p.jpg,0,0,10,10",
                              "PICTURES,p.jpg,0,0,10,10",
                              "Line,0,0,10,10"};
    loadListPictures(list, kProgramListSlots, bmp);
    // Slots 10 to 12: the lower-case word, the dotless-i spelling and the quoted word.
    EXPECT_TRUE(bmp[10]);
    EXPECT_TRUE(bmp[11]);
    EXPECT_TRUE(bmp[12]);
    EXPECT_FALSE(bmp[13]);
    EXPECT_FALSE(bmp[14]);
}

TEST(PictureLoader, DecodesEachFileOnceHoweverItIsNamed) {
    test::WorkFolder folder;
    folder.write("p.jpg", pictureJpeg(Qt::red));
    folder.write("q.jpg", pictureJpeg(Qt::blue));
    MetafileTime time;
    PictureLoader loader(PictureBudget{}, 0, time);
    const PictureSlot first = loader.load("p.jpg");
    EXPECT_EQ(loader.load(folder.path() + "/p.jpg"), first);
    EXPECT_NE(loader.load("q.jpg"), first);
    EXPECT_FALSE(loader.load("absent.jpg"));
    EXPECT_EQ(loader.decoded(), 2);
}

TEST(LoadListPictures, AllFifteenSlotsTogetherStayWithinThePixelBudget) {
    test::WorkFolder folder;
    folder.writeAll({{"a.jpg", pictureJpeg(Qt::red)},
                     {"b.jpg", pictureJpeg(Qt::green)},
                     {"c.jpg", pictureJpeg(Qt::blue)}});
    PictureBudget budget;
    budget.maxSlotPixels = 3 * kPicturePixels;
    PictureSlots bmp;
    // Another list holds one picture in two slots: it counts once.
    bmp[0] = bmp[1] = heldPicture();
    // The slots the load replaces do not count.
    for (int slot = 5; slot < 9; ++slot)
        bmp[size_t(slot)] = heldPicture();
    loadListPictures(
        {"PICTURE,a.jpg,0,0,1,1", "PICTURE,b.jpg,0,0,1,1", "PICTURE,c.jpg,0,0,1,1", "PICTURE,a.jpg,0,0,1,1"},
        kManualListSlots, bmp, budget);
    EXPECT_EQ(keptPixels(bmp[5]), kPicturePixels);
    EXPECT_EQ(keptPixels(bmp[6]), kPicturePixels);
    EXPECT_EQ(bmp[7], nullptr) << "beyond the budget the slot stays empty";
    EXPECT_EQ(bmp[8], bmp[5]) << "a shared picture costs nothing more";
    EXPECT_EQ(bmp[9], nullptr);

    // A slot kept by the load counts too: slot 9 of the same list.
    bmp.fill(nullptr);
    bmp[9] = heldPicture();
    bmp[0] = heldPicture();
    loadListPictures({"PICTURE,a.jpg,0,0,1,1", "PICTURE,b.jpg,0,0,1,1"}, kManualListSlots, bmp, budget);
    EXPECT_TRUE(bmp[5]);
    EXPECT_EQ(bmp[6], nullptr);
}

TEST(LoadPictureSlot, OneSlotStaysWithinThePixelBudgetBesideTheOthers) {
    test::WorkFolder folder;
    folder.writeAll({{"a.jpg", pictureJpeg(Qt::red)}, {"b.jpg", pictureJpeg(Qt::green)}});
    PictureBudget budget;
    budget.maxSlotPixels = kPicturePixels;
    PictureSlots bmp;
    bmp[3] = heldPicture();
    loadPictureSlot(bmp, 3, "a.jpg", budget);
    EXPECT_EQ(keptPixels(bmp[3]), kPicturePixels) << "the picture it replaces does not count";
    loadPictureSlot(bmp, 4, "b.jpg", budget);
    EXPECT_EQ(bmp[4], nullptr);
}

TEST(LoadListPictures, LargePicturesAreKeptReduced) {
    test::WorkFolder folder;
    folder.write("big.jpg", encodeJpeg(filledImage(64, 64, Qt::red), 90));
    PictureBudget budget;
    budget.maxPicturePixels = 1024;
    PictureSlots bmp;
    loadListPictures({"PICTURE,big.jpg,0,0,1,1"}, kProgramListSlots, bmp, budget);
    EXPECT_EQ(keptPixels(bmp[10]), 32 * 32);
}

TEST(LoadListPictures, MetafilesGetNoConversionOnceTheRefreshsTimeIsSpent) {
    test::WorkFolder folder;
    folder.writeAll({{"a.wmf", test::redRectangleWmf()}, {"b.emf", test::redRectangleEmf()}});
    const QStringList list = {"PICTURE,a.wmf,0,0,1,1", "PICTURE,b.emf,0,0,1,1"};
    PictureSlots bmp;
    loadListPictures(list, kFileListSlots, bmp);
    EXPECT_TRUE(bmp[0]);
    EXPECT_TRUE(bmp[1]);
    MetafileTime spent(std::chrono::milliseconds(0));
    loadListPictures(list, kFileListSlots, bmp, spent);
    EXPECT_EQ(bmp[0], nullptr);
    EXPECT_EQ(bmp[1], nullptr);
}

TEST(LoadListPictures, MetafilesOfAllLoadsOfARefreshShareItsConversionTime) {
    test::WorkFolder folder;
    const QStringList names = {"a.wmf", "b.emf", "c.wmf", "d.emf", "e.wmf", "f.emf"};
    QStringList lines;
    for (const QString& name : names) {
        folder.write(name, name.endsWith("wmf") ? test::redRectangleWmf() : test::redRectangleEmf());
        lines << "PICTURE," + name + ",0,0,1,1";
    }
    // A clock that moves 1 s at every look: each conversion takes 1 s of the refresh's 5 s, and
    // the fifth gets the last second.
    MetafileTime::Clock::time_point now;
    MetafileTime time(std::chrono::milliseconds(5000),
                      [&now] { return now += std::chrono::milliseconds(1000); });
    PictureSlots bmp;
    loadListPictures(lines.mid(0, 3), kFileListSlots, bmp, time);
    loadListPictures(lines.mid(3, 3), kManualListSlots, bmp, time);
    for (const int slot : {0, 1, 2, 5, 6})
        EXPECT_TRUE(bmp[size_t(slot)]) << "slot " << slot << " within the time";
    EXPECT_EQ(bmp[7], nullptr) << "the refresh's time is spent";
    // Raster pictures need no conversion time.
    folder.write("p.jpg", pictureJpeg(Qt::red));
    loadListPictures({"PICTURE,p.jpg,0,0,1,1"}, kProgramListSlots, bmp, time);
    EXPECT_TRUE(bmp[10]);
}

TEST(MetafileTime, GivesEachConversionWhatIsLeftUpToItsOwnLimit) {
    MetafileTime::Clock::time_point now;
    MetafileTime time(std::chrono::milliseconds(5000),
                      [&now] { return now += std::chrono::milliseconds(1500); });
    std::vector<long long> given;
    const auto record = [&given](std::chrono::milliseconds ms) {
        given.push_back(ms.count());
        return PictureSlot();
    };
    for (int k = 0; k < 5; ++k)
        time.convert(std::chrono::milliseconds(2000), record);
    EXPECT_EQ(given, (std::vector<long long>{2000, 2000, 2000, 500, 0}));
}

TEST(LoadListPictures, ThePicturesALoadReplacesAreReleasedBeforeItReadsAny) {
    // An unreadable second file stops the load half way: the third line's slot shows whether
    // its old picture was still held while the pictures before it were decoded.
    test::WorkFolder folder;
    folder.write("a.jpg", pictureJpeg(Qt::red));
    folder.unreadable("bad.jpg");
    PictureSlots bmp;
    for (int slot = 5; slot < 10; ++slot)
        bmp[size_t(slot)] = heldPicture();
    const std::weak_ptr<const Picture> old = bmp[7];
    EXPECT_THROW(
        loadListPictures({"PICTURE,a.jpg,0,0,1,1", "PICTURE,bad.jpg,0,0,1,1", "PICTURE,a.jpg,0,0,1,1"},
                         kManualListSlots, bmp),
        FileError);
    EXPECT_TRUE(bmp[5]);
    EXPECT_EQ(bmp[7], nullptr);
    EXPECT_TRUE(old.expired());
    EXPECT_TRUE(bmp[8]) << "a slot without a line keeps its picture";
}

} // namespace
} // namespace veridi

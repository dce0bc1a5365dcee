#include "PreviewDocument.h"
#include "FakePrinters.h"
#include "FakePrompts.h"
#include "IniFile.h"
#include "SettingsFile.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::FakePrompts;
using veridi::test::SettingsFile;

namespace {

class PreviewDocumentTest : public ::testing::Test {
protected:
    SettingsFile settingsFile;
    QString path = settingsFile.path();
    FakePrompts prompts;
    ImagePrinter printer{600, 600, QSize(4760, 6814)};

    std::unique_ptr<PreviewDocument> open(PrinterDevice* device) {
        return std::make_unique<PreviewDocument>(prompts, device, 96, IniFile(path));
    }
    static bool hasInk(const QImage& image) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return true;
        return false;
    }
};

} // namespace

TEST_F(PreviewDocumentTest, FreshSettingsAndTheirRoundTrip) {
    {
        auto doc = open(&printer);
        EXPECT_TRUE(doc->settingsRead());
        EXPECT_EQ(doc->engine.PageView, 1);
        EXPECT_EQ(doc->engine.UnitType, 2);
        EXPECT_EQ(doc->engine.fScale, 0);
        EXPECT_EQ(doc->engine.fMesh, 0);
        EXPECT_EQ(doc->CQuality, 90);
        EXPECT_EQ(doc->sources.ListIniFile, u"ZezaVivo.prv"_qs);
        doc->engine.fScale = 1;
        doc->engine.PageView = 2;
        doc->engine.UnitType = 1;
        doc->CQuality = 55;
        doc->engine.PageTitle.SetSets(u"t"_qs, u"f"_qs, 20, 3, u"1"_qs, u"2"_qs, true, false);
        doc->saveSettings();
    }
    const QByteArray text = settingsFile.readRaw();
    EXPECT_TRUE(text.startsWith("[PageView]\r\nIndex=2\r\n[Unit]\r\nType=1\r\n[Sw]\r\nScale=1\r\nMesh=0\r\n"
                                "[ListFile]\r\nName=ZezaVivo.prv\r\n[Option]\r\nQuality=55\r\n[Header]\r\n"));
    EXPECT_LT(text.indexOf("[Footer]"), text.indexOf("[PageTitle]"));
    EXPECT_LT(text.indexOf("[PageTitle]"), text.indexOf("[SubTitle]"));

    auto again = open(&printer);
    EXPECT_EQ(again->engine.fScale, 1);
    EXPECT_EQ(again->engine.PageView, 2);
    EXPECT_EQ(again->engine.UnitType, 1);
    EXPECT_EQ(again->CQuality, 55);
    EXPECT_EQ(again->engine.PageTitle.psSize, 20);
    EXPECT_EQ(again->pageStrTicks, (std::array<bool, 4>{false, false, true, false}));
}

TEST_F(PreviewDocumentTest, StoredValuesAreTakenAsTheyAre) {
    IniFile ini(path);
    ini.writeInteger(u"Option"_qs, u"Quality"_qs, 300); // the low 8 bits: 44
    ini.writeString(u"ListFile"_qs, u"Name"_qs, QString());
    ini.writeString(u"Header"_qs, u"String"_qs, u"h"_qs); // text but position 0: no tick
    ini.writeString(u"Footer"_qs, u"Pos"_qs, u"2"_qs);    // position but no text: no tick
    auto doc = open(&printer);
    EXPECT_EQ(doc->CQuality, 44);
    EXPECT_EQ(doc->sources.ListIniFile, u"ZezaVivo.prv"_qs);
    EXPECT_EQ(doc->pageStrTicks, (std::array<bool, 4>{false, false, false, false}));
}

TEST_F(PreviewDocumentTest, WithoutAPrinterNothingIsReadOrWritten) {
    IniFile(path).writeInteger(u"Sw"_qs, u"Mesh"_qs, 1);
    const QByteArray before = settingsFile.readRaw();
    veridi::test::NoPrinter none;
    for (PrinterDevice* device : {static_cast<PrinterDevice*>(&none), static_cast<PrinterDevice*>(nullptr)}) {
        prompts.messages.clear();
        auto doc = open(device);
        EXPECT_FALSE(doc->ready());
        EXPECT_EQ(doc->engine.ErrorNum, 1);
        EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("デフォルトのプリンタの設定を確認下さい")}));
        EXPECT_EQ(doc->engine.fMesh, 0);
        doc->engine.Visible = true;
        doc->Show(QSize(400, 500));
        EXPECT_TRUE(doc->engine.Image1.isNull());
        doc->saveSettings();
        EXPECT_EQ(settingsFile.readRaw(), before);
    }
}

TEST_F(PreviewDocumentTest, PageViewFit) {
    struct Row {
        QSize client;
        QSize expected;
    };
    const Row rows[] = {
        {QSize(400, 1000), QSize(400, 572)}, // taller than the page: as wide as the client area
        {QSize(1000, 400), QSize(279, 400)}, // wider: as high as the client area
        {QSize(476, 681), QSize(475, 681)},  // nearly the page's shape
        {QSize(0, 500), QSize(0, 500)},
    };
    for (const Row& row : rows)
        EXPECT_EQ(PreviewDocument::pageViewFit(row.client, 4760, 6814), row.expected) << row.client.width();
    EXPECT_EQ(PreviewDocument::pageViewFit(QSize(400, 500), 0, 0), QSize(400, 500)); // no page to fit
    // Equal ratios take the height branch and fill the client area.
    EXPECT_EQ(PreviewDocument::pageViewFit(QSize(476, 680), 4760, 6800), QSize(476, 680));
}

TEST_F(PreviewDocumentTest, ShowingPreparesTheImagesAndEmptiesTheLists) {
    auto doc = open(&printer);
    doc->engine.Visible = true;
    doc->engine.ListByManual << u"Line,0,0,1,1"_qs;
    doc->engine.ListbyProgram << u"INITPARAM"_qs;
    doc->engine.fBold = true;
    doc->Show(QSize(400, 500));
    EXPECT_EQ(doc->engine.Image1.size(), QSize(761, 1090)); // 4760 × 6814 dots at 600 dpi on a 96 dpi screen
    EXPECT_EQ(doc->engine.nTgtCanvas, 1);
    EXPECT_TRUE(doc->engine.ListByManual.isEmpty());
    EXPECT_TRUE(doc->engine.ListbyProgram.isEmpty());
    EXPECT_FALSE(doc->engine.fBold);

    doc->engine.PageView = 2;
    doc->Show(QSize(400, 500));
    EXPECT_EQ(doc->engine.Image2.size(), PreviewDocument::pageViewFit(QSize(400, 500), 4760, 6814));
    EXPECT_EQ(doc->engine.nTgtCanvas, 2);
}

TEST_F(PreviewDocumentTest, EveryShowReadsTheFileListAfresh) {
    const QString listFile = settingsFile.inFolder(QStringLiteral("page.prv"));
    const auto writeList = [&](const QByteArray& text) {
        QFile file(listFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    };
    auto doc = open(&printer);
    doc->sources.ListIniFile = listFile;
    doc->engine.Visible = true;
    writeList("Line,1,1,2,2\r\n\r\nFontSize,12\r\n");
    doc->Show(QSize(400, 500));
    EXPECT_EQ(doc->engine.ListByFile, QStringList({"Line,1,1,2,2", "FontSize,12"}));
    writeList("PenSize,3\n");
    doc->Show(QSize(400, 500));
    EXPECT_EQ(doc->engine.ListByFile, QStringList({"PenSize,3"}));
}

TEST_F(PreviewDocumentTest, ViewsAndAids) {
    auto doc = open(&printer);
    doc->engine.Visible = true;
    doc->Show(QSize(400, 500));
    doc->engine.ListbyProgram << u"Line,10,10,20,10"_qs;
    doc->engine.fMesh = 1;
    doc->showWholePage(QSize(300, 300));
    EXPECT_EQ(doc->engine.PageView, 2);
    EXPECT_EQ(doc->engine.Image2.size(), PreviewDocument::pageViewFit(QSize(300, 300), 4760, 6814));
    EXPECT_EQ(&doc->visibleImage(), &doc->engine.Image2);
    // In the page view the grid is not drawn: away from the line the page stays white.
    EXPECT_EQ(doc->engine.Image1.pixel(300, 600), qRgb(255, 255, 255));
    EXPECT_NE(doc->engine.Image1.pixel(50, 38), qRgb(255, 255, 255));

    const QImage before = doc->engine.Image1;
    doc->showOneToOne(); // neither a redraw nor a new image
    EXPECT_EQ(doc->engine.PageView, 1);
    EXPECT_EQ(doc->engine.Image1, before);
    EXPECT_EQ(&doc->visibleImage(), &doc->engine.Image1);

    doc->toggleMesh(); // off
    doc->toggleMesh(); // on again, now in the 1:1 view
    EXPECT_EQ(doc->engine.fMesh, 1);
    EXPECT_NE(doc->engine.Image1, before);

    doc->setUnit(0);
    EXPECT_EQ(doc->engine.UnitType, 0);
}

TEST_F(PreviewDocumentTest, PrintingDrawsOnePageAtPrinterResolutionAndRestoresTheTarget) {
    auto doc = open(&printer);
    doc->engine.Visible = true;
    doc->Show(QSize(400, 500));
    doc->engine.ListbyProgram << u"Line,10,10,20,10"_qs;
    doc->PrintOut();
    ASSERT_EQ(printer.pages().size(), 1u);
    EXPECT_EQ(printer.pages()[0].size(), QSize(4760, 6814));
    EXPECT_NE(printer.pages()[0].pixel(300, 236), qRgb(255, 255, 255));
    EXPECT_EQ(doc->engine.nTgtCanvas, 1);

    doc->engine.Visible = false; // a hidden preview prints nothing
    doc->PrintOut();
    EXPECT_EQ(printer.pages().size(), 1u);
}

TEST_F(PreviewDocumentTest, AFailedPrintJobStillRestoresTheTarget) {
    veridi::test::FailingPrinter failing;
    auto doc = open(&failing);
    doc->engine.Visible = true;
    doc->engine.PageView = 2;
    doc->Show(QSize(400, 500));
    EXPECT_THROW(doc->PrintOut(), PrintJobError);
    EXPECT_EQ(doc->engine.nTgtCanvas, 2);
    doc->engine.ListbyProgram << u"Line,10,10,20,10"_qs;
    doc->resized(); // the next redraw goes to the screen again
    EXPECT_NE(doc->engine.Image1.pixel(50, 38), qRgb(255, 255, 255));
}

TEST_F(PreviewDocumentTest, PrinterSetupReadsThePrinterAgain) {
    auto doc = open(&printer);
    doc->engine.Visible = true;
    doc->engine.PageView = 2;
    doc->Show(QSize(400, 500));
    const QSize pageView = doc->engine.Image2.size();
    ImagePrinter coarse(300, 300, QSize(2380, 3407));
    doc->engine.setPrinterDevice(&coarse);
    EXPECT_EQ(doc->SetPrinter(), u"Preview 2380:3407 300:300"_qs);
    EXPECT_EQ(doc->engine.Image1.size(), QSize(761, 1090));
    EXPECT_EQ(doc->engine.Image2.size(), pageView); // the page view is not fitted anew
    EXPECT_EQ(doc->engine.RatioX, Real(300) / 96);
}

TEST_F(PreviewDocumentTest, JpegQualityInput) {
    auto doc = open(&printer);
    const QString range = QStringLiteral("範囲を越えています.\r\n1から100までの整数を入力して下さい");
    const QString notInteger = QStringLiteral("入力した文字列が整数ではありません");
    for (const char* typed : {"0", "101", "-5"})
        EXPECT_EQ(doc->setQuality(QString::fromLatin1(typed)), range) << typed;
    for (const char* typed : {"abc", "", "5.5"})
        EXPECT_EQ(doc->setQuality(QString::fromLatin1(typed)), notInteger) << typed;
    EXPECT_EQ(doc->CQuality, 90);
    EXPECT_EQ(doc->setQuality(u"1"_qs), std::nullopt);
    EXPECT_EQ(doc->CQuality, 1);
    EXPECT_EQ(doc->setQuality(u"100"_qs), std::nullopt);
    EXPECT_EQ(doc->CQuality, 100);
}

TEST_F(PreviewDocumentTest, SavedImagesAreJpegOrBmpByTheirExtension) {
    auto doc = open(&printer);
    doc->engine.Visible = true;
    doc->Show(QSize(400, 500));
    struct Row {
        const char* name;
        const char* magic;
    };
    for (const Row row : {Row{"a.jpg", "\xFF\xD8"}, Row{"b.JPEG", "\xFF\xD8"}, Row{"c.Jpg", "\xFF\xD8"},
                          Row{"d.bmp", "BM"}, Row{"e.png", "BM"}, Row{"f", "BM"}}) {
        const QString file = settingsFile.inFolder(QString::fromLatin1(row.name));
        doc->saveImage(file);
        QFile written(file);
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << row.name;
        EXPECT_TRUE(written.readAll().startsWith(row.magic)) << row.name;
    }
}

TEST_F(PreviewDocumentTest, TheResizeGuardRefusesAPageImageTooBigToMake) {
    auto doc = open(&printer);
    EXPECT_TRUE(doc->resizeAllowed(QSize(400, 500)));
    ImagePrinter enormous(600, 600, QSize(2000000, 2000000));
    doc->engine.setPrinterDevice(&enormous);
    doc->engine.GetPageSize();
    EXPECT_FALSE(doc->resizeAllowed(QSize(400, 500)));
    doc->engine.PageView = 2; // the page view needs only the client area
    EXPECT_TRUE(doc->resizeAllowed(QSize(400, 500)));
}

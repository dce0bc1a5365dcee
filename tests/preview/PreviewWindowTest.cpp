#include "PreviewWindow.h"
#include "FakeChoosers.h"
#include "FakePrinters.h"
#include "FakePrompts.h"
#include "SettingsFile.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::FakeChoosers;
using veridi::test::FakePrompts;
using veridi::test::SettingsFile;

namespace {

class PreviewWindowTest : public ::testing::Test {
protected:
    SettingsFile settingsFile;
    QString path = settingsFile.path();
    FakePrompts prompts;
    FakeChoosers choosers;
    ImagePrinter* printer = nullptr;

    std::unique_ptr<TFrmPrev> open() {
        auto device = std::make_unique<ImagePrinter>(600, 600, QSize(4760, 6814));
        printer = device.get();
        return std::make_unique<TFrmPrev>(prompts, choosers, std::move(device), path);
    }
};

} // namespace

TEST_F(PreviewWindowTest, MenusCarryTheirCaptionsAndNames) {
    auto window = open();
    EXPECT_EQ(window->windowTitle(), u"Preview"_qs);
    EXPECT_EQ(window->size(), QSize(480, 600));
    EXPECT_EQ(window->FileMenu->title(), QStringLiteral("ファイル(&F)"));
    EXPECT_EQ(window->Save2BMP->text(), QStringLiteral("ファイルに保存(&B)"));
    EXPECT_EQ(window->JpegOpt->text(), QStringLiteral("Jpeg画像の質(&J)"));
    EXPECT_EQ(window->Copy2Clip->text(), QStringLiteral("クリップボードに複写(&F)"));
    EXPECT_EQ(window->Printer1->text(), QStringLiteral("プリンタ設定(&S)"));
    EXPECT_EQ(window->Print2->text(), QStringLiteral("印刷(&P)"));
    EXPECT_EQ(window->Close1->text(), QStringLiteral("閉じる(&C)"));
    EXPECT_EQ(window->WysiWyg2->text(), QStringLiteral("１：１表示(&W)"));
    EXPECT_EQ(window->Page1->text(), QStringLiteral("ページ(&G)"));
    EXPECT_EQ(window->Unit1->text(), QStringLiteral("描画単位(&U)"));
    EXPECT_TRUE(window->N3->isSeparator());
    EXPECT_TRUE(window->WysiWyg2->isChecked());
    EXPECT_TRUE(window->mm1->isChecked());
    EXPECT_NE(window->findChild<QAction*>(u"Mesh1"_qs), nullptr);
    EXPECT_NE(window->findChild<QAction*>(u"About1"_qs), nullptr);
}

TEST_F(PreviewWindowTest, ShowingDrawsNothingUntilAPageComesAndClosingOnlyHides) {
    auto window = open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(window->Image1->isVisible());
    EXPECT_FALSE(window->Image2->isVisible());
    window->engine().ListbyProgram << u"Line,10,10,20,10"_qs;
    window->PrevUpDateProgram();
    const QImage shown = window->Image1->pixmap().toImage();
    EXPECT_NE(shown.pixel(50, 38), qRgb(255, 255, 255));
    window->Close1->trigger();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->engine().Visible);
}

TEST_F(PreviewWindowTest, ViewRulerGridAndUnitSurviveARestart) {
    {
        auto window = open();
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->Page1->trigger();
        EXPECT_TRUE(window->Image2->isVisible());
        EXPECT_FALSE(window->Image1->isVisible());
        window->Scale1->trigger();
        window->Mesh1->trigger();
        window->Inch1->trigger();
        EXPECT_EQ(window->engine().fScale, 1);
    }
    auto window = open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_TRUE(window->Page1->isChecked());
    EXPECT_TRUE(window->Scale1->isChecked());
    EXPECT_TRUE(window->Mesh1->isChecked());
    EXPECT_TRUE(window->Inch1->isChecked());
    EXPECT_EQ(window->engine().UnitType, 1);
    EXPECT_TRUE(window->Image2->isVisible());
}

TEST_F(PreviewWindowTest, PrinterSetupAndPrintingThroughTheMenus) {
    auto window = open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->Printer1->trigger();
    EXPECT_EQ(choosers.printerDialogs, 1);
    EXPECT_EQ(window->windowTitle(), u"Preview 4760:6814 600:600"_qs);
    window->Print2->trigger();
    ASSERT_EQ(printer->pages().size(), 1u);
    EXPECT_EQ(printer->pages()[0].size(), QSize(4760, 6814));
}

TEST_F(PreviewWindowTest, JpegQualityFromItsMenuItem) {
    auto window = open();
    prompts.textAnswers = {u"101"_qs, std::nullopt, u"75"_qs};
    window->JpegOpt->trigger();
    window->JpegOpt->trigger();
    window->JpegOpt->trigger();
    EXPECT_EQ(prompts.messages,
              QStringList({QStringLiteral("JPEG画像の質|1～100の整数を入力して下さい"),
                           QStringLiteral("範囲を越えています.\r\n1から100までの整数を入力して下さい"),
                           QStringLiteral("JPEG画像の質|1～100の整数を入力して下さい"),
                           QStringLiteral("JPEG画像の質|1～100の整数を入力して下さい")}));
    EXPECT_EQ(window->document().CQuality, 75);
}

TEST_F(PreviewWindowTest, ALimitLevelHidesTheListAndEditingItemsForGood) {
    auto window = open();
    window->Set_LimitLevel(1);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    for (QAction* hidden :
         {window->Update1, window->R1, window->I1, window->L1, window->N3, window->A1, window->D1,
          window->EditMenu->menuAction(), window->N5, window->Unit1, window->HelpMenu->menuAction()})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    EXPECT_TRUE(window->Save2BMP->isVisible());
    window->hide();
    window->Set_LimitLevel(0);
    window->show();
    EXPECT_FALSE(window->Update1->isVisible());
}

TEST_F(PreviewWindowTest, TheResizeGuardRefusesASizeWhosePageCannotBeMade) {
    auto device = std::make_unique<ImagePrinter>(600, 600, QSize(2000000, 2000000));
    auto window = std::make_unique<TFrmPrev>(prompts, choosers, std::move(device), path);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    const QSize before = window->size();
    window->resize(before + QSize(40, 30));
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.messages,
              QStringList({QStringLiteral("Resize is ignore, because  bitmap is too big.")}));
    EXPECT_EQ(window->size(), before);
}

TEST_F(PreviewWindowTest, AWindowWithoutAPrinterStaysDisabled) {
    auto window =
        std::make_unique<TFrmPrev>(prompts, choosers, std::make_unique<veridi::test::NoPrinter>(), path);
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("デフォルトのプリンタの設定を確認下さい")}));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_FALSE(window->engine().Visible);
    window->engine().ListbyProgram << u"Line,10,10,20,10"_qs;
    window->PrevUpDateProgram();
    EXPECT_TRUE(window->Image1->pixmap().isNull());
    window->Print2->trigger();
    window.reset();
    EXPECT_FALSE(QFile::exists(path)); // nothing read, so nothing written back
}

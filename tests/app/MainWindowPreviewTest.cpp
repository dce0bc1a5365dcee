#include "AboutBox.h"
#include "DistributionDialog.h"
#include "FakeChoosers.h"
#include "FakeLinks.h"
#include "FakePrompts.h"
#include "ImagePrinter.h"
#include "MainWindow.h"
#include "ModalDriver.h"
#include "PageStrDialog.h"
#include "PreviewWindow.h"
#include "SettingsFile.h"
#include "StyleDialog.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::FakeChoosers;
using veridi::test::FakeLinks;
using veridi::test::FakePrompts;
using veridi::test::SettingsFile;
using veridi::test::typeInto;
using veridi::test::whenModal;

namespace {

// The main window with its preview, as the program starts them, on a fake 600 dpi printer.
class MainWindowPreviewTest : public ::testing::Test {
protected:
    SettingsFile settingsFile;
    QString path = settingsFile.path();
    FakePrompts prompts;
    FakeLinks links;
    FakeChoosers choosers;
    RandomSource random{3};
    ImagePrinter* printer = nullptr;
    std::unique_ptr<TForm1> form;

    void open() {
        form = std::make_unique<TForm1>(prompts, choosers, links, path, random);
        auto device = std::make_unique<ImagePrinter>(600, 600, QSize(4760, 6814));
        printer = device.get();
        form->setPreview(new TFrmPrev(prompts, choosers, std::move(device), path, form.get()));
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    DrawEngine& engine() { return form->FrmPrev->engine(); }
};

} // namespace

TEST_F(MainWindowPreviewTest, ShowingTheMainWindowPreparesThePreview) {
    open();
    EXPECT_EQ(engine().PageNote.psStr, QStringLiteral("この問題はVeridiで印刷しました。"));
    EXPECT_EQ(engine().PageTitle.psPos, 4);
    EXPECT_EQ(engine().PageTitle.psSize, 24);
    EXPECT_EQ(engine().SubTitle.psY, u"36"_qs);
    EXPECT_EQ(engine().Header.psPos, 0); // header and footer get no default place
    TFrmPrev* preview = form->FrmPrev;
    for (QAction* hidden :
         {preview->Update1, preview->R1, preview->I1, preview->A1, preview->L1, preview->D1, preview->N3,
          preview->EditMenu->menuAction(), preview->Unit1, preview->N5, preview->HelpMenu->menuAction()})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    for (QAction* offered :
         {preview->Save2BMP, preview->JpegOpt, preview->Copy2Clip, preview->Printer1, preview->Print2,
          preview->Close1, preview->Scale1, preview->Mesh1, preview->WysiWyg2, preview->Page1})
        EXPECT_TRUE(offered->isVisible()) << offered->objectName().toStdString();
    EXPECT_EQ(form->EdtPageTitle->text(), QStringLiteral("かずの計算"));
}

TEST_F(MainWindowPreviewTest, ProblemsAndAnswersPagesAppearInThePreview) {
    open();
    form->BtnMake->click();
    EXPECT_FALSE(form->FrmPrev->isVisible());
    form->Button1->click();
    ASSERT_TRUE(form->FrmPrev->isVisible());
    EXPECT_EQ(engine().ListbyProgram.value(0), u"INITPARAM"_qs);
    const QString firstProblem = form->Memo1->toPlainText().section(u'\n', 0, 0) + QStringLiteral(" ＋ ") +
                                 form->Memo2->toPlainText().section(u'\n', 0, 0) + QStringLiteral(" = ");
    EXPECT_TRUE(engine().ListbyProgram.join(u'\n').contains(firstProblem));
    const QImage page = form->FrmPrev->Image1->pixmap().toImage();
    ASSERT_EQ(page.size(), QSize(761, 1090));
    int ink = 0;
    for (int y = 150; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            ink += page.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(ink, 500); // the first problems in 24-point type

    form->Button2->click();
    EXPECT_TRUE(engine().ListbyProgram.join(u'\n').contains(QStringLiteral("たしざんのもんだい (答)")));
}

TEST_F(MainWindowPreviewTest, PrintingFromTheMainWindowPrintsThePageThePreviewShows) {
    open();
    form->Print1->trigger(); // nothing composed yet
    EXPECT_EQ(prompts.messages, QStringList{QStringLiteral(
                                    "印刷するページがありません。「問題」か「答え」でページを作って下さい")});
    EXPECT_TRUE(printer->pages().empty());
    form->BtnMake->click();
    form->Button1->click();
    form->FrmPrev->hide();
    form->Print1->trigger();
    EXPECT_TRUE(form->FrmPrev->isVisible()) << "the preview comes up with the page it prints";
    ASSERT_EQ(printer->pages().size(), 1u);
    EXPECT_EQ(printer->pages()[0].size(), QSize(4760, 6814));
    form->S1->trigger();
    EXPECT_EQ(choosers.printerDialogs, 1);
    EXPECT_EQ(form->FrmPrev->windowTitle(), u"Preview 4760:6814 600:600"_qs);
}

TEST_F(MainWindowPreviewTest, ThePreviewSavesItsSettingsBeforeTheMainWindowItsDateLine) {
    open();
    form->close();
    form.reset();
    const QByteArray text = settingsFile.readRaw();
    const qsizetype preview = text.indexOf("[PageView]");
    ASSERT_GE(preview, 0);
    EXPECT_LT(text.indexOf("[Page]"), preview); // the main window's keys, written when it was hidden
    EXPECT_LT(text.indexOf("[SubTitle]"), text.indexOf("[DateTime]"));
}

TEST_F(MainWindowPreviewTest, PageTextsGoToThePageAndToTheSettings) {
    open();
    form->EdtPageTitle->setFocus(Qt::TabFocusReason);
    form->EdtPageTitle->selectAll();
    QTest::keyClicks(form->EdtPageTitle, u"Sheet 3"_qs);
    form->BtnMake->click();
    form->Button1Click(); // from the accelerator, the box still has the focus
    EXPECT_EQ(form->Sets.sPageTitle, u"Sheet 3"_qs);
    EXPECT_TRUE(engine().ListbyProgram.join(u'\n').contains(QStringLiteral("PageTitle,\"Sheet 3\"")));

    form->EdtFooter->setText(QStringLiteral("%d"));
    form->close();
    form.reset();
    form = std::make_unique<TForm1>(prompts, choosers, links, path, random);
    form->show();
    EXPECT_EQ(form->EdtPageTitle->text(), u"Sheet 3"_qs);
    EXPECT_EQ(form->EdtFooter->text(), QStringLiteral("%d"));
}

TEST_F(MainWindowPreviewTest, SetButtonsEditTheTextWithItsFormatAndTheRecordKeepsOnlyTheFormat) {
    open();
    form->EdtHeader->setText(u"クラス"_qs);
    whenModal([this](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ヘッダーの設定"));
        EXPECT_EQ(form->FrmPrev->FrmPageStr->Edit1->text(), u"クラス"_qs);
        form->FrmPrev->FrmPageStr->Edit1->setText(u"%d"_qs);
        form->FrmPrev->FrmPageStr->ComboBox1->setCurrentIndex(2);
        form->FrmPrev->FrmPageStr->Button3->click();
    });
    form->BtnHeader->click();
    EXPECT_EQ(form->EdtHeader->text(), u"クラス"_qs);
    EXPECT_EQ(engine().Header.psPos, 0) << "Cancel leaves the format";

    whenModal([this](QDialog&) {
        form->FrmPrev->FrmPageStr->Edit1->setText(u"%d"_qs);
        form->FrmPrev->FrmPageStr->ComboBox1->setCurrentIndex(2);
        form->FrmPrev->FrmPageStr->Button2->click();
    });
    form->BtnHeader->click();
    EXPECT_EQ(form->EdtHeader->text(), u"%d"_qs);
    EXPECT_EQ(form->Sets.sHeader, u"%d"_qs);
    EXPECT_EQ(engine().Header.psPos, 2);
    EXPECT_TRUE(engine().Header.psStr.isEmpty());

    form->Sets.sDateTime = u" 月 日"_qs;
    whenModal([this](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("日付の設定"));
        form->FrmPrev->FrmPageStr->Edit1->setText(u"日付"_qs);
        form->FrmPrev->FrmPageStr->Button2->click();
    });
    form->D1->trigger();
    EXPECT_EQ(form->Sets.sDateTime, u"日付"_qs);
    EXPECT_TRUE(form->DateTime.psStr.isEmpty());
}

TEST_F(MainWindowPreviewTest, StyleAndDistributionDialogsChangeWhatIsMade) {
    open();
    whenModal([this](QDialog&) {
        typeInto(form->FrmStyle->EdtRow, u"5"_qs, form->FrmStyle->EdtCol);
        typeInto(form->FrmStyle->EdtCol, u"4"_qs, form->FrmStyle->EdtRow);
        form->FrmStyle->BtnOK->click();
    });
    form->Style1->trigger();
    EXPECT_EQ(form->EdtRow->text(), u"5"_qs);
    EXPECT_EQ(form->EdtCol->text(), u"4"_qs);
    EXPECT_EQ(form->EdtTotal->text(), u"20"_qs);

    // D = -3 draws the operands around the maximum.
    whenModal([this](QDialog&) {
        typeInto(form->FrmRndD->EdtD, u"-3"_qs, form->FrmRndD->BtnOK);
        form->FrmRndD->BtnOK->click();
    });
    form->R1->trigger();
    EXPECT_EQ(form->Sets.rnd_D, -3);
    form->BtnMake->click();
    const QStringList first = form->Memo1->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(first.size(), 20);
    // Drawn evenly from 1 to 100 the mean would be near 50; around 100 it is above 70.
    double sum = 0;
    for (const QString& operand : first)
        sum += operand.toInt();
    EXPECT_GT(sum / 20, 62) << first.join(u' ').toStdString();
}

TEST_F(MainWindowPreviewTest, TheVersionDialogOpensFromTheHelpMenu) {
    open();
    whenModal([this](QDialog& about) {
        EXPECT_EQ(about.windowTitle(), QStringLiteral("バージョン情報"));
        EXPECT_EQ(form->AboutBox->ProductName->text(), QStringLiteral("Veridi　自然数の加減乗除篇"));
        EXPECT_EQ(form->AboutBox->Version->text(), u"Version 1.6"_qs);
        form->AboutBox->OKButton->click();
    });
    form->A1->trigger();
    EXPECT_FALSE(form->AboutBox->isVisible());
}

#include "FakeChoosers.h"
#include "FakePrinters.h"
#include "FakePrompts.h"
#include "ListWindow.h"
#include "ManualCommands.h"
#include "ModalDriver.h"
#include "PreviewWindow.h"
#include "SettingsFile.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::FakeChoosers;
using veridi::test::FakePrompts;
using veridi::test::SettingsFile;
using veridi::test::whenModal;

namespace {

ColoredFont coloredFont(const QString& family, int points, bool bold, QColor color = Qt::black) {
    QFont font(family, points);
    font.setBold(bold);
    return {font, color};
}

bool inkIn(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

} // namespace

TEST(ManualCommands, FontChoicesAppendOnlyWhatDiffersInOrder) {
    ColoredFont current = coloredFont(u"Sans"_qs, 9, false);
    const ColoredFont bold = coloredFont(u"Sa\"ns"_qs, 12, true, Qt::red);
    EXPECT_EQ(fontCommands(current, bold), (QStringList{u"FontName,\"Sa\"\"ns\""_qs, u"FontSize,12"_qs,
                                                        u"FontColor,RED"_qs, u"FontStyle,BOLD"_qs}));
    EXPECT_EQ(fontCommands(current, bold), QStringList()) << "the same font again";
    const ColoredFont plain = coloredFont(u"Sa\"ns"_qs, 12, false, Qt::red);
    EXPECT_EQ(fontCommands(current, plain), QStringList{u"FontStyle,BOLD-"_qs});
}

TEST(ManualCommands, PenWidthNeedsAPositiveInteger) {
    for (const char16_t* refused : {u"0", u"-3", u"abc", u"", u"2.5"})
        EXPECT_FALSE(penWidthCommand(QString::fromUtf16(refused)));
    EXPECT_EQ(penWidthCommand(u"3"_qs), u"PenWidth,3"_qs);
}

TEST(ManualCommands, ScreenPositionsConvertToTheUnitHalvesAwayFromZero) {
    struct Case {
        qint32 unit;
        QPoint screen;
        QPoint expected;
    };
    for (const Case& c : {Case{2, {96, 48}, {25, 13}}, Case{1, {48, 144}, {1, 2}},
                          Case{0, {96, 48}, {600, 300}}, Case{7, {1, 1}, {6, 6}}})
        EXPECT_EQ(screenToUnit(c.screen, c.unit, 600, 600, 96), c.expected) << "unit " << c.unit;
    EXPECT_EQ(textOutCommand({25, 13}, u"山\"田"_qs), u"TextOut,25,13,\"山\"\"田\",Nil"_qs);
}

namespace {

class PreviewEditingTest : public ::testing::Test {
protected:
    SettingsFile settingsFile;
    FakePrompts prompts;
    FakeChoosers choosers;
    std::unique_ptr<TFrmPrev> window;

    void SetUp() override {
        window = std::make_unique<TFrmPrev>(prompts, choosers,
                                            std::make_unique<ImagePrinter>(600, 600, QSize(4760, 6814)),
                                            settingsFile.path());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->engine().MonitorRes = 96;
    }
    QStringList& manual() { return window->engine().ListByManual; }
    void clickPage(QPoint at) { QTest::mouseClick(window->Image1, Qt::LeftButton, {}, at); }
};

} // namespace

TEST_F(PreviewEditingTest, TextTypedOnThePageIsAppendedInTheUnitAndDrawn) {
    clickPage({96, 48});
    EXPECT_FALSE(window->EdtInput->isVisible()) << "typing on the page is off";
    window->E1->trigger();
    window->Page1->trigger();
    clickPage({96, 48});
    EXPECT_FALSE(window->EdtInput->isVisible()) << "the page view";
    window->WysiWyg2->trigger();
    clickPage({96, 48});
    ASSERT_TRUE(window->EdtInput->isVisible());
    EXPECT_EQ(window->EdtInput->text(), u"EdtInput"_qs);
    window->EdtInput->setText(u"やまだ小学校"_qs);
    QTest::keyClick(window->EdtInput, Qt::Key_Escape);
    EXPECT_TRUE(manual().isEmpty());
    clickPage({96, 48});
    QTest::keyClick(window->EdtInput, Qt::Key_Return);
    EXPECT_EQ(manual(), QStringList{u"TextOut,25,13,\"やまだ小学校\",Nil"_qs});
    EXPECT_FALSE(window->EdtInput->isVisible());
    EXPECT_TRUE(inkIn(window->Image1->pixmap().toImage(), {94, 49, 80, 14})) << "drawn";
}

TEST_F(PreviewEditingTest, EditItemsAppendTheirCommands) {
    choosers.textFontAnswers = {coloredFont(u"Serif"_qs, 20, true), std::nullopt};
    window->Font2->trigger();
    window->Font2->trigger();
    choosers.colorAnswers = {QColor(Qt::blue)};
    window->C3->trigger();
    prompts.textAnswers = {u"0"_qs, u"abc"_qs, u"4"_qs, u"Line,0,0,50,50"_qs};
    for (int i = 0; i < 3; ++i)
        window->W1->trigger();
    window->D2->trigger();
    window->I2->trigger();
    EXPECT_EQ(manual(),
              (QStringList{u"FontName,\"Serif\""_qs, u"FontSize,20"_qs, u"FontStyle,BOLD"_qs,
                           u"PenColor,BLUE"_qs, u"PenWidth,4"_qs, u"INITPARAM"_qs, u"Line,0,0,50,50"_qs}));
    EXPECT_EQ(prompts.messages.last(), u"コマンド入力|挿入するコマンド列を入力して下さい"_qs);
    EXPECT_TRUE(inkIn(window->Image1->pixmap().toImage(), {90, 90, 10, 10})) << "the typed line drawn";

    prompts.yesNoAnswers = {false, true};
    window->D1->trigger();
    EXPECT_EQ(manual().size(), 7);
    window->D1->trigger();
    EXPECT_TRUE(manual().isEmpty());
    EXPECT_EQ(prompts.messages.last(), u"入力リストを破棄してもいいですか"_qs);
}

TEST_F(PreviewEditingTest, OnlyTheHandTypedListCanBeChangedInTheListWindow) {
    window->engine().ListbyProgram = {u"Line,0,0,9,9"_qs};
    manual() = {u"FontSize,20"_qs, u"Line,0,0,50,50"_qs};
    TFrmList* list = window->FrmList;
    whenModal([list](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("リストの確認"));
        EXPECT_FALSE(list->BtnClear->isVisible());
        list->ListBox1->setCurrentRow(0);
        QTest::keyClick(list->ListBox1, Qt::Key_Delete);
        EXPECT_EQ(list->ListBox1->count(), 1);
        list->Button1->click();
    });
    window->A1->trigger();
    EXPECT_EQ(window->engine().ListbyProgram.size(), 1);

    whenModal([list](QDialog&) {
        EXPECT_TRUE(list->BtnClear->isVisible());
        list->ListBox1->setCurrentRow(1);
        QTest::keyClick(list->ListBox1, Qt::Key_Delete);
        EXPECT_EQ(list->ListBox1->count(), 1);
        list->Button1->click();
    });
    window->I1->trigger();
    EXPECT_EQ(manual(), QStringList{u"FontSize,20"_qs});
    whenModal([list](QDialog&) { list->BtnClear->click(), list->Button1->click(); });
    window->I1->trigger();
    EXPECT_TRUE(manual().isEmpty());
}

TEST_F(PreviewEditingTest, ClosingThroughTheFrameAsksOnlyWithAHandTypedList) {
    window->close();
    EXPECT_FALSE(window->isVisible()) << "nothing asked for an empty list";
    window->show();
    manual() << u"INITPARAM"_qs;
    prompts.yesNoCancelAnswers = {Prompts::Answer::Cancel, Prompts::Answer::Yes};
    window->close();
    EXPECT_TRUE(window->isVisible());
    prompts.saveAnswers = {std::nullopt};
    window->close();
    EXPECT_FALSE(window->isVisible()) << "Yes closes even without a file chosen";
    EXPECT_EQ(prompts.messages, QStringList(2, u"Save data?"_qs));
    EXPECT_TRUE(prompts.saveRequests.constFirst().filter.isEmpty());
}

TEST_F(PreviewEditingTest, SavingThePageSharesTheLastNameWithTheListAndCopyTakesThePage) {
    prompts.saveAnswers = {std::nullopt, u""_qs};
    window->Save2BMP->trigger();
    window->Save2BMP->trigger();
    EXPECT_EQ(prompts.saveRequests.constFirst().filter,
              u"Bitmap files (*.bmp *.BMP);;Jpeg files (*jpg *.jpeg)"_qs);
    EXPECT_EQ(prompts.saveRequests.constFirst().defaultExtension, u"JPG"_qs);

    const QString name = settingsFile.path() + u".jpg"_qs;
    prompts.saveAnswers = {name, std::nullopt};
    window->Save2BMP->trigger();
    EXPECT_EQ(QImage(name).size(), window->engine().Image1.size());
    window->L1->trigger();
    EXPECT_EQ(prompts.saveRequests.last().lastName, name);
    EXPECT_TRUE(prompts.saveRequests.last().defaultExtension.isEmpty());

    window->Copy2Clip->trigger();
    EXPECT_EQ(QApplication::clipboard()->image().size(), window->engine().Image1.size());
}

#include "PageStrDialog.h"
#include "FakeChoosers.h"
#include "FakePrinters.h"
#include "FakePrompts.h"
#include "ModalDriver.h"
#include "PreviewWindow.h"
#include "SettingsFile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::FakeChoosers;
using veridi::test::FakePrompts;
using veridi::test::SettingsFile;
using veridi::test::typeInto;
using veridi::test::whenModal;

namespace {

class PageStrDialogTest : public ::testing::Test {
protected:
    SettingsFile settingsFile;
    FakePrompts prompts;
    FakeChoosers choosers;
    TFrmPrev window{prompts, choosers, std::make_unique<ImagePrinter>(600, 600, QSize(4760, 6814)),
                    settingsFile.path()};
    TFrmPageStr& dialog = *window.FrmPageStr;

    TPageStr header() {
        TPageStr ps;
        ps.SetSets(u"ページ"_qs, u"ＭＳ 明朝"_qs, 11, 1, u"5"_qs, u"7.5"_qs, false, true);
        return ps;
    }
};

} // namespace

TEST_F(PageStrDialogTest, CarriesTheDesignedControls) {
    EXPECT_EQ(dialog.size(), QSize(288, 208));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("ヘッダーの設定"));
    ASSERT_EQ(dialog.ComboBox1->count(), 5);
    EXPECT_EQ(dialog.ComboBox1->itemText(3), QStringLiteral("中央"));
    EXPECT_EQ(dialog.Button1->text(), QStringLiteral("フォント(&F)"));
    EXPECT_EQ(dialog.Button3->text(), QStringLiteral("&Cancel"));
}

TEST_F(PageStrDialogTest, RecordRoundTripsThroughTheDialog) {
    window.SetStrSet(header());
    TPageStr back;
    window.GetStrSet(back);
    EXPECT_EQ(back.psStr, u"ページ"_qs);
    EXPECT_EQ(back.psName, u"ＭＳ 明朝"_qs);
    EXPECT_EQ(back.psSize, 11);
    EXPECT_EQ(back.psPos, 1);
    EXPECT_EQ(back.psX, u"5"_qs);
    EXPECT_EQ(back.psY, u"7.5"_qs);
    EXPECT_FALSE(back.psBold);
    EXPECT_TRUE(back.psItalic);

    // A mode outside the list selects nothing and comes back as -1.
    TPageStr odd = header();
    odd.psPos = 7;
    window.SetStrSet(odd);
    EXPECT_EQ(dialog.ComboBox1->currentIndex(), -1);
    window.GetStrSet(back);
    EXPECT_EQ(back.psPos, -1);
}

TEST_F(PageStrDialogTest, OkTakesTheDialogOverAndTicksTheItemCancelChangesNothing) {
    window.engine().Header = header();
    whenModal([this](QDialog&) {
        dialog.Edit1->setText(u"%d"_qs);
        dialog.ComboBox1->setCurrentIndex(3);
        dialog.Button3->click();
    });
    EXPECT_FALSE(window.Set_SetOfHeader());
    EXPECT_EQ(window.engine().Header.psStr, u"ページ"_qs);
    EXPECT_EQ(window.engine().Header.psPos, 1);
    EXPECT_FALSE(window.H1->isChecked());

    whenModal([this](QDialog& shown) {
        EXPECT_EQ(shown.windowTitle(), QStringLiteral("ヘッダーの設定"));
        EXPECT_EQ(dialog.Edit1->text(), u"ページ"_qs) << "reloaded, not what was left by Cancel";
        dialog.Edit1->setText(u"%d"_qs);
        dialog.ComboBox1->setCurrentIndex(3);
        dialog.Button2->click();
    });
    EXPECT_TRUE(window.Set_SetOfHeader());
    EXPECT_EQ(window.engine().Header.psStr, u"%d"_qs);
    EXPECT_EQ(window.engine().Header.psPos, 3);
    EXPECT_TRUE(window.H1->isChecked());

    // An empty text is taken over but neither sets nor clears a tick.
    whenModal([this](QDialog&) {
        dialog.Edit1->clear();
        dialog.Button2->click();
    });
    EXPECT_TRUE(window.Set_SetOfHeader());
    EXPECT_TRUE(window.engine().Header.psStr.isEmpty());
    EXPECT_TRUE(window.H1->isChecked());
    whenModal([this](QDialog&) { dialog.Button2->click(); });
    window.T1->trigger();
    EXPECT_FALSE(window.T1->isChecked()) << "choosing the item does not tick it by itself";
}

TEST_F(PageStrDialogTest, CoordinatesAreNumbersOfZeroOrMore) {
    const struct {
        QString typed;
        QString kept;
    } rows[] = {{u"-3"_qs, u"5"_qs},
                {u"abc"_qs, u"5"_qs},
                {u""_qs, u"5"_qs},
                {u"0"_qs, u"0"_qs},
                {u"25.5"_qs, u"25.5"_qs}};
    for (const auto& row : rows) {
        TPageStr record = header();
        whenModal([this, &row](QDialog&) {
            typeInto(dialog.EdtX, row.typed, dialog.EdtY);
            dialog.Button2->click();
        });
        ASSERT_TRUE(window.editPageStr(u"日付の設定"_qs, record));
        EXPECT_EQ(record.psX, row.kept) << row.typed.toStdString();
        EXPECT_TRUE(prompts.messages.isEmpty());
    }
    // OK by its accelerator while the box still has the focus checks the box first.
    TPageStr record = header();
    whenModal([this](QDialog&) {
        dialog.EdtY->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        dialog.EdtY->setText(u"-1"_qs);
        dialog.Button2->animateClick();
    });
    ASSERT_TRUE(window.editPageStr(u"日付の設定"_qs, record));
    EXPECT_EQ(record.psY, u"7.5"_qs);
}

TEST_F(PageStrDialogTest, FontChooserAndStyleBoxes) {
    QFont bold(u"IPAGothic"_qs, 14);
    bold.setBold(true);
    choosers.fontAnswers = {bold, std::nullopt};
    TPageStr record = header();
    whenModal([this](QDialog&) {
        dialog.Button1->click();
        EXPECT_TRUE(dialog.CheckBox1->isChecked());
        EXPECT_FALSE(dialog.CheckBox2->isChecked());
        dialog.Button1->click(); // cancelled: nothing changes
        dialog.CheckBox1->click();
        dialog.Button2->click();
    });
    ASSERT_TRUE(window.editPageStr(u"タイトルの設定"_qs, record));
    EXPECT_EQ(record.psName, u"IPAGothic"_qs);
    EXPECT_EQ(record.psSize, 14);
    EXPECT_FALSE(record.psBold) << "cleared after the font was chosen";
    EXPECT_FALSE(record.psItalic);
}

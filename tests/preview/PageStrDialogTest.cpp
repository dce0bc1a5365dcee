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

#include <tuple>

using namespace veridi;
using veridi::test::FakeChoosers;
using veridi::test::FakePrompts;
using veridi::test::SettingsFile;
using veridi::test::typeInto;
using veridi::test::whenModal;

namespace {

TPageStr pageStr(const QString& text, qint32 size, qint32 pos, bool bold, bool italic) {
    TPageStr ps;
    ps.SetSets(text, u"ＭＳ 明朝"_qs, size, pos, u"5"_qs, u"7.5"_qs, bold, italic);
    return ps;
}

auto fieldsOf(const TPageStr& ps) {
    return std::tuple(ps.psStr, ps.psName, ps.psSize, ps.psPos, ps.psX, ps.psY, ps.psBold, ps.psItalic);
}

class PageStrDialogTest : public ::testing::Test {
protected:
    SettingsFile settingsFile;
    FakePrompts prompts;
    FakeChoosers choosers;
    TFrmPrev window{prompts, choosers, std::make_unique<ImagePrinter>(600, 600, QSize(4760, 6814)),
                    settingsFile.path()};
    TFrmPageStr& dialog = *window.FrmPageStr;
    TPageStr header = pageStr(u"ページ"_qs, 11, 1, false, true);
};

} // namespace

TEST_F(PageStrDialogTest, RecordRoundTripsThroughTheDialog) {
    const struct {
        const char* name;
        TPageStr record;
    } rows[] = {
        {"italic at the left", header},
        {"bold and centred", pageStr(u"%d"_qs, 24, 3, true, false)},
        {"a fresh record keeps no size of the one before", TPageStr()},
    };
    for (const auto& row : rows) {
        window.SetStrSet(row.record);
        TPageStr back;
        window.GetStrSet(back);
        EXPECT_EQ(fieldsOf(back), fieldsOf(row.record)) << row.name;
    }

    TPageStr odd = header;
    odd.psPos = 7;
    window.SetStrSet(odd);
    EXPECT_EQ(dialog.ComboBox1->currentIndex(), -1) << "a mode outside the list selects nothing";
    TPageStr back;
    window.GetStrSet(back);
    EXPECT_EQ(back.psPos, -1);
}

TEST_F(PageStrDialogTest, OkTakesTheDialogOverAndTicksTheItemCancelChangesNothing) {
    window.engine().Header = header;
    whenModal([this](QDialog&) {
        typeInto(dialog.Edit1, u"%d"_qs, dialog.Button1);
        dialog.ComboBox1->setCurrentIndex(3);
        dialog.Button3->click();
    });
    EXPECT_FALSE(window.Set_SetOfHeader());
    EXPECT_EQ(fieldsOf(window.engine().Header), fieldsOf(header));
    EXPECT_FALSE(window.H1->isChecked());

    whenModal([this](QDialog&) {
        EXPECT_EQ(dialog.Edit1->text(), u"ページ"_qs) << "reloaded, not what was left by Cancel";
        typeInto(dialog.Edit1, u"%d"_qs, dialog.Button1);
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

TEST_F(PageStrDialogTest, EachEditItemOpensItsOwnRecord) {
    const struct {
        QAction* item;
        QString caption;
        TPageStr DrawEngine::*record;
        QString typed;
    } rows[] = {
        {window.H1, u"ヘッダーの設定"_qs, &DrawEngine::Header, u"head"_qs},
        {window.F1, u"フッターの設定"_qs, &DrawEngine::Footer, u"foot"_qs},
        {window.T1, u"タイトルの設定"_qs, &DrawEngine::PageTitle, u"title"_qs},
        {window.S1, u"サブタイトルの設定"_qs, &DrawEngine::SubTitle, u"sub"_qs},
    };
    for (const auto& row : rows) {
        whenModal([this, &row](QDialog& shown) {
            EXPECT_EQ(shown.windowTitle(), row.caption);
            typeInto(dialog.Edit1, row.typed, dialog.Button1);
            dialog.Button2->click();
        });
        row.item->trigger();
        EXPECT_EQ((window.engine().*row.record).psStr, row.typed);
        EXPECT_TRUE(row.item->isChecked()) << row.caption.toStdString();
    }
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
        TPageStr record = header;
        whenModal([this, &row](QDialog&) {
            typeInto(dialog.EdtX, row.typed, dialog.EdtY);
            dialog.Button2->click();
        });
        ASSERT_TRUE(window.editPageStr(u"日付の設定"_qs, record));
        EXPECT_EQ(record.psX, row.kept) << row.typed.toStdString();
        EXPECT_TRUE(prompts.messages.isEmpty());
    }
    // OK by its accelerator while the box still has the focus checks the box first.
    TPageStr record = header;
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
    TPageStr record = header;
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

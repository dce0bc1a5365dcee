#include "StyleDialog.h"
#include "FakeChoosers.h"
#include "FakeLinks.h"
#include "FakePrompts.h"
#include "HelpPages.h"
#include "ModalDriver.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::FakeChoosers;
using veridi::test::FakeLinks;
using veridi::test::FakePrompts;
using veridi::test::typeInto;
using veridi::test::whenModal;

namespace {

const QString kRows = QStringLiteral("行は１以上１０以下でなければなりません");
const QString kTotal = QStringLiteral("問題数は１以上２０以下でなければなりません");
const QString kMargin = QStringLiteral("余白は60以下でなければいけません");
const QString kNotANumber = QStringLiteral("数を入力して下さい");

class StyleDialogTest : public ::testing::Test {
protected:
    FakePrompts prompts;
    FakeChoosers choosers;
    FakeLinks links;
    WorksheetSettings sets;
    TFrmStyle dialog{sets, prompts, choosers, links};

    // Opens the dialog, does what a user does in it, and tells whether OK took it over.
    bool run(std::function<void()> steps) {
        whenModal([steps = std::move(steps)](QDialog&) { steps(); });
        return dialog.run();
    }
};

} // namespace

TEST_F(StyleDialogTest, EachBoxIsCheckedWhenLeft) {
    const struct {
        const char* name;
        QString rows, cols;         // the grid the dialog opens with
        QLineEdit* TFrmStyle::*box; // the box typed into
        QString typed;
        QString message; // empty: accepted silently
        QString shown;   // the box's text afterwards
    } rows[] = {
        {"20 problems", u"10"_qs, u"1"_qs, &TFrmStyle::EdtCol, u"2"_qs, {}, u"2"_qs},
        {"30 problems", u"10"_qs, u"1"_qs, &TFrmStyle::EdtCol, u"3"_qs, kTotal, u"1"_qs},
        {"rows not a number", u"3"_qs, u"1"_qs, &TFrmStyle::EdtRow, u"abc"_qs, kNotANumber, u"3"_qs},
        {"margin 60", u"1"_qs, u"1"_qs, &TFrmStyle::EdtTopP, u"60"_qs, {}, u"60"_qs},
        {"margin 0", u"1"_qs, u"1"_qs, &TFrmStyle::EdtLeftP, u"0"_qs, {}, u"0"_qs},
        {"margin 60.5", u"1"_qs, u"1"_qs, &TFrmStyle::EdtBottomP, u"60.5"_qs, kMargin, u"10"_qs},
        {"margin -1", u"1"_qs, u"1"_qs, &TFrmStyle::EdtRightP, u"-1"_qs, {}, u"10"_qs},
        {"margin 70mm", u"1"_qs, u"1"_qs, &TFrmStyle::EdtTopP, u"70mm"_qs, {}, u"10"_qs},
        {"gap 0", u"1"_qs, u"1"_qs, &TFrmStyle::EdtSeparate, u"0"_qs, {}, u"0"_qs},
        {"gap 100", u"1"_qs, u"1"_qs, &TFrmStyle::EdtSeparate, u"100"_qs, {}, u"100"_qs},
        {"gap -5", u"1"_qs, u"1"_qs, &TFrmStyle::EdtSeparate, u"-5"_qs, {}, u"10"_qs},
    };
    for (const auto& row : rows) {
        prompts.messages.clear();
        sets = WorksheetSettings();
        sets.WindowTop = sets.WindowLeft = sets.WindowRight = sets.WindowBottom = 10;
        sets.ExamSeparate = 10;
        sets.ExamRowN = row.rows.toInt();
        sets.ExamColN = row.cols.toInt();
        QLineEdit* box = nullptr;
        run([&] {
            box = dialog.*row.box;
            typeInto(box, row.typed, dialog.EdtLeft);
            EXPECT_EQ(box->text(), row.shown) << row.name;
            if (row.message == kMargin) {
                EXPECT_TRUE(box->hasFocus()) << row.name << ": the margin keeps the focus";
            }
            dialog.BtnCancel->click();
        });
        EXPECT_EQ(prompts.messages, row.message.isEmpty() ? QStringList() : QStringList{row.message})
            << row.name;
    }
}

TEST_F(StyleDialogTest, OkTakesEveryFieldOverAndCancelNothing) {
    sets.WindowTop = 12.5;
    const WorksheetSettings before = sets;
    QFont chosen(u"IPAMincho"_qs, 16);
    chosen.setItalic(true);
    choosers.fontAnswers = {chosen};
    const auto edit = [this] {
        EXPECT_EQ(dialog.EdtTopP->text(), u"12.5"_qs);
        typeInto(dialog.EdtRow, u"5"_qs, dialog.EdtCol);
        typeInto(dialog.EdtCol, u"4"_qs, dialog.EdtTopP);
        typeInto(dialog.EdtTopP, u"20"_qs, dialog.EdtSeparate);
        typeInto(dialog.EdtSeparate, u"3.5"_qs, dialog.EdtLeft);
        dialog.EdtLeft->clear();
        dialog.EdtRight->setText(u"."_qs);
        dialog.CBoxMC->setChecked(true);
        dialog.CBoxExam->setChecked(false);
        dialog.RButton2->setChecked(true);
        dialog.CBoxFrame->setChecked(true);
    };
    EXPECT_FALSE(run([&] {
        edit();
        dialog.BtnCancel->click();
    }));
    EXPECT_EQ(sets.ExamRowN, before.ExamRowN);
    EXPECT_EQ(sets.WindowTop, 12.5);
    EXPECT_EQ(sets.ExNumLeft, before.ExNumLeft);

    EXPECT_TRUE(run([&] {
        EXPECT_EQ(dialog.EdtRow->text(), u"10"_qs) << "opened afresh, nothing kept from the Cancel";
        edit();
        dialog.Button3->click();
        dialog.BtnOK->click();
    }));
    EXPECT_EQ(sets.ExamRowN, 5);
    EXPECT_EQ(sets.ExamColN, 4);
    EXPECT_EQ(sets.WindowTop, 20);
    EXPECT_EQ(sets.ExamSeparate, 3.5);
    EXPECT_EQ(sets.ExNumLeft, QString());
    EXPECT_EQ(sets.ExNumRight, u"."_qs);
    EXPECT_TRUE(sets.ExamType);
    EXPECT_FALSE(sets.fExNum);
    EXPECT_EQ(sets.AnswerType, 2);
    EXPECT_TRUE(sets.WindowFrame);
    EXPECT_EQ(sets.FntExam.Name, u"IPAMincho"_qs);
    EXPECT_EQ(sets.FntExam.Size, 16);
    EXPECT_TRUE(sets.FntExam.Italic);
}

TEST_F(StyleDialogTest, AGridFromAFileEditedByHandIsMendedOrRefusedOnOk) {
    sets.ExamRowN = 0;
    sets.ExamColN = 1000;
    EXPECT_FALSE(run([&] {
        dialog.BtnOK->click();
        EXPECT_TRUE(dialog.isVisible()) << "OK refused, the dialog stays";
        EXPECT_TRUE(dialog.EdtRow->hasFocus());
        dialog.BtnCancel->click();
    }));
    EXPECT_EQ(prompts.messages, QStringList{kRows});
    EXPECT_EQ(sets.ExamRowN, 0);

    prompts.messages.clear();
    EXPECT_TRUE(run([&] {
        typeInto(dialog.EdtRow, u"5"_qs, dialog.EdtCol);
        typeInto(dialog.EdtCol, u"4"_qs, dialog.EdtRow);
        dialog.BtnOK->click();
    }));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(sets.ExamRowN, 5);
    EXPECT_EQ(sets.ExamColN, 4);
}

TEST_F(StyleDialogTest, HelpOpensTheShippedPageOrSaysItIsMissing) {
    dialog.Button1Click(); // the test program has no help folder beside it
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_TRUE(links.opened.isEmpty());

    QTemporaryDir folder;
    QFile page(folder.filePath(u"style.html"_qs));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    openHelpPage(folder.path(), u"style.html"_qs, links, prompts);
    openHelpPage(folder.path(), u"absent.html"_qs, links, prompts);
    ASSERT_EQ(links.opened.size(), 2);
    EXPECT_EQ(links.opened[0], QUrl::fromLocalFile(page.fileName()));
    EXPECT_EQ(links.opened[1], QUrl::fromLocalFile(folder.path())) << "the folder when its page is missing";
    links.succeeds = false;
    openHelpPage(folder.path(), u"style.html"_qs, links, prompts);
    EXPECT_EQ(prompts.messages.last(), QStringLiteral("エラー：繰り返し発生する場合作者へご連絡下さい"));
}

TEST_F(StyleDialogTest, AMarginKeptInItsBoxIsNotCheckedAgainstTheBoxTheFocusPassedThrough) {
    // Two margins above the limit, as only a settings file edited by hand can hold them.
    sets.WindowTop = 70;
    sets.WindowLeft = 80;
    run([&] {
        dialog.EdtTopP->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        dialog.EdtLeftP->setFocus(Qt::TabFocusReason);
        for (int settle = 0; settle < 10; ++settle)
            QCoreApplication::processEvents();
        EXPECT_TRUE(dialog.EdtTopP->hasFocus());
        dialog.BtnCancel->click();
    });
    EXPECT_EQ(prompts.messages, QStringList{kMargin});
}

TEST_F(StyleDialogTest, OkKeepsUntouchedDecimalsExactly) {
    sets.WindowTop = 12.3456789;
    sets.ExamSeparate = 0.1;
    run([&] {
        EXPECT_EQ(dialog.EdtTopP->text(), u"12.3456789"_qs);
        dialog.BtnOK->click();
    });
    EXPECT_EQ(sets.WindowTop, 12.3456789);
    EXPECT_EQ(sets.ExamSeparate, 0.1);
}

#include "MainWindow.h"
#include "FakeChoosers.h"
#include "FakeLinks.h"
#include "FakePrompts.h"
#include "Hints.h"
#include "InformationArea.h"
#include "IniFile.h"
#include "LoopbackServer.h"
#include "ModalDriver.h"
#include "SettingsFile.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

using namespace veridi;
using veridi::test::FakeChoosers;
using veridi::test::FakeLinks;
using veridi::test::FakePrompts;
using veridi::test::LoopbackServer;
using veridi::test::SettingsFile;
using veridi::test::typeInto;
using veridi::test::whenModal;

namespace {

// Counts the draws, to show which source the window makes its problems from.
struct CountingSource : RandomSource {
    using RandomSource::RandomSource;
    int draws = 0;
    quint64 uniformInteger(quint64 n) override {
        ++draws;
        return RandomSource::uniformInteger(n);
    }
    double uniformReal() override {
        ++draws;
        return RandomSource::uniformReal();
    }
};

class MainWindowTest : public ::testing::Test {
protected:
    SettingsFile settingsFile;
    QString path = settingsFile.path();
    FakePrompts prompts;
    FakeChoosers choosers;
    FakeLinks links;
    CountingSource random{7};
    std::unique_ptr<TForm1> form;

    void open() {
        form = std::make_unique<TForm1>(prompts, choosers, links, path, random);
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void close() {
        form->close();
        form.reset();
    }
};

} // namespace

TEST_F(MainWindowTest, StartsWithTheDesignedControls) {
    open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("自然数の加減乗除"));
    EXPECT_EQ(form->centralWidget()->width(), 580);
    EXPECT_EQ(form->centralWidget()->height() + form->StBarInf->height(), 525) << "the status bar included";
    EXPECT_EQ(form->TabControl1->count(), 4);
    EXPECT_EQ(form->TabControl1->tabText(3), QStringLiteral("わり算"));
    EXPECT_EQ(form->Label1->text(), QStringLiteral("たされる数"));
    EXPECT_EQ(form->LblKigou->text(), QStringLiteral("＋"));
    EXPECT_EQ(form->EdtRow->text(), u"10"_qs);
    EXPECT_EQ(form->EdtCol->text(), u"1"_qs);
    EXPECT_EQ(form->EdtTotal->text(), u"10"_qs);
    EXPECT_EQ(form->EdtMin1->text(), u"1"_qs);
    EXPECT_EQ(form->EdtMax2->text(), u"100"_qs);
    EXPECT_TRUE(form->CBox1->isChecked() && form->CBox2->isChecked());
    EXPECT_TRUE(form->CBoxNZero->isChecked() && form->CBoxNOne->isChecked());
    EXPECT_FALSE(form->CBoxRest->isVisible());
    EXPECT_TRUE(form->P1->isChecked());
    EXPECT_EQ(form->Memo1->font().pixelSize(), 12);
}

TEST(Hints, ShortPartForTheTooltipLongPartForTheStatusBar) {
    const struct {
        QString hint, shortPart, longPart;
    } rows[] = {{u"再計算|通常の数の範囲内で設定してください"_qs, u"再計算"_qs,
                 u"通常の数の範囲内で設定してください"_qs},
                {u"ひとつ"_qs, u"ひとつ"_qs, u"ひとつ"_qs},
                {u"|後"_qs, QString(), u"後"_qs},
                {u"a|b|c"_qs, u"a"_qs, u"b|c"_qs}};
    for (const auto& row : rows) {
        const Hint hint = splitHint(row.hint);
        EXPECT_EQ(hint.shortPart, row.shortPart);
        EXPECT_EQ(hint.longPart, row.longPart);
    }
}

TEST_F(MainWindowTest, HintsShowInTheStatusBarWhichLeadsToTheHomePage) {
    qputenv("VERIDI_SITE", "http://127.0.0.1:9/site");
    open();
    EXPECT_EQ(form->EdtMax1->toolTip(), QStringLiteral("最小値以上"));
    // The pointer comes to rest on the button and leaves it.
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QCoreApplication::sendEvent(form->BtnCal, &enter);
    EXPECT_EQ(form->HintPanel->text(), QStringLiteral("通常の数の範囲内で設定してください"));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(form->BtnCal, &leave);
    EXPECT_TRUE(form->HintPanel->text().isEmpty());

    QTest::mouseClick(form->StBarInf, Qt::LeftButton);
    EXPECT_EQ(links.opened, QList<QUrl>{QUrl(u"http://127.0.0.1:9/site/"_qs)});
    links.succeeds = false;
    QTest::mouseClick(form->StBarInf, Qt::LeftButton);
    EXPECT_EQ(prompts.messages,
              QStringList{QStringLiteral("エラー：繰り返し発生する場合作者へご連絡下さい")});
    qputenv("VERIDI_SITE", "http://127.0.0.1:9/"); // as for every test
}

TEST_F(MainWindowTest, InformationAreaShowsThePageOrTheRedPanel) {
    open(); // the tests' site is a closed port
    EXPECT_TRUE(form->Information->PnlError->isVisible());
    EXPECT_EQ(form->Information->PnlError->text(),
              QStringLiteral("インターネットに接続した状態でご使用下さい"));
    close();

    const QByteArray page = QStringLiteral("<p>今月のお知らせ</p>").toUtf8();
    LoopbackServer site("HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                        QByteArray::number(page.size()) + "\r\nConnection: close\r\n\r\n" + page);
    qputenv("VERIDI_SITE", site.url(QString()).toString().toUtf8());
    open();
    qputenv("VERIDI_SITE", "http://127.0.0.1:9/"); // as for every test
    EXPECT_FALSE(form->Information->PnlError->isVisible());
    for (int wait = 0; wait < 100 && form->Information->WebBrowser1->toPlainText().isEmpty(); ++wait)
        QTest::qWait(20);
    EXPECT_EQ(form->Information->WebBrowser1->toPlainText(), QStringLiteral("今月のお知らせ"));
}

TEST_F(MainWindowTest, HelpMenuReportsMissingHelpPages) {
    open();
    EXPECT_EQ(form->Help2->text(), QStringLiteral("Zovavavur(&D)"));
    form->Help2->trigger(); // no help folder beside the test program
    EXPECT_EQ(prompts.messages.size(), 1);
}

TEST_F(MainWindowTest, SwitchingToDivisionRelabelsAndEmptiesTheLists) {
    open();
    form->BtnMake->click();
    ASSERT_FALSE(form->Memo1->toPlainText().isEmpty());
    EXPECT_GT(random.draws, 0); // the problems came from the source the window was given
    form->TabControl1->setCurrentIndex(3);
    EXPECT_EQ(form->Label1->text(), QStringLiteral("わられる数"));
    EXPECT_EQ(form->Label3->text(), QStringLiteral("わられる数"));
    EXPECT_EQ(form->Label2->text(), QStringLiteral("わる数"));
    EXPECT_EQ(form->Label4->text(), QStringLiteral("わる数"));
    EXPECT_EQ(form->LblKigou->text(), QStringLiteral("÷"));
    EXPECT_TRUE(form->CBoxRest->isVisible());
    EXPECT_TRUE(form->Memo1->toPlainText().isEmpty());
    EXPECT_TRUE(form->Memo2->toPlainText().isEmpty());
    EXPECT_TRUE(form->Memo3->toPlainText().isEmpty());
    form->TabControl1->setCurrentIndex(1);
    EXPECT_EQ(form->LblKigou->text(), QStringLiteral("－"));
    EXPECT_FALSE(form->CBoxRest->isVisible());
}

TEST_F(MainWindowTest, RejectedValuesAreReportedAndRestored) {
    open();
    typeInto(form->EdtMin1, u"200"_qs, form->EdtMax1);
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("最小値は最大値以下でなければなりません")}));
    EXPECT_EQ(form->EdtMin1->text(), u"1"_qs);

    prompts.messages.clear();
    typeInto(form->EdtMin2, u"50"_qs, form->EdtMax2);
    typeInto(form->EdtMax2, u"50"_qs, form->EdtMin1);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(form->EdtMax2->text(), u"50"_qs);

    typeInto(form->EdtMax1, u"abc"_qs, form->EdtMin1);
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("数を入力して下さい")}));
    EXPECT_EQ(form->EdtMax1->text(), u"100"_qs);

    prompts.messages.clear();
    typeInto(form->EdtCol, u"5"_qs, form->EdtRow);
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("列は１以上４以下でなければなりません")}));
    EXPECT_EQ(form->EdtCol->text(), u"1"_qs);

    prompts.messages.clear();
    typeInto(form->EdtCol, u"2"_qs, form->EdtRow);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(form->EdtTotal->text(), u"20"_qs);
    EXPECT_EQ(form->Sets.ExamColN, 2);

    typeInto(form->EdtCol, u"3"_qs, form->EdtRow);
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("問題数は１以上２０以下でなければなりません")}));
    EXPECT_EQ(form->EdtCol->text(), u"2"_qs);
    EXPECT_EQ(form->Sets.ExamColN, 2);
}

TEST_F(MainWindowTest, MakeFromItsAcceleratorChecksTheFocusedBoxFirst) {
    open();
    form->EdtMax1->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    form->EdtMax1->selectAll();
    QTest::keyClicks(form->EdtMax1, u"0"_qs); // below the minimum 1
    // The accelerator runs the handler while the box keeps the focus.
    form->BtnMakeClick();
    ASSERT_EQ(prompts.messages, QStringList({QStringLiteral("最大値は最小値以上でなければなりません")}));
    EXPECT_EQ(form->EdtMax1->text(), u"100"_qs);
    const QStringList first = form->Memo1->toPlainText().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(first.size(), 10);
    for (const QString& line : first)
        EXPECT_GE(line.toInt(), 1);
}

TEST_F(MainWindowTest, OpeningTheMenuBarIsNoLeavingOfTheBox) {
    open();
    form->EdtMax1->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    form->EdtMax1->selectAll();
    QTest::keyClicks(form->EdtMax1, u"0"_qs);
    form->menuBar()->setFocus(Qt::MenuBarFocusReason);
    QCoreApplication::processEvents();
    form->EdtMax1->setFocus(Qt::MenuBarFocusReason);
    QCoreApplication::processEvents();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(form->EdtMax1->text(), u"0"_qs);
    // Leaving it for another box checks it against the text it had when it was entered.
    form->EdtMin1->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("最大値は最小値以上でなければなりません")}));
    EXPECT_EQ(form->EdtMax1->text(), u"100"_qs);
}

TEST_F(MainWindowTest, ABoxEnteredWithTheWindowsActivationGetsBackItsOwnText) {
    open();
    form->EdtMin2->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    // A click into the inactive window: the box gets the focus with the window's activation.
    form->EdtMax2->setFocus(Qt::ActiveWindowFocusReason);
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    QCoreApplication::processEvents();
    form->EdtMax2->setText(u"abc"_qs);
    form->EdtMin1->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("数を入力して下さい")}));
    EXPECT_EQ(form->EdtMax2->text(), u"100"_qs);
    EXPECT_EQ(form->EdtMin2->text(), u"1"_qs);
}

TEST_F(MainWindowTest, AGridOutsideItsLimitsIsMendedBoxByBoxAndNeverMadeSilently) {
    IniFile ini(path);
    ASSERT_TRUE(ini.writeInteger(u"Exam"_qs, u"Row"_qs, 0));
    ASSERT_TRUE(ini.writeInteger(u"Exam"_qs, u"Col"_qs, 1000));
    open();
    form->BtnMakeClick();
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("行は１以上１０以下でなければなりません")}));
    EXPECT_TRUE(form->Memo1->toPlainText().isEmpty());

    prompts.messages.clear();
    typeInto(form->EdtRow, u"5"_qs, form->EdtCol);
    typeInto(form->EdtCol, u"4"_qs, form->EdtMin1);
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(form->EdtTotal->text(), u"20"_qs);
    form->BtnMakeClick();
    EXPECT_EQ(form->Memo1->toPlainText().split(u'\n', Qt::SkipEmptyParts).size(), 20);
}

TEST_F(MainWindowTest, MakeThenRecalculateOnAnotherTab) {
    open();
    form->TabControl1->setCurrentIndex(1);
    form->Memo1->setPlainText(u"9\n8\n"_qs);
    form->Memo2->setPlainText(u"4\nx\n"_qs);
    form->BtnCal->click();
    EXPECT_EQ(form->Memo3->toPlainText(), u"5\n---\n"_qs);
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("数値に変換できません 2行目")}));
    form->BtnClear->click();
    EXPECT_TRUE(form->Memo1->toPlainText().isEmpty() && form->Memo3->toPlainText().isEmpty());
}

TEST_F(MainWindowTest, NoToTheQuestionLeavesTheListsAsTheyWere) {
    open();
    form->Memo1->setPlainText(u"keep\n"_qs);
    form->TabControl1->setCurrentIndex(3);
    form->Memo1->setPlainText(u"keep\n"_qs);
    form->EdtMin2->setText(u"0"_qs);
    form->EdtMax2->setText(u"0"_qs);
    prompts.yesNoAnswers = {false};
    form->BtnMake->click();
    EXPECT_EQ(prompts.messages, QStringList({QStringLiteral("最大値や最小値の条件は合っていますか?")}));
    EXPECT_EQ(form->Memo1->toPlainText(), u"keep\n"_qs);
}

TEST_F(MainWindowTest, SettingsAreCreatedOnCloseAndReadBackOnTheNextStart) {
    open();
    form->I1->trigger();
    form->CBoxNOne->setChecked(false);
    typeInto(form->EdtRow, u"5"_qs, form->EdtCol);
    prompts.textAnswers = {QStringLiteral("おなまえ")};
    form->N5->trigger();
    close();

    const QString text = settingsFile.read();
    EXPECT_TRUE(text.startsWith(u"[Page]\r\nHeader=\r\n"_qs));
    EXPECT_TRUE(text.contains(u"[DateTime]\r\nString=\r\nPos=4\r\n"_qs)); // the date line got its place
    EXPECT_TRUE(text.contains(u"Name=おなまえ\r\n"_qs));
    EXPECT_TRUE(text.contains(u"Row=5\r\n"_qs));

    open();
    EXPECT_TRUE(form->I1->isChecked());
    EXPECT_FALSE(form->P1->isChecked());
    EXPECT_FALSE(form->CBoxNOne->isChecked());
    EXPECT_EQ(form->EdtRow->text(), u"5"_qs);
    EXPECT_EQ(form->EdtTotal->text(), u"5"_qs);
    EXPECT_EQ(form->Sets.sName, QStringLiteral("おなまえ"));
    EXPECT_EQ(form->DateTime.psX, u"80"_qs);
    EXPECT_EQ(form->DateTime.psSize, 11);
}

TEST_F(MainWindowTest, AnyOtherDomainValueChecksAllIntegers) {
    IniFile ini(path);
    ASSERT_TRUE(ini.writeInteger(u"Exam"_qs, u"Numerical"_qs, 5));
    open();
    EXPECT_TRUE(form->I1->isChecked());
    EXPECT_EQ(form->Sets.nZero, 5);
}

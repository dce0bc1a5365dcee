#include "MainWindow.h"
#include "BoxEntries.h"

#include "AboutBox.h"
#include "DistributionDialog.h"
#include "Endpoints.h"
#include "EntryChecks.h"
#include "ExamFont.h"
#include "Generator.h"
#include "HelpPages.h"
#include "HttpGet.h"
#include "InformationArea.h"
#include "OperationNames.h"
#include "PageDefaults.h"
#include "PreviewWindow.h"
#include "ProblemSet.h"
#include "Prompts.h"
#include "Recalculation.h"
#include "SheetComposer.h"
#include "StyleDialog.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabBar>

namespace veridi {
namespace {

const QString kDateTimeSection = QStringLiteral("DateTime");

QStringList listLines(const QPlainTextEdit* memo) {
    return linesOf(memo->toPlainText());
}

void setListLines(QPlainTextEdit* memo, const QStringList& lines) {
    memo->setPlainText(textOf(lines));
}

} // namespace

TForm1::TForm1(Prompts& prompts, Choosers& choosers, Links& links, const QString& settingsPath,
               RandomSource& random, QWidget* parent)
    : QMainWindow(parent), prompts_(prompts), choosers_(choosers), links_(links), ini_(settingsPath),
      random_(random) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("自然数の加減乗除"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, false);
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    buildControls();
    buildMenus();
    FormCreate();
    FrmRndD = new TFrmRndD(prompts_, links_, this);
}

// The windows go in the reverse order of their making; the preview writes its settings before
// the main window writes its own.
TForm1::~TForm1() {
    delete AboutBox;
    delete FrmStyle;
    delete FrmPrev;
    delete FrmRndD;
    FormDestroy();
}

// The windows are made in a fixed order: the main window, the distribution dialog, the preview
// with its page string dialog and list window, then the style dialog and the version dialog.
void TForm1::setPreview(TFrmPrev* preview) {
    FrmPrev = preview;
    composer_ =
        std::make_unique<SheetComposer>(preview->engine(), [preview] { preview->PrevUpDateProgram(); });
    FrmStyle = new TFrmStyle(Sets, prompts_, choosers_, links_, this);
    AboutBox = new TAboutBox(this);
}

void TForm1::FormCreate() {
    // The random generator arrives seeded (from the clock in the program).
    DateTime.GetIniSets(ini_, kDateTimeSection, QString(), 0, QStringLiteral("0"), QStringLiteral("0"));
    Memo1->clear();
    Memo2->clear();
    Sets = WorksheetSettings();

    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm1::FormShow() {
    if (FrmPrev)
        FrmPrev->SetCopyright(pageNote());
    LoadIniSets(ini_, Sets, examFontOf(font()));
    if (FrmPrev)
        FrmPrev->update();

    EdtRow->setText(QString::number(Sets.ExamRowN));
    EdtCol->setText(QString::number(Sets.ExamColN));
    EdtTotal->setText(QString::number(qint64(Sets.ExamRowN) * Sets.ExamColN));
    EdtPageTitle->setText(Sets.sPageTitle);
    EdtSubTitle->setText(Sets.sSubTitle);
    EdtHeader->setText(Sets.sHeader);
    EdtFooter->setText(Sets.sFooter);

    if (FrmPrev) {
        // This program offers no editing, list, unit or help items of the preview.
        for (QAction* unused : {FrmPrev->Update1,
                                FrmPrev->R1,
                                FrmPrev->I1,
                                FrmPrev->A1,
                                FrmPrev->L1,
                                FrmPrev->D1,
                                FrmPrev->N3,
                                FrmPrev->EditMenu->menuAction(),
                                FrmPrev->I2,
                                FrmPrev->H1,
                                FrmPrev->F1,
                                FrmPrev->T1,
                                FrmPrev->S1,
                                FrmPrev->E1,
                                FrmPrev->N8,
                                FrmPrev->Unit1,
                                FrmPrev->Pixel1,
                                FrmPrev->Inch1,
                                FrmPrev->mm1,
                                FrmPrev->N5,
                                FrmPrev->HelpMenu->menuAction()})
            unused->setVisible(false);
        placeUnsetTitles(FrmPrev->engine());
    }
    placeUnsetDateTime(DateTime);

    (Sets.nZero == 0 ? Z1 : Sets.nZero == 1 ? P1 : I1)->setChecked(true);
    // Setting the boxes runs their handlers, which leaves the fields as loaded.
    CBoxRest->setChecked(Sets.fNotRest);
    CBoxNZero->setChecked(Sets.fNZero);
    CBoxNOne->setChecked(Sets.fNOne);

    // The information probe, once a run: the window waits for it, at most three seconds, so that a
    // dead or stalled network cannot hold it back.
    if (httpGet(siteUrl(QStringLiteral("info.txt")), std::chrono::seconds(3)))
        Information->navigate(siteUrl(QStringLiteral("info.html")));
    else
        Information->showError();
}

void TForm1::FormHide() {
    // The page texts are saved as their boxes show them.
    WorksheetSettings saved = Sets;
    saved.sPageTitle = EdtPageTitle->text();
    saved.sSubTitle = EdtSubTitle->text();
    saved.sHeader = EdtHeader->text();
    saved.sFooter = EdtFooter->text();
    SaveIniSets(ini_, saved, prompts_);
}

void TForm1::FormDestroy() {
    DateTime.SetIniSets(ini_, kDateTimeSection);
}

void TForm1::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        FormShow();
    QMainWindow::showEvent(event);
}

void TForm1::hideEvent(QHideEvent* event) {
    if (!event->spontaneous())
        FormHide();
    QMainWindow::hideEvent(event);
}

void TForm1::TabControl1Change() {
    const OperationNames names = operationNames(Operation(TabControl1->currentIndex()));
    Label1->setText(names.first);
    Label3->setText(names.first);
    Label2->setText(names.second);
    Label4->setText(names.second);
    LblKigou->setText(names.sign);
    CBoxRest->setVisible(TabControl1->currentIndex() == int(Operation::Division));
    Memo1->clear();
    Memo2->clear();
    Memo3->clear();
}

void TForm1::runExitCheck(QLineEdit* box, const QString& remembered) {
    if (box == EdtRow)
        EdtRowExit(remembered);
    else if (box == EdtCol)
        EdtColExit(remembered);
    else
        EdtMin1Exit(box, remembered);
}

void TForm1::EdtMin1Exit(QLineEdit* box, const QString& remembered) {
    const bool isMinimum = box == EdtMin1 || box == EdtMin2;
    const QLineEdit* paired = box == EdtMin1   ? EdtMax1
                              : box == EdtMax1 ? EdtMin1
                              : box == EdtMin2 ? EdtMax2
                                               : EdtMin2;
    if (const auto message = checkRangeBox(isMinimum, box->text(), paired->text())) {
        prompts_.message(*message, Prompts::Icon::Warning);
        box->setText(remembered);
    }
}

void TForm1::EdtRowExit(const QString& remembered) {
    applyGridCheck(checkRows(EdtRow->text(), EdtCol->text()), EdtRow, remembered, Sets.ExamRowN);
}

void TForm1::EdtColExit(const QString& remembered) {
    applyGridCheck(checkCols(EdtCol->text(), EdtRow->text()), EdtCol, remembered, Sets.ExamColN);
}

void TForm1::applyGridCheck(const GridCheck& check, QLineEdit* box, const QString& remembered,
                            qint32& field) {
    if (check.message) {
        prompts_.message(*check.message, Prompts::Icon::Warning);
        box->setText(remembered);
        return;
    }
    EdtTotal->setText(check.total ? QString::number(*check.total) : QString());
    field = check.value;
}

void TForm1::runPendingExit() {
    entries_->settle();
    QWidget* focused = QApplication::focusWidget();
    if (focused == EdtPageTitle || focused == EdtSubTitle || focused == EdtHeader || focused == EdtFooter)
        EdtPageTextExit(static_cast<QLineEdit*>(focused));
}

void TForm1::EdtPageTextExit(QLineEdit* box) {
    if (box == EdtPageTitle)
        Sets.sPageTitle = box->text();
    else if (box == EdtSubTitle)
        Sets.sSubTitle = box->text();
    else if (box == EdtHeader)
        Sets.sHeader = box->text();
    else if (box == EdtFooter)
        Sets.sFooter = box->text();
}

void TForm1::BtnMakeClick() {
    runPendingExit();
    // Only a settings file edited by hand can hold such a grid; the boxes show how to mend it.
    if (const auto why = checkWholeGrid(Sets.ExamRowN, Sets.ExamColN)) {
        prompts_.message(*why, Prompts::Icon::Warning);
        return;
    }

    GeneratorSettings s;
    s.operation = Operation(TabControl1->currentIndex());
    s.MinV[0] = rangeBoxValue(true, EdtMin1->text());
    s.MinV[1] = rangeBoxValue(true, EdtMin2->text());
    s.MaxV[0] = rangeBoxValue(false, EdtMax1->text());
    s.MaxV[1] = rangeBoxValue(false, EdtMax2->text());
    s.randomOperand[0] = CBox1->isChecked();
    s.randomOperand[1] = CBox2->isChecked();
    const auto problems = ProblemGenerator(random_, prompts_).make(toGeneratorSettings(Sets, s));
    if (!problems)
        return;
    setListLines(Memo1, problems->first);
    setListLines(Memo2, problems->second);
    setListLines(Memo3, problems->answers);
}

void TForm1::composePage(int mode) {
    runPendingExit();
    if (!FrmPrev)
        return;
    if (!FrmPrev->isVisible())
        FrmPrev->show();
    const ProblemSet problems{listLines(Memo1), listLines(Memo2), listLines(Memo3)};
    composer_->ComposeSheet(mode, {Sets, DateTime, problems, LblKigou->text(), TabControl1->currentIndex()});
}

void TForm1::Button1Click() {
    composePage(SheetComposer::Problems);
}

void TForm1::Button2Click() {
    composePage(SheetComposer::Answers);
}

void TForm1::S1Click() {
    if (FrmPrev)
        FrmPrev->SetPrinter();
}

void TForm1::Print1Click() {
    if (!FrmPrev)
        return;
    if (FrmPrev->engine().ListbyProgram.isEmpty()) {
        prompts_.message(
            QStringLiteral("印刷するページがありません。「問題」か「答え」でページを作って下さい"),
            Prompts::Icon::Information);
        return;
    }
    // The page printed is the page the preview shows, so the preview comes up first.
    if (!FrmPrev->isVisible())
        FrmPrev->show();
    FrmPrev->PrintOut();
}

void TForm1::BtnClearClick() {
    Memo1->clear();
    Memo2->clear();
    Memo3->clear();
}

void TForm1::BtnCalClick() {
    const QStringList first = listLines(Memo1);
    if (first.isEmpty())
        return;
    setListLines(Memo3, recalculateAnswers(first, listLines(Memo2), listLines(Memo3),
                                           Operation(TabControl1->currentIndex()), prompts_));
}

void TForm1::CBoxNZeroClick() {
    Sets.fNZero = CBoxNZero->isChecked();
}

void TForm1::CBoxNOneClick() {
    Sets.fNOne = CBoxNOne->isChecked();
}

void TForm1::CBoxRestClick() {
    Sets.fNotRest = CBoxRest->isChecked();
}

void TForm1::Exit1Click() {
    close();
}

void TForm1::Style1Click() {
    runPendingExit();
    FrmStyle->run();
    EdtRow->setText(QString::number(Sets.ExamRowN));
    EdtCol->setText(QString::number(Sets.ExamColN));
    EdtTotal->setText(QString::number(Sets.ExamRowN * Sets.ExamColN));
}

void TForm1::editPageText(QLineEdit* box, QString& stored, TPageStr& record, bool (TFrmPrev::*edit)()) {
    record.psStr = box->text();
    (FrmPrev->*edit)();
    box->setText(record.psStr);
    stored = box->text();
    record.psStr.clear();
}

void TForm1::BtnTitleClick() {
    editPageText(EdtPageTitle, Sets.sPageTitle, FrmPrev->engine().PageTitle, &TFrmPrev::Set_SetOfPageTitle);
}

void TForm1::BtnSubTitleClick() {
    editPageText(EdtSubTitle, Sets.sSubTitle, FrmPrev->engine().SubTitle, &TFrmPrev::Set_SetOfSubTitle);
}

void TForm1::BtnHeaderClick() {
    editPageText(EdtHeader, Sets.sHeader, FrmPrev->engine().Header, &TFrmPrev::Set_SetOfHeader);
}

void TForm1::BtnFooterClick() {
    editPageText(EdtFooter, Sets.sFooter, FrmPrev->engine().Footer, &TFrmPrev::Set_SetOfFooter);
}

void TForm1::Set_SetOfDateTime() {
    FrmPrev->editPageStr(QStringLiteral("日付の設定"), DateTime);
}

void TForm1::D1Click() {
    DateTime.psStr = Sets.sDateTime;
    Set_SetOfDateTime();
    Sets.sDateTime = DateTime.psStr;
    DateTime.psStr.clear();
}

void TForm1::R1Click() {
    if (const auto D = FrmRndD->run(Sets.rnd_D))
        Sets.rnd_D = *D;
}

void TForm1::Help2Click() {
    openHelpPage(helpFolder(), QStringLiteral("index.html"), links_, prompts_);
}

void TForm1::A1Click() {
    AboutBox->exec();
}

void TForm1::StBarInfClick() {
    openLink(siteUrl(), links_, prompts_);
}

bool TForm1::event(QEvent* event) {
    // The long part of the hint of the control under the pointer; empty when it leaves.
    if (event->type() == QEvent::StatusTip) {
        HintPanel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == StBarInf && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        StBarInfClick();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::N5Click() {
    if (const auto name = prompts_.inputText(QStringLiteral("名前の見出し"),
                                             QStringLiteral("見出しの文字列を入力して下さい"), Sets.sName))
        Sets.sName = *name;
}

void TForm1::P1Click() {
    P1->setChecked(true);
    Sets.nZero = 1;
}

void TForm1::Z1Click() {
    Z1->setChecked(true);
    Sets.nZero = 0;
}

void TForm1::I1Click() {
    I1->setChecked(true);
    Sets.nZero = -1;
}

} // namespace veridi

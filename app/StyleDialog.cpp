#include "StyleDialog.h"

#include "BoxEntries.h"
#include "Choosers.h"
#include "EntryChecks.h"
#include "ExamFont.h"
#include "HelpPages.h"
#include "NumberText.h"
#include "Prompts.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

namespace veridi {
namespace {

constexpr double kMaxMargin = 60;

// Shortest general form: 10 shows as 10, 12.5 as 12.5. It reads back as the very same value, so
// that OK leaves an untouched margin as it was.
QString shortNumber(double value) {
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

} // namespace

TFrmStyle::TFrmStyle(WorksheetSettings& sets, Prompts& prompts, Choosers& choosers, Links& links,
                     QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), sets_(sets),
      prompts_(prompts), choosers_(choosers), links_(links) {
    setObjectName(QStringLiteral("FrmStyle"));
    setWindowTitle(QStringLiteral("スタイル"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setFixedSize(418, 233);
    buildControls();
    entries_ = new BoxEntries(this, {EdtRow, EdtCol, EdtTopP, EdtLeftP, EdtRightP, EdtBottomP, EdtSeparate},
                              [this](QLineEdit* box, const QString& EdtTmp) { boxLeft(box, EdtTmp); });
}

void TFrmStyle::buildControls() {
    const auto text = [](QWidget* parent, const QString& caption, int x, int y, int width = 28) {
        auto* label = new QLabel(caption, parent);
        label->setGeometry(x, y, width, 20);
        return label;
    };
    const auto edit = [](QWidget* parent, const char* name, int x, int y, int width) {
        auto* box = new QLineEdit(parent);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(x, y, width, 24);
        return box;
    };
    const auto check = [](QWidget* parent, const QString& caption, const char* name, int x, int y,
                          int width) {
        auto* box = new QCheckBox(caption, parent);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(x, y, width, 22);
        return box;
    };

    auto* problems = new QGroupBox(QStringLiteral("問題"), this);
    problems->setGeometry(6, 4, 204, 108);
    text(problems, QStringLiteral("配置"), 8, 26);
    EdtRow = edit(problems, "EdtRow", 40, 24, 40);
    text(problems, QStringLiteral("行"), 84, 26, 18);
    EdtCol = edit(problems, "EdtCol", 104, 24, 40);
    text(problems, QStringLiteral("列"), 148, 26, 18);
    CBoxMC = check(problems, QStringLiteral("筆算形式"), "CBoxMC", 8, 66, 96);
    Button3 = new QPushButton(QStringLiteral("フォント"), problems);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setGeometry(108, 62, 88, 28);

    auto* numbering = new QGroupBox(QStringLiteral("問題番号の形式"), this);
    numbering->setGeometry(6, 116, 204, 110);
    EdtLeft = edit(numbering, "EdtLeft", 8, 26, 32);
    text(numbering, QStringLiteral("番号"), 44, 28, 34);
    EdtRight = edit(numbering, "EdtRight", 80, 26, 32);
    CBoxExam = check(numbering, QStringLiteral("描画する"), "CBoxExam", 120, 27, 80);
    text(numbering, QStringLiteral("間隔"), 8, 70, 32);
    EdtSeparate = edit(numbering, "EdtSeparate", 44, 68, 60);
    text(numbering, QStringLiteral("mm"), 108, 70);

    auto* answers = new QGroupBox(QStringLiteral("答えの印刷"), this);
    answers->setGeometry(216, 4, 196, 56);
    RButton1 = new QRadioButton(QStringLiteral("別に印刷"), answers);
    RButton1->setObjectName(QStringLiteral("RButton1"));
    RButton1->setGeometry(8, 26, 88, 22);
    RButton2 = new QRadioButton(QStringLiteral("共に印刷"), answers);
    RButton2->setObjectName(QStringLiteral("RButton2"));
    RButton2->setGeometry(100, 26, 88, 22);

    auto* margins = new QGroupBox(QStringLiteral("余白"), this);
    margins->setGeometry(216, 64, 196, 128);
    text(margins, QStringLiteral("上"), 8, 26, 16);
    EdtTopP = edit(margins, "EdtTopP", 26, 24, 52);
    text(margins, QStringLiteral("左"), 96, 26, 16);
    EdtLeftP = edit(margins, "EdtLeftP", 114, 24, 52);
    text(margins, QStringLiteral("右"), 8, 60, 16);
    EdtRightP = edit(margins, "EdtRightP", 26, 58, 52);
    text(margins, QStringLiteral("下"), 96, 60, 16);
    EdtBottomP = edit(margins, "EdtBottomP", 114, 58, 52);
    text(margins, QStringLiteral("mm"), 170, 60, 24);
    CBoxFrame = check(margins, QStringLiteral("枠"), "CBoxFrame", 8, 94, 60);

    const auto button = [this](const QString& caption, const char* name, int x) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 199, 62, 28);
        return b;
    };
    BtnOK = button(QStringLiteral("&OK"), "BtnOK", 216);
    BtnCancel = button(QStringLiteral("&Cancel"), "BtnCancel", 283);
    Button1 = button(QStringLiteral("&Help"), "Button1", 350);
    BtnOK->setDefault(true);

    connect(Button3, &QPushButton::clicked, this, &TFrmStyle::Button3Click);
    connect(BtnOK, &QPushButton::clicked, this, &TFrmStyle::BtnOKClick);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, &TFrmStyle::Button1Click);
}

bool TFrmStyle::run() {
    entries_->reset();
    FormShow();
    EdtRow->setFocus();
    return exec() == QDialog::Accepted;
}

void TFrmStyle::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TFrmStyle::FormShow() {
    EdtRow->setText(QString::number(sets_.ExamRowN));
    EdtCol->setText(QString::number(sets_.ExamColN));
    EdtTopP->setText(shortNumber(sets_.WindowTop));
    EdtLeftP->setText(shortNumber(sets_.WindowLeft));
    EdtRightP->setText(shortNumber(sets_.WindowRight));
    EdtBottomP->setText(shortNumber(sets_.WindowBottom));
    CBoxMC->setChecked(sets_.ExamType);
    EdtLeft->setText(sets_.ExNumLeft);
    EdtRight->setText(sets_.ExNumRight);
    CBoxExam->setChecked(sets_.fExNum);
    EdtSeparate->setText(shortNumber(sets_.ExamSeparate));
    (sets_.AnswerType == 1 ? RButton1 : RButton2)->setChecked(true);
    CBoxFrame->setChecked(sets_.WindowFrame);
    FontExam = sets_.FntExam;
}

void TFrmStyle::boxLeft(QLineEdit* box, const QString& EdtTmp) {
    if (box == EdtRow)
        EdtRowExit(EdtTmp);
    else if (box == EdtCol)
        EdtColExit(EdtTmp);
    else if (box == EdtSeparate)
        EdtSeparateExit(EdtTmp);
    else
        EdtTopPExit(box, EdtTmp);
}

void TFrmStyle::refuse(QLineEdit* box, const QString& message, const QString& EdtTmp, bool keepFocus) {
    refusedOnLeave_ = true;
    prompts_.message(message, Prompts::Icon::Warning);
    box->setText(EdtTmp);
    if (keepFocus && focusWidget() != box) {
        // The control the focus had moved on to is only passed through, not left: two refused
        // margins would otherwise take the focus from each other for ever.
        entries_->reset();
        box->setFocus();
    }
}

void TFrmStyle::EdtRowExit(const QString& EdtTmp) {
    if (const auto refused = checkRows(EdtRow->text(), EdtCol->text()).message)
        refuse(EdtRow, *refused, EdtTmp, false);
}

void TFrmStyle::EdtColExit(const QString& EdtTmp) {
    if (const auto refused = checkCols(EdtCol->text(), EdtRow->text()).message)
        refuse(EdtCol, *refused, EdtTmp, false);
}

void TFrmStyle::EdtTopPExit(QLineEdit* box, const QString& EdtTmp) {
    // A text that is not a number as a whole is put back silently, whatever it begins with.
    const auto margin = parseDecimal(box->text());
    if (!margin || *margin < 0)
        box->setText(EdtTmp);
    else if (*margin > kMaxMargin)
        refuse(box,
               QStringLiteral("余白は") + QString::number(kMaxMargin) +
                   QStringLiteral("以下でなければいけません"),
               EdtTmp, true);
}

void TFrmStyle::EdtSeparateExit(const QString& EdtTmp) {
    const auto gap = parseDecimal(EdtSeparate->text());
    if (!gap || *gap < 0)
        EdtSeparate->setText(EdtTmp);
}

void TFrmStyle::Button3Click() {
    if (const auto chosen = choosers_.chooseFont(qFontOf(FontExam)))
        FontExam = examFontOf(*chosen, FontExam.Color);
}

void TFrmStyle::BtnOKClick() {
    // OK comes while the box the user is in still holds an unchecked text; a refused one keeps
    // the dialog open, as does a grid that is still outside its limits.
    refusedOnLeave_ = false;
    entries_->settle();
    if (refusedOnLeave_)
        return;
    const auto rows = parseInteger32(EdtRow->text());
    const auto cols = parseInteger32(EdtCol->text());
    // Only a grid read from a settings file edited by hand can still be outside its limits.
    const auto refused = checkWholeGrid(rows.value_or(0), cols.value_or(0));
    if (refused) {
        prompts_.message(*refused, Prompts::Icon::Warning);
        const bool rowsAloneRefused = refused == checkWholeGrid(rows.value_or(0), 1);
        (rowsAloneRefused ? EdtRow : EdtCol)->setFocus();
        return;
    }
    sets_.ExamRowN = *rows;
    sets_.ExamColN = *cols;
    const auto real = [](const QLineEdit* box, double kept) {
        return parseDecimal(box->text()).value_or(kept);
    };
    sets_.WindowTop = real(EdtTopP, sets_.WindowTop);
    sets_.WindowLeft = real(EdtLeftP, sets_.WindowLeft);
    sets_.WindowRight = real(EdtRightP, sets_.WindowRight);
    sets_.WindowBottom = real(EdtBottomP, sets_.WindowBottom);
    sets_.ExamType = CBoxMC->isChecked();
    sets_.ExNumLeft = EdtLeft->text();
    sets_.ExNumRight = EdtRight->text();
    sets_.fExNum = CBoxExam->isChecked();
    sets_.ExamSeparate = real(EdtSeparate, sets_.ExamSeparate);
    sets_.AnswerType = RButton1->isChecked() ? 1 : 2;
    sets_.WindowFrame = CBoxFrame->isChecked();
    sets_.FntExam = FontExam;
    accept();
}

void TFrmStyle::Button1Click() {
    openHelpPage(helpFolder(), QStringLiteral("style.html"), links_, prompts_);
}

} // namespace veridi

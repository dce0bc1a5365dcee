// The controls and menus of the main window, laid out as the form design places them.
#include "BoxEntries.h"
#include "Hints.h"
#include "InformationArea.h"
#include "MainWindow.h"

#include "OperationNames.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QVBoxLayout>

namespace veridi {
namespace {

QLineEdit* numberBox(const QString& name, const QString& text, QWidget* parent) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setFixedWidth(56);
    box->setAlignment(Qt::AlignRight);
    return box;
}

QPlainTextEdit* problemList(const QString& name, QWidget* parent) {
    auto* list = new QPlainTextEdit(parent);
    list->setObjectName(name);
    QFont font(QStringLiteral("ＭＳ 明朝"));
    font.setPixelSize(12);
    list->setFont(font);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setTabChangesFocus(true);
    return list;
}

template <typename W> W* named(W* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace

void TForm1::buildControls() {
    auto* central = new QWidget(this);
    // The status bar is part of the window's 580 x 525 client area.
    constexpr int kStatusBarHeight = 20;
    central->setFixedSize(580, 525 - kStatusBarHeight);
    setCentralWidget(central);
    StBarInf = named(new QStatusBar(this), QStringLiteral("StBarInf"));
    StBarInf->setSizeGripEnabled(false);
    StBarInf->setFixedHeight(kStatusBarHeight);
    StBarInf->setCursor(Qt::PointingHandCursor);
    auto* information = new QLabel(QStringLiteral("Information"), StBarInf);
    information->setAlignment(Qt::AlignCenter);
    information->setFixedWidth(80);
    StBarInf->addWidget(information);
    HintPanel = new QLabel(StBarInf);
    StBarInf->addWidget(HintPanel, 1);
    StBarInf->installEventFilter(this);
    setStatusBar(StBarInf);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(4, 4, 4, 4);

    TabControl1 = named(new QTabBar(central), QStringLiteral("TabControl1"));
    for (int tab = 0; tab < 4; ++tab)
        TabControl1->addTab(operationNames(Operation(tab)).tab);
    TabControl1->setFocusPolicy(Qt::TabFocus);
    outer->addWidget(TabControl1);

    auto* page = new QFrame(central);
    page->setFrameShape(QFrame::StyledPanel);
    outer->addWidget(page, 1);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(4, 4, 4, 4);

    // "問題": the size of the set and the operand ranges.
    auto* exam = new QGroupBox(QStringLiteral("問題"), page);
    auto* examGrid = new QGridLayout(exam);
    const OperationNames names = operationNames(Operation::Addition);
    EdtRow = numberBox(QStringLiteral("EdtRow"), QStringLiteral("10"), exam);
    EdtCol = numberBox(QStringLiteral("EdtCol"), QStringLiteral("1"), exam);
    EdtTotal = numberBox(QStringLiteral("EdtTotal"), QStringLiteral("10"), exam);
    EdtTotal->setReadOnly(true);
    EdtTotal->setEnabled(false);
    EdtTotal->setFocusPolicy(Qt::NoFocus);
    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(EdtRow);
    sizeRow->addWidget(new QLabel(QStringLiteral("行"), exam));
    sizeRow->addWidget(EdtCol);
    sizeRow->addWidget(new QLabel(QStringLiteral("列"), exam));
    sizeRow->addWidget(EdtTotal);
    sizeRow->addWidget(new QLabel(QStringLiteral("問"), exam));
    sizeRow->addStretch();
    examGrid->addLayout(sizeRow, 0, 0, 1, 6);
    examGrid->addWidget(new QLabel(QStringLiteral("最小"), exam), 1, 2);
    examGrid->addWidget(new QLabel(QStringLiteral("最大"), exam), 1, 4);

    Label1 = named(new QLabel(names.first, exam), QStringLiteral("Label1"));
    EdtMin1 = numberBox(QStringLiteral("EdtMin1"), QStringLiteral("1"), exam);
    EdtMax1 = numberBox(QStringLiteral("EdtMax1"), QStringLiteral("100"), exam);
    CBox1 = named(new QCheckBox(QStringLiteral("乱数"), exam), QStringLiteral("CBox1"));
    CBox1->setChecked(true);
    examGrid->addWidget(Label1, 2, 0, 1, 2);
    examGrid->addWidget(EdtMin1, 2, 2);
    examGrid->addWidget(new QLabel(QStringLiteral("から"), exam), 2, 3);
    examGrid->addWidget(EdtMax1, 2, 4);
    examGrid->addWidget(CBox1, 2, 5);

    Label2 = named(new QLabel(names.second, exam), QStringLiteral("Label2"));
    LblKigou = named(new QLabel(names.sign, exam), QStringLiteral("LblKigou"));
    EdtMin2 = numberBox(QStringLiteral("EdtMin2"), QStringLiteral("1"), exam);
    EdtMax2 = numberBox(QStringLiteral("EdtMax2"), QStringLiteral("100"), exam);
    CBox2 = named(new QCheckBox(QStringLiteral("乱数"), exam), QStringLiteral("CBox2"));
    CBox2->setChecked(true);
    examGrid->addWidget(LblKigou, 3, 0);
    examGrid->addWidget(Label2, 3, 1);
    examGrid->addWidget(EdtMin2, 3, 2);
    examGrid->addWidget(new QLabel(QStringLiteral("から"), exam), 3, 3);
    examGrid->addWidget(EdtMax2, 3, 4);
    examGrid->addWidget(CBox2, 3, 5);

    BtnMake = named(new QPushButton(QStringLiteral("作成(&M)"), exam), QStringLiteral("BtnMake"));
    BtnClear = named(new QPushButton(QStringLiteral("消去(&C)"), exam), QStringLiteral("BtnClear"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnMake);
    buttons->addWidget(BtnClear);
    examGrid->addLayout(buttons, 4, 0, 1, 6);
    grid->addWidget(exam, 0, 0);

    // "答えの調整": which answers are refused.
    auto* adjust = new QGroupBox(QStringLiteral("答えの調整"), page);
    auto* adjustRows = new QVBoxLayout(adjust);
    CBoxNOne = named(new QCheckBox(QStringLiteral("答えが１にならない"), adjust), QStringLiteral("CBoxNOne"));
    CBoxNZero =
        named(new QCheckBox(QStringLiteral("答えが０にならない"), adjust), QStringLiteral("CBoxNZero"));
    CBoxRest = named(new QCheckBox(QStringLiteral("余りのないわり算"), adjust), QStringLiteral("CBoxRest"));
    CBoxRest->setVisible(false);
    adjustRows->addWidget(CBoxNOne);
    adjustRows->addWidget(CBoxNZero);
    adjustRows->addWidget(CBoxRest);
    grid->addWidget(adjust, 1, 0);

    // "問題・答えのリスト": the problem set.
    auto* lists = new QGroupBox(QStringLiteral("問題・答えのリスト"), page);
    auto* listGrid = new QGridLayout(lists);
    Label3 = named(new QLabel(names.first, lists), QStringLiteral("Label3"));
    Label4 = named(new QLabel(names.second, lists), QStringLiteral("Label4"));
    Label7 = named(new QLabel(QStringLiteral("答え"), lists), QStringLiteral("Label7"));
    BtnCal = named(new QPushButton(QStringLiteral("再計算"), lists), QStringLiteral("BtnCal"));
    Memo1 = problemList(QStringLiteral("Memo1"), lists);
    Memo2 = problemList(QStringLiteral("Memo2"), lists);
    Memo3 = problemList(QStringLiteral("Memo3"), lists);
    listGrid->addWidget(Label3, 0, 0);
    listGrid->addWidget(Label4, 0, 1);
    listGrid->addWidget(Label7, 0, 2);
    listGrid->addWidget(Memo1, 1, 0);
    listGrid->addWidget(Memo2, 1, 1);
    listGrid->addWidget(Memo3, 1, 2);
    listGrid->addWidget(BtnCal, 2, 2);
    grid->addWidget(lists, 0, 1, 2, 1);

    // "用紙": the page texts.
    auto* paper = new QGroupBox(QStringLiteral("用紙"), page);
    auto* paperGrid = new QGridLayout(paper);
    paperGrid->setVerticalSpacing(2);
    // Two texts a row: caption, "設定" and the text box.
    const auto pageText = [paper, paperGrid](const QString& caption, const QString& name,
                                             QPushButton*& button, const QString& buttonName, int row,
                                             int column) {
        button = new QPushButton(QStringLiteral("設定"), paper);
        button->setObjectName(buttonName);
        button->setFixedWidth(40);
        auto* box = new QLineEdit(paper);
        box->setObjectName(name);
        paperGrid->addWidget(new QLabel(caption, paper), row, column);
        paperGrid->addWidget(button, row, column + 1);
        paperGrid->addWidget(box, row, column + 2);
        return box;
    };
    EdtPageTitle = pageText(QStringLiteral("タイトル"), QStringLiteral("EdtPageTitle"), BtnTitle,
                            QStringLiteral("BtnTitle"), 0, 0);
    EdtSubTitle = pageText(QStringLiteral("サブタイトル"), QStringLiteral("EdtSubTitle"), BtnSubTitle,
                           QStringLiteral("BtnSubTitle"), 1, 0);
    EdtHeader = pageText(QStringLiteral("ヘッダー"), QStringLiteral("EdtHeader"), BtnHeader,
                         QStringLiteral("BtnHeader"), 0, 3);
    EdtFooter = pageText(QStringLiteral("フッター"), QStringLiteral("EdtFooter"), BtnFooter,
                         QStringLiteral("BtnFooter"), 1, 3);
    grid->addWidget(paper, 2, 0, 1, 2);

    // "表示": the two pages.
    auto* show = new QGroupBox(QStringLiteral("表示"), page);
    auto* showButtons = new QVBoxLayout(show);
    Button1 = named(new QPushButton(QStringLiteral("問題(&Q)"), show), QStringLiteral("Button1"));
    Button2 = named(new QPushButton(QStringLiteral("答え(&A)"), show), QStringLiteral("Button2"));
    showButtons->addWidget(Button1);
    showButtons->addWidget(Button2);
    showButtons->addStretch();
    // The information area beside it, at the bottom right.
    Information = new InformationArea(page);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(4);
    show->setFixedWidth(86); // what the information area leaves of the window's width
    bottom->addWidget(show);
    bottom->addWidget(Information);
    grid->addLayout(bottom, 3, 0, 1, 2);

    for (QLineEdit* minimum : {EdtMin1, EdtMin2})
        setHint(minimum, QStringLiteral("最大値以下|2147483647よりも大きな値に設定することはできません"));
    for (QLineEdit* maximum : {EdtMax1, EdtMax2})
        setHint(maximum, QStringLiteral("最小値以上|2147483647よりも大きな値に設定することはできません"));
    setHint(BtnCal, QStringLiteral("再計算|通常の数の範囲内で設定してください"));
    setHint(StBarInf, QStringLiteral("ヒント表示部|Veridiのホームページ"));

    entries_ =
        new BoxEntries(this, {EdtRow, EdtCol, EdtMin1, EdtMax1, EdtMin2, EdtMax2},
                       [this](QLineEdit* box, const QString& entryText) { runExitCheck(box, entryText); });

    connect(TabControl1, &QTabBar::currentChanged, this, &TForm1::TabControl1Change);
    connect(BtnMake, &QPushButton::clicked, this, &TForm1::BtnMakeClick);
    connect(BtnClear, &QPushButton::clicked, this, &TForm1::BtnClearClick);
    connect(BtnCal, &QPushButton::clicked, this, &TForm1::BtnCalClick);
    connect(Button1, &QPushButton::clicked, this, &TForm1::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(BtnTitle, &QPushButton::clicked, this, &TForm1::BtnTitleClick);
    connect(BtnSubTitle, &QPushButton::clicked, this, &TForm1::BtnSubTitleClick);
    connect(BtnHeader, &QPushButton::clicked, this, &TForm1::BtnHeaderClick);
    connect(BtnFooter, &QPushButton::clicked, this, &TForm1::BtnFooterClick);
    for (QLineEdit* box : {EdtPageTitle, EdtSubTitle, EdtHeader, EdtFooter})
        connect(box, &QLineEdit::editingFinished, this, [this, box] { EdtPageTextExit(box); });
    connect(CBoxNZero, &QCheckBox::toggled, this, &TForm1::CBoxNZeroClick);
    connect(CBoxNOne, &QCheckBox::toggled, this, &TForm1::CBoxNOneClick);
    connect(CBoxRest, &QCheckBox::toggled, this, &TForm1::CBoxRestClick);
}

void TForm1::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    Style1 = file->addAction(QStringLiteral("スタイル(&S)"), this, &TForm1::Style1Click);
    Style1->setObjectName(QStringLiteral("Style1"));
    S1 = file->addAction(QStringLiteral("プリンタ設定(&S)"), this, &TForm1::S1Click);
    S1->setObjectName(QStringLiteral("S1"));
    Print1 = file->addAction(QStringLiteral("印刷(&P)"), this, &TForm1::Print1Click);
    Print1->setObjectName(QStringLiteral("Print1"));
    file->addSeparator();
    Exit1 = file->addAction(QStringLiteral("終了(&X)"), this, &TForm1::Exit1Click);
    Exit1->setObjectName(QStringLiteral("Exit1"));

    QMenu* options = menuBar()->addMenu(QStringLiteral("オプション(&O)"));
    D1 = options->addAction(QStringLiteral("日時(&D)"), this, &TForm1::D1Click);
    D1->setObjectName(QStringLiteral("D1"));
    N5 = options->addAction(QStringLiteral("名前(&N)"), this, &TForm1::N5Click);
    N5->setObjectName(QStringLiteral("N5"));
    options->addSeparator();
    R1 = options->addAction(QStringLiteral("乱数の振り方(&R)"), this, &TForm1::R1Click);
    R1->setObjectName(QStringLiteral("R1"));
    options->addSeparator();
    domainGroup_ = new QActionGroup(this);
    P1 = options->addAction(QStringLiteral("自然数に限定(&P)"), this, &TForm1::P1Click);
    Z1 = options->addAction(QStringLiteral("数に０を含める(&Z)"), this, &TForm1::Z1Click);
    I1 = options->addAction(QStringLiteral("整数全て(&I)"), this, &TForm1::I1Click);
    P1->setObjectName(QStringLiteral("P1"));
    Z1->setObjectName(QStringLiteral("Z1"));
    I1->setObjectName(QStringLiteral("I1"));
    for (QAction* item : {P1, Z1, I1}) {
        item->setCheckable(true);
        domainGroup_->addAction(item);
    }
    P1->setChecked(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    Help2 = help->addAction(QStringLiteral("Zovavavur(&D)"), this, &TForm1::Help2Click);
    Help2->setObjectName(QStringLiteral("Help2"));
    help->addSeparator();
    A1 = help->addAction(QStringLiteral("バージョン情報(&A)"), this, &TForm1::A1Click);
    A1->setObjectName(QStringLiteral("A1"));
}

} // namespace veridi

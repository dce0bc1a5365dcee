#include "PreviewWindow.h"
#include "ListWindow.h"
#include "PageStrDialog.h"

#include "Choosers.h"
#include "FileError.h"
#include "Printer.h"
#include "Prompts.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScrollArea>
#include <QVBoxLayout>

namespace veridi {

TFrmPrev::TFrmPrev(Prompts& prompts, Choosers& choosers, std::unique_ptr<PrinterDevice> printer,
                   const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent, Qt::Tool), prompts_(prompts), choosers_(choosers), printer_(std::move(printer)) {
    setObjectName(QStringLiteral("FrmPrev"));
    setWindowTitle(QStringLiteral("Preview"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐ明朝"), 9));
    resize(480, 600);

    scroll_ = new QScrollArea(this);
    auto* page = new QWidget(scroll_);
    auto* stack = new QVBoxLayout(page);
    stack->setContentsMargins(0, 0, 0, 0);
    Image1 = new QLabel(page);
    Image2 = new QLabel(page);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image2->setObjectName(QStringLiteral("Image2"));
    for (QLabel* image : {Image1, Image2}) {
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        stack->addWidget(image, 0, Qt::AlignLeft | Qt::AlignTop);
    }
    stack->addStretch();
    scroll_->setWidget(page);
    scroll_->setWidgetResizable(true);
    setCentralWidget(scroll_);
    buildMenus();

    // The screen's resolution is the window's own; the printer is checked at once.
    doc_ = std::make_unique<PreviewDocument>(prompts_, printer_.get(), logicalDpiY(), IniFile(settingsPath));
    doc_->engine.pageImageChanged = [this] { showPageImages(); };
    FrmPageStr = new TFrmPageStr(choosers_, this);
    FrmList = new TFrmList(this);
    connectEditing();
    H1->setChecked(doc_->pageStrTicks[0]);
    F1->setChecked(doc_->pageStrTicks[1]);
    T1->setChecked(doc_->pageStrTicks[2]);
    S1->setChecked(doc_->pageStrTicks[3]);
}

TFrmPrev::~TFrmPrev() {
    // The dialogs go first, in the reverse order of their making.
    delete FrmList;
    delete FrmPageStr;
    doc_->saveSettings();
}

void TFrmPrev::buildMenus() {
    const auto item = [](QMenu* menu, const char16_t* caption, const char* name) {
        QAction* action = menu->addAction(QString::fromUtf16(caption));
        action->setObjectName(QLatin1String(name));
        return action;
    };
    const auto separator = [](QMenu* menu, const char* name) {
        QAction* action = menu->addSeparator();
        action->setObjectName(QLatin1String(name));
        return action;
    };

    FileMenu = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    Update1 = item(FileMenu, u"更新(&U)", "Update1");
    R1 = item(FileMenu, u"読込リスト(&R)", "R1");
    I1 = item(FileMenu, u"入力リスト(&I)", "I1");
    A1 = item(FileMenu, u"自動リスト(&A)", "A1");
    L1 = item(FileMenu, u"入力リスト保存(&L)", "L1");
    D1 = item(FileMenu, u"入力リスト破棄(&D)", "D1");
    N3 = separator(FileMenu, "N3");
    Save2BMP = item(FileMenu, u"ファイルに保存(&B)", "Save2BMP");
    JpegOpt = item(FileMenu, u"Jpeg画像の質(&J)", "JpegOpt");
    Copy2Clip = item(FileMenu, u"クリップボードに複写(&F)", "Copy2Clip");
    separator(FileMenu, "N6");
    Printer1 = item(FileMenu, u"プリンタ設定(&S)", "Printer1");
    Print2 = item(FileMenu, u"印刷(&P)", "Print2");
    separator(FileMenu, "N1");
    Close1 = item(FileMenu, u"閉じる(&C)", "Close1");

    EditMenu = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    Font2 = item(EditMenu, u"文字(&M)", "Font2");
    C3 = item(EditMenu, u"ペン色(&C)", "C3");
    W1 = item(EditMenu, u"ペン幅(&W)", "W1");
    D2 = item(EditMenu, u"初期値(&D)", "D2");
    I2 = item(EditMenu, u"コマンド入力(&I)", "I2");
    separator(EditMenu, "N4");
    H1 = item(EditMenu, u"ヘッダー(&H)", "H1");
    F1 = item(EditMenu, u"フッター(&F)", "F1");
    T1 = item(EditMenu, u"タイトル(&T)", "T1");
    S1 = item(EditMenu, u"サブタイトル(&S)", "S1");
    N8 = separator(EditMenu, "N8");
    E1 = item(EditMenu, u"文字入力(&E)", "E1");
    for (QAction* checkable : {H1, F1, T1, S1, E1})
        checkable->setCheckable(true);
    // Choosing the item does not toggle its tick: only a confirmed text sets it.
    const auto pageStringItem = [this](QAction* action, bool (TFrmPrev::*edit)()) {
        connect(action, &QAction::triggered, this, [this, action, edit](bool checked) {
            action->setChecked(!checked);
            (this->*edit)();
        });
    };
    pageStringItem(H1, &TFrmPrev::Set_SetOfHeader);
    pageStringItem(F1, &TFrmPrev::Set_SetOfFooter);
    pageStringItem(T1, &TFrmPrev::Set_SetOfPageTitle);
    pageStringItem(S1, &TFrmPrev::Set_SetOfSubTitle);

    ViewMenu = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    Scale1 = item(ViewMenu, u"メモリ(&S)", "Scale1");
    Mesh1 = item(ViewMenu, u"方眼(&M)", "Mesh1");
    separator(ViewMenu, "N2");
    WysiWyg2 = item(ViewMenu, u"１：１表示(&W)", "WysiWyg2");
    Page1 = item(ViewMenu, u"ページ(&G)", "Page1");
    N5 = separator(ViewMenu, "N5");
    QMenu* units = ViewMenu->addMenu(QStringLiteral("描画単位(&U)"));
    Unit1 = units->menuAction();
    Unit1->setObjectName(QStringLiteral("Unit1"));
    Pixel1 = item(units, u"&Pixel", "Pixel1");
    Inch1 = item(units, u"&Inch", "Inch1");
    mm1 = item(units, u"&mm", "mm1");
    for (QAction* checkable : {Scale1, Mesh1, WysiWyg2, Page1, Pixel1, Inch1, mm1})
        checkable->setCheckable(true);
    auto* views = new QActionGroup(this);
    views->addAction(WysiWyg2);
    views->addAction(Page1);
    auto* unitGroup = new QActionGroup(this);
    for (QAction* unit : {Pixel1, Inch1, mm1})
        unitGroup->addAction(unit);
    WysiWyg2->setChecked(true);
    mm1->setChecked(true);

    HelpMenu = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    item(HelpMenu, u"ZezaVivoについて(&A)", "About1");

    connect(Close1, &QAction::triggered, this, &TFrmPrev::PrevEnd);
    connect(Printer1, &QAction::triggered, this, &TFrmPrev::SetPrinter);
    connect(Print2, &QAction::triggered, this, &TFrmPrev::PrintOut);
    connect(Scale1, &QAction::triggered, this, [this] { doc_->toggleScale(); });
    connect(Mesh1, &QAction::triggered, this, [this] { doc_->toggleMesh(); });
    connect(WysiWyg2, &QAction::triggered, this, [this] {
        doc_->showOneToOne();
        showPageImages();
    });
    connect(Page1, &QAction::triggered, this, [this] {
        doc_->showWholePage(clientSize());
        showPageImages();
    });
    connect(Pixel1, &QAction::triggered, this, [this] { doc_->setUnit(0); });
    connect(Inch1, &QAction::triggered, this, [this] { doc_->setUnit(1); });
    connect(mm1, &QAction::triggered, this, [this] { doc_->setUnit(2); });
    connect(Update1, &QAction::triggered, this,
            [this] { reporting([this] { doc_->sources.PrevUpDateManual(); }); });
    connect(Save2BMP, &QAction::triggered, this, [this] {
        Prompts::SaveRequest request;
        request.filter = QStringLiteral("Bitmap files (*.bmp *.BMP);;Jpeg files (*jpg *.jpeg)");
        request.defaultExtension = QStringLiteral("JPG");
        request.lastName = doc_->engine.SaveName;
        const auto name = prompts_.saveFileName(request);
        if (!name || name->isEmpty())
            return;
        doc_->engine.SaveName = *name;
        reporting([this, name] { doc_->saveImage(*name); });
    });
    connect(JpegOpt, &QAction::triggered, this, [this] {
        const auto typed =
            prompts_.inputText(QStringLiteral("JPEG画像の質"), QStringLiteral("1～100の整数を入力して下さい"),
                               QString::number(doc_->CQuality));
        if (!typed)
            return;
        if (const auto message = doc_->setQuality(*typed))
            prompts_.message(*message, Prompts::Icon::Warning);
    });
    connect(Copy2Clip, &QAction::triggered, this,
            [this] { QApplication::clipboard()->setImage(doc_->visibleImage()); });
}

void TFrmPrev::reporting(const std::function<void()>& action) {
    try {
        action();
    } catch (const FileError& error) {
        prompts_.message(error.text(), Prompts::Icon::Error);
    } catch (const NoPrinterError&) {
        prompts_.message(QStringLiteral("デフォルトのプリンタの設定を確認下さい"), Prompts::Icon::Error);
    } catch (const std::runtime_error& error) {
        prompts_.message(QString::fromStdString(error.what()), Prompts::Icon::Error);
    }
}

// The page view is fitted to the whole client area, not to what scroll bars left by the larger
// 1:1 page would leave of it.
QSize TFrmPrev::clientSize() const {
    return scroll_->maximumViewportSize();
}

void TFrmPrev::showPageImages() {
    const bool oneToOne = doc_->engine.PageView != 2;
    Image1->setPixmap(QPixmap::fromImage(doc_->engine.Image1));
    Image2->setPixmap(QPixmap::fromImage(doc_->engine.Image2));
    Image1->setVisible(oneToOne);
    Image2->setVisible(!oneToOne);
}

void TFrmPrev::SetStrSet(const TPageStr& cPageStr) {
    FrmPageStr->StrFont.setFamily(cPageStr.psName);
    if (cPageStr.psSize > 0)
        FrmPageStr->StrFont.setPointSize(cPageStr.psSize);
    FrmPageStr->strSize = cPageStr.psSize;
    FrmPageStr->StrFont.setBold(cPageStr.psBold);
    FrmPageStr->StrFont.setItalic(cPageStr.psItalic);
    FrmPageStr->Edit1->setText(cPageStr.psStr);
    FrmPageStr->CheckBox1->setChecked(cPageStr.psBold);
    FrmPageStr->CheckBox2->setChecked(cPageStr.psItalic);
    // A mode outside the list selects nothing, and is then stored as -1.
    FrmPageStr->ComboBox1->setCurrentIndex(
        cPageStr.psPos >= 0 && cPageStr.psPos < FrmPageStr->ComboBox1->count() ? cPageStr.psPos : -1);
    FrmPageStr->EdtX->setText(cPageStr.psX);
    FrmPageStr->EdtY->setText(cPageStr.psY);
}

void TFrmPrev::GetStrSet(TPageStr& vPageStr) {
    vPageStr.psStr = FrmPageStr->Edit1->text();
    vPageStr.psName = FrmPageStr->StrFont.family();
    vPageStr.psBold = FrmPageStr->CheckBox1->isChecked();
    vPageStr.psItalic = FrmPageStr->CheckBox2->isChecked();
    vPageStr.psPos = FrmPageStr->ComboBox1->currentIndex();
    vPageStr.psSize = FrmPageStr->strSize;
    vPageStr.psX = FrmPageStr->EdtX->text();
    vPageStr.psY = FrmPageStr->EdtY->text();
}

bool TFrmPrev::editPageStr(const QString& caption, TPageStr& record) {
    FrmPageStr->setWindowTitle(caption);
    SetStrSet(record);
    if (!FrmPageStr->run())
        return false;
    GetStrSet(record);
    return true;
}

bool TFrmPrev::editPageStrOfPage(int index) {
    struct PageString {
        const char16_t* caption;
        TPageStr DrawEngine::*record;
        QAction* TFrmPrev::*item;
    };
    static constexpr PageString kPageStrings[] = {
        {u"ヘッダーの設定", &DrawEngine::Header, &TFrmPrev::H1},
        {u"フッターの設定", &DrawEngine::Footer, &TFrmPrev::F1},
        {u"タイトルの設定", &DrawEngine::PageTitle, &TFrmPrev::T1},
        {u"サブタイトルの設定", &DrawEngine::SubTitle, &TFrmPrev::S1},
    };
    const PageString& ps = kPageStrings[index];
    if (!editPageStr(QString::fromUtf16(ps.caption), doc_->engine.*ps.record))
        return false;
    // A confirmed text ticks the item; nothing here takes a tick away.
    if (!(doc_->engine.*ps.record).psStr.isEmpty()) {
        doc_->pageStrTicks[size_t(index)] = true;
        (this->*ps.item)->setChecked(true);
    }
    return true;
}

bool TFrmPrev::Set_SetOfHeader() {
    return editPageStrOfPage(0);
}

bool TFrmPrev::Set_SetOfFooter() {
    return editPageStrOfPage(1);
}

bool TFrmPrev::Set_SetOfPageTitle() {
    return editPageStrOfPage(2);
}

bool TFrmPrev::Set_SetOfSubTitle() {
    return editPageStrOfPage(3);
}

void TFrmPrev::updateChecks() {
    WysiWyg2->setChecked(doc_->engine.PageView == 1);
    Page1->setChecked(doc_->engine.PageView == 2);
    Pixel1->setChecked(doc_->engine.UnitType == 0);
    Inch1->setChecked(doc_->engine.UnitType == 1);
    mm1->setChecked(doc_->engine.UnitType == 2);
    Scale1->setChecked(doc_->engine.fScale == 1);
    Mesh1->setChecked(doc_->engine.fMesh == 1);
}

void TFrmPrev::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (event->spontaneous() || !doc_->ready())
        return;
    doc_->engine.Visible = true;
    if (doc_->LimitLevel > 0) {
        for (QAction* hidden :
             {Update1, R1, I1, L1, N3, A1, D1, EditMenu->menuAction(), N5, Unit1, HelpMenu->menuAction()})
            hidden->setVisible(false);
    }
    reporting([this] { doc_->Show(clientSize()); });
    updateChecks();
    showPageImages();
}

void TFrmPrev::hideEvent(QHideEvent* event) {
    QMainWindow::hideEvent(event);
    if (!event->spontaneous())
        doc_->engine.Visible = false;
}

void TFrmPrev::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (restoringSize_ || !event->oldSize().isValid())
        return;
    if (!doc_->resizeAllowed(clientSize())) {
        prompts_.message(QStringLiteral("Resize is ignore, because  bitmap is too big."),
                         Prompts::Icon::Warning);
        restoringSize_ = true;
        resize(event->oldSize());
        restoringSize_ = false;
        return;
    }
    doc_->resized();
}

void TFrmPrev::SetPrinter() {
    if (printer_)
        choosers_.printerDialog(*printer_);
    reporting([this] { setWindowTitle(doc_->SetPrinter()); });
    showPageImages();
}

void TFrmPrev::PrintOut() {
    reporting([this] { doc_->PrintOut(); });
}

} // namespace veridi

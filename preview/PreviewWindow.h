#pragma once

#include "Choosers.h"
#include "PreviewDocument.h"

#include <QMainWindow>

#include <functional>
#include <memory>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QScrollArea;

namespace veridi {

class Choosers;
class PrinterDevice;
class Prompts;
class TFrmList;
class TFrmPageStr;

// The preview window: the page as the engine draws it, at 1:1 or fitted to the window, with
// the file, view and printing menus. Everything with a branch lives in the preview document.
class TFrmPrev : public QMainWindow {
    Q_OBJECT

public:
    TFrmPrev(Prompts& prompts, Choosers& choosers, std::unique_ptr<PrinterDevice> printer,
             const QString& settingsPath, QWidget* parent = nullptr);
    ~TFrmPrev() override;

    PreviewDocument& document() { return *doc_; }
    DrawEngine& engine() { return doc_->engine; }

    QLabel* Image1 = nullptr;
    QLabel* Image2 = nullptr;
    // The box for a text typed on the page, shown where the page was clicked.
    QLineEdit* EdtInput = nullptr;

    QMenu* FileMenu = nullptr;
    QMenu* EditMenu = nullptr;
    QMenu* ViewMenu = nullptr;
    QMenu* HelpMenu = nullptr;
    QAction* Update1 = nullptr;
    QAction* R1 = nullptr;
    QAction* I1 = nullptr;
    QAction* A1 = nullptr;
    QAction* L1 = nullptr;
    QAction* D1 = nullptr;
    QAction* N3 = nullptr;
    QAction* Save2BMP = nullptr;
    QAction* JpegOpt = nullptr;
    QAction* Copy2Clip = nullptr;
    QAction* Printer1 = nullptr;
    QAction* Print2 = nullptr;
    QAction* Close1 = nullptr;
    QAction* Font2 = nullptr;
    QAction* C3 = nullptr;
    QAction* W1 = nullptr;
    QAction* D2 = nullptr;
    QAction* I2 = nullptr;
    QAction* H1 = nullptr;
    QAction* F1 = nullptr;
    QAction* T1 = nullptr;
    QAction* S1 = nullptr;
    QAction* N8 = nullptr;
    QAction* E1 = nullptr;
    QAction* Scale1 = nullptr;
    QAction* Mesh1 = nullptr;
    QAction* WysiWyg2 = nullptr;
    QAction* Page1 = nullptr;
    QAction* N5 = nullptr;
    QAction* Unit1 = nullptr;
    QAction* Pixel1 = nullptr;
    QAction* Inch1 = nullptr;
    QAction* mm1 = nullptr;

    void SetCopyright(const QString& s) { doc_->engine.SetCopyright(s); }
    void PrevUpDateProgram() { doc_->sources.PrevUpDateProgram(); }
    void Set_LimitLevel(qint32 LV) { doc_->LimitLevel = LV; }
    void PrevEnd() { hide(); }
    void SetPrinter();
    void PrintOut();

    // The page string dialog and the list window, made once with the window.
    TFrmPageStr* FrmPageStr = nullptr;
    TFrmList* FrmList = nullptr;
    // Loads a record into the dialog, and the dialog back into a record.
    void SetStrSet(const TPageStr& cPageStr);
    void GetStrSet(TPageStr& vPageStr);
    // The dialog for one page string under caption; true when the user confirmed, and only then
    // is the record changed.
    bool editPageStr(const QString& caption, TPageStr& record);
    // The dialog for the page's four page strings; a confirmed text ticks the edit menu's item.
    bool Set_SetOfHeader();
    bool Set_SetOfFooter();
    bool Set_SetOfPageTitle();
    bool Set_SetOfSubTitle();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void connectEditing();
    void appendManual(const QStringList& lines);
    void chooseTextFont();
    void choosePenColor();
    void askPenWidth();
    void resetDrawingState();
    void askCommand();
    void discardManualList();
    // Typing on the page: the box opens at a click, Enter appends its text, Escape drops it.
    void openTextInput(QPoint at);
    void enterTextInput();
    void showPageImages();
    void updateChecks();
    // One of the page's page strings, in the order of the document's ticks: header, footer,
    // title, subtitle.
    bool editPageStrOfPage(int index);
    QSize clientSize() const;
    // A platform error inside a handler ends the handler and is reported.
    void reporting(const std::function<void()>& action);

    Prompts& prompts_;
    Choosers& choosers_;
    std::unique_ptr<PrinterDevice> printer_;
    std::unique_ptr<PreviewDocument> doc_;
    // The font the text font chooser starts from; a choice appends only what differs from it.
    ColoredFont editingFont_;
    QScrollArea* scroll_ = nullptr;
    bool restoringSize_ = false;
};

} // namespace veridi

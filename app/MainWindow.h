#pragma once

#include "EntryChecks.h"
#include "IniFile.h"
#include "PageStr.h"
#include "RandomSource.h"
#include "WorksheetSettings.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QActionGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTabBar;

namespace veridi {

class BoxEntries;
class InformationArea;
class Choosers;
class Links;
class Prompts;
class SheetComposer;
class TAboutBox;
class TFrmPrev;
class TFrmRndD;
class TFrmStyle;

// The main window: the generator's inputs, the problem set and the worksheet settings. The
// controls carry the names of the form design; the logic lives in the generator, the
// recalculation, the entry checks and the settings.
class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    TForm1(Prompts& prompts, Choosers& choosers, Links& links, const QString& settingsPath,
           RandomSource& random, QWidget* parent = nullptr);
    ~TForm1() override;

    // The preview window, created after the main window; the page buttons, the printing items
    // and the page strings' "設定" buttons work through it.
    void setPreview(TFrmPrev* preview);
    TFrmPrev* FrmPrev = nullptr;
    TFrmRndD* FrmRndD = nullptr;
    TFrmStyle* FrmStyle = nullptr;

    QTabBar* TabControl1 = nullptr;
    QLineEdit* EdtRow = nullptr;
    QLineEdit* EdtCol = nullptr;
    QLineEdit* EdtTotal = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* LblKigou = nullptr;
    QLineEdit* EdtMin1 = nullptr;
    QLineEdit* EdtMax1 = nullptr;
    QLineEdit* EdtMin2 = nullptr;
    QLineEdit* EdtMax2 = nullptr;
    QCheckBox* CBox1 = nullptr;
    QCheckBox* CBox2 = nullptr;
    QPushButton* BtnMake = nullptr;
    QPushButton* BtnClear = nullptr;
    QCheckBox* CBoxNOne = nullptr;
    QCheckBox* CBoxNZero = nullptr;
    QCheckBox* CBoxRest = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label7 = nullptr;
    QPushButton* BtnCal = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPlainTextEdit* Memo2 = nullptr;
    QPlainTextEdit* Memo3 = nullptr;
    QLineEdit* EdtPageTitle = nullptr;
    QLineEdit* EdtSubTitle = nullptr;
    QLineEdit* EdtHeader = nullptr;
    QLineEdit* EdtFooter = nullptr;
    QPushButton* BtnTitle = nullptr;
    QPushButton* BtnSubTitle = nullptr;
    QPushButton* BtnHeader = nullptr;
    QPushButton* BtnFooter = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    InformationArea* Information = nullptr;
    QStatusBar* StBarInf = nullptr;
    // The status bar's second panel, where the long part of the current hint stands.
    QLabel* HintPanel = nullptr;
    TAboutBox* AboutBox = nullptr;
    QAction* Help2 = nullptr;
    QAction* A1 = nullptr;
    QAction* Style1 = nullptr;
    QAction* S1 = nullptr;
    QAction* Print1 = nullptr;
    QAction* Exit1 = nullptr;
    QAction* D1 = nullptr;
    QAction* N5 = nullptr;
    QAction* R1 = nullptr;
    QAction* P1 = nullptr;
    QAction* Z1 = nullptr;
    QAction* I1 = nullptr;

    WorksheetSettings Sets;
    TPageStr DateTime;

    void TabControl1Change();
    void BtnMakeClick();
    void BtnClearClick();
    void BtnCalClick();
    void Button1Click();
    void Button2Click();
    void S1Click();
    void Print1Click();
    void CBoxNZeroClick();
    void CBoxNOneClick();
    void CBoxRestClick();
    void Exit1Click();
    void Style1Click();
    void BtnTitleClick();
    void BtnSubTitleClick();
    void BtnHeaderClick();
    void BtnFooterClick();
    void Set_SetOfDateTime();
    void D1Click();
    void N5Click();
    void R1Click();
    void Help2Click();
    void A1Click();
    void StBarInfClick();
    void P1Click();
    void Z1Click();
    void I1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormHide();
    void FormDestroy();

    void buildControls();
    void buildMenus();
    // The check of a box that is left; remembered is the text it had on entry.
    void runExitCheck(QLineEdit* box, const QString& remembered);
    // An accelerator runs its action while a box keeps the focus; what leaving the box would
    // do is done first.
    void runPendingExit();
    void EdtPageTextExit(QLineEdit* box);
    // A page text's "設定": the preview's record takes the box's text, the dialog edits both,
    // the box and the stored text take the result, and the record keeps only the format.
    void editPageText(QLineEdit* box, QString& stored, TPageStr& record, bool (TFrmPrev::*edit)());
    void composePage(int mode);
    void EdtMin1Exit(QLineEdit* box, const QString& remembered);
    void EdtRowExit(const QString& remembered);
    void EdtColExit(const QString& remembered);
    // A rejected rows or columns value is reported and the box restored; an accepted one is
    // stored in field and the total shown.
    void applyGridCheck(const GridCheck& check, QLineEdit* box, const QString& remembered, qint32& field);

    Prompts& prompts_;
    Choosers& choosers_;
    Links& links_;
    IniFile ini_;
    RandomSource& random_;
    QActionGroup* domainGroup_ = nullptr;
    // The checked boxes' entering and leaving; it keeps each box's text as it was on entry.
    BoxEntries* entries_ = nullptr;
    std::unique_ptr<SheetComposer> composer_;
};

} // namespace veridi

#pragma once

#include "WorksheetSettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace veridi {

class BoxEntries;
class Choosers;
class Links;
class Prompts;

// The style dialog: the grid of problems, the long-hand form, the problem font, the numbering,
// where the answers go, the margins and the frame. It edits the main window's settings, and
// only OK writes them back.
class TFrmStyle : public QDialog {
    Q_OBJECT

public:
    TFrmStyle(WorksheetSettings& sets, Prompts& prompts, Choosers& choosers, Links& links,
              QWidget* parent = nullptr);

    QLineEdit* EdtRow = nullptr;
    QLineEdit* EdtCol = nullptr;
    QCheckBox* CBoxMC = nullptr;
    QPushButton* Button3 = nullptr;
    QLineEdit* EdtLeft = nullptr;
    QLineEdit* EdtRight = nullptr;
    QCheckBox* CBoxExam = nullptr;
    QLineEdit* EdtSeparate = nullptr;
    QRadioButton* RButton1 = nullptr;
    QRadioButton* RButton2 = nullptr;
    QLineEdit* EdtTopP = nullptr;
    QLineEdit* EdtLeftP = nullptr;
    QLineEdit* EdtRightP = nullptr;
    QLineEdit* EdtBottomP = nullptr;
    QCheckBox* CBoxFrame = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* Button1 = nullptr;

    // The problem font being edited.
    ExamFontSpec FontExam;

    // Shows the dialog modally; true when OK took the values over.
    bool run();

    void FormShow();
    void Button3Click();
    void BtnOKClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void boxLeft(QLineEdit* box, const QString& EdtTmp);
    void EdtRowExit(const QString& EdtTmp);
    void EdtColExit(const QString& EdtTmp);
    void EdtTopPExit(QLineEdit* box, const QString& EdtTmp);
    void EdtSeparateExit(const QString& EdtTmp);
    // A message, the box's earlier text back and, if asked, the focus back in the box.
    void refuse(QLineEdit* box, const QString& message, const QString& EdtTmp, bool keepFocus);

    WorksheetSettings& sets_;
    Prompts& prompts_;
    Choosers& choosers_;
    Links& links_;
    BoxEntries* entries_ = nullptr;
    bool refusedOnLeave_ = false;
};

} // namespace veridi

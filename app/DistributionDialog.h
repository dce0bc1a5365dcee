#pragma once

#include <QDialog>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace veridi {

class BoxEntries;
class Links;
class Prompts;

// The dialog in which the user sets D, which shapes how the operands are drawn: 0 evenly, a
// positive D around the minimum, a negative D around the maximum.
class TFrmRndD : public QDialog {
    Q_OBJECT

public:
    TFrmRndD(Prompts& prompts, Links& links, QWidget* parent = nullptr);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* EdtD = nullptr;
    QPushButton* BtnOK = nullptr;
    QPushButton* BtnCancel = nullptr;
    QPushButton* Button1 = nullptr;

    // Shows the dialog with D; on OK the D typed (0 for a text that is not an integer), on
    // Cancel or the close box nothing.
    std::optional<qint32> run(qint32 D);

    void Button1Click();

private:
    void buildControls();
    void EdtDExit(const QString& StrTmp);

    Prompts& prompts_;
    Links& links_;
    BoxEntries* entries_ = nullptr;
};

} // namespace veridi

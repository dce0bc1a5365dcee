#pragma once

#include <QDialog>
#include <QFont>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace veridi {

class BoxEntries;
class Choosers;

// The page string dialog: the text of a header, footer, title, subtitle or date line, its place
// and its font. One dialog serves them all; every opening loads it afresh from a record.
class TFrmPageStr : public QDialog {
    Q_OBJECT

public:
    explicit TFrmPageStr(Choosers& choosers, QWidget* parent = nullptr);

    QLineEdit* Edit1 = nullptr;
    QPushButton* Button1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QLineEdit* EdtX = nullptr;
    QLineEdit* EdtY = nullptr;

    // The font being edited: face, size, bold and italic of the page string.
    QFont StrFont;
    // A record's size as it came, kept while no font is chosen (a size of 0 has no QFont).
    qint32 strSize = 0;

    // Shows the dialog modally; true for OK. The coordinate box the user is still in is checked
    // first, as leaving it would.
    bool run();

    // Leaving a coordinate box: a text that is not a number of 0 or more is silently replaced by
    // Strtmp, the text the box had when it was entered.
    void EdtXExit(const QString& Strtmp);
    void EdtYExit(const QString& Strtmp);
    void Button1Click();
    void CheckBox1Click();
    void CheckBox2Click();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();

    Choosers& choosers_;
    BoxEntries* entries_ = nullptr;
};

} // namespace veridi

#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace veridi {

class DrawEngine;

// The list window: one of the engine's three command lists, line by line. Only the hand-typed
// list can be changed here (a line deleted with the Delete key, or all of it cleared), and each
// change redraws the page.
class TFrmList : public QDialog {
    Q_OBJECT

public:
    explicit TFrmList(QWidget* parent = nullptr);

    QListWidget* ListBox1 = nullptr;
    QPushButton* BtnClear = nullptr;
    QPushButton* Button1 = nullptr;

    // Shows a list modally: 0 the file list, 1 the hand-typed list, 2 the program list.
    void showList(DrawEngine& engine, int list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void deleteSelectedLine();
    void BtnClearClick();

    DrawEngine* engine_ = nullptr;
    bool manual_ = false;
};

} // namespace veridi

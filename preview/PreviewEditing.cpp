// The preview's editing operations: commands added by hand to the hand-typed list, text typed on
// the page, the list window, and saving or discarding the hand-typed list.
#include "ListWindow.h"
#include "ManualCommands.h"
#include "PreviewWindow.h"

#include "CommandLine.h"
#include "Prompts.h"
#include "TextPainting.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include <cstdlib>

namespace veridi {

namespace {
// Wide enough for a line of a school's name in the usual sizes.
constexpr int kTextInputWidth = 320;
} // namespace

void TFrmPrev::connectEditing() {
    editingFont_ = {QApplication::font(), Qt::black};
    EdtInput = new QLineEdit(QStringLiteral("EdtInput"), Image1);
    EdtInput->setObjectName(QStringLiteral("EdtInput"));
    EdtInput->hide();
    EdtInput->installEventFilter(this);
    Image1->installEventFilter(this);

    connect(Font2, &QAction::triggered, this, &TFrmPrev::chooseTextFont);
    connect(C3, &QAction::triggered, this, &TFrmPrev::choosePenColor);
    connect(W1, &QAction::triggered, this, &TFrmPrev::askPenWidth);
    connect(D2, &QAction::triggered, this, &TFrmPrev::resetDrawingState);
    connect(I2, &QAction::triggered, this, &TFrmPrev::askCommand);
    connect(L1, &QAction::triggered, this, [this] { doc_->engine.SaveList(); });
    connect(D1, &QAction::triggered, this, &TFrmPrev::discardManualList);
    connect(R1, &QAction::triggered, this, [this] { FrmList->showList(doc_->engine, 0); });
    connect(I1, &QAction::triggered, this, [this] { FrmList->showList(doc_->engine, 1); });
    connect(A1, &QAction::triggered, this, [this] { FrmList->showList(doc_->engine, 2); });
}

void TFrmPrev::appendManual(const QStringList& lines) {
    doc_->engine.ListByManual << lines;
}

void TFrmPrev::chooseTextFont() {
    if (const auto chosen = choosers_.chooseTextFont(editingFont_))
        appendManual(fontCommands(editingFont_, *chosen));
}

void TFrmPrev::choosePenColor() {
    if (const auto color = choosers_.chooseColor(doc_->engine.ImageCanvas.penColor))
        appendManual({QStringLiteral("PenColor,") + ColorToName(*color)});
}

void TFrmPrev::askPenWidth() {
    const auto typed =
        prompts_.inputText(QStringLiteral("Change Pen Width"), QStringLiteral("New pen width"), QString());
    if (!typed)
        return;
    if (const auto line = penWidthCommand(*typed))
        appendManual({*line});
}

// The page image's drawing state becomes the reset one, which the next text box takes as its font.
void TFrmPrev::resetDrawingState() {
    appendManual({QStringLiteral("INITPARAM")});
    doc_->engine.InitDrawParams();
}

void TFrmPrev::askCommand() {
    const auto typed = prompts_.inputText(QStringLiteral("コマンド入力"),
                                          QStringLiteral("挿入するコマンド列を入力して下さい"),
                                          QStringLiteral("追加するコマンド"));
    if (!typed)
        return;
    appendManual({*typed});
    reporting([this] { doc_->sources.PrevUpDateManual(); });
}

void TFrmPrev::discardManualList() {
    if (!prompts_.askYesNo(QStringLiteral("入力リストを破棄してもいいですか")))
        return;
    doc_->engine.ClearManualList();
    reporting([this] { doc_->sources.PrevUpDateManual(); });
}

void TFrmPrev::openTextInput(QPoint at) {
    const CanvasState& canvas = doc_->engine.ImageCanvas;
    EdtInput->setFont(realiseFont(canvas.font, doc_->engine.MonitorRes));
    QPalette palette = EdtInput->palette();
    palette.setColor(QPalette::Text, canvas.font.color);
    EdtInput->setPalette(palette);
    const int charHeight = std::abs(FontHeightOnTarget(canvas.font.size, doc_->engine.MonitorRes));
    EdtInput->setGeometry(at.x(), at.y(), kTextInputWidth, charHeight + 8);
    EdtInput->show();
    EdtInput->setFocus();
}

void TFrmPrev::enterTextInput() {
    const DrawEngine& engine = doc_->engine;
    const QPoint at = screenToUnit(EdtInput->pos(), engine.UnitType, engine.PrinterResX, engine.PrinterResY,
                                   engine.MonitorRes);
    appendManual({textOutCommand(at, EdtInput->text())});
    EdtInput->hide();
    reporting([this] { doc_->engine.DrawGraphics(); });
}

bool TFrmPrev::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Image1 && event->type() == QEvent::MouseButtonRelease) {
        if (WysiWyg2->isChecked() && E1->isChecked())
            openTextInput(static_cast<QMouseEvent*>(event)->position().toPoint());
    } else if (watched == EdtInput && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            enterTextInput();
            return true;
        }
        if (key == Qt::Key_Escape) {
            EdtInput->hide();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Only a close through the window frame asks; "閉じる(&C)" and the host simply hide the window.
void TFrmPrev::closeEvent(QCloseEvent* event) {
    if (!doc_->ready() || doc_->engine.ListByManual.isEmpty())
        return QMainWindow::closeEvent(event);
    switch (prompts_.askYesNoCancel(QStringLiteral("Save data?"))) {
    case Prompts::Answer::Yes:
        doc_->engine.SaveList();
        break;
    case Prompts::Answer::No:
        break;
    case Prompts::Answer::Cancel:
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}

} // namespace veridi

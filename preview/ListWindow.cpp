#include "ListWindow.h"

#include "DrawEngine.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace veridi {

TFrmList::TFrmList(QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("FrmList"));
    setWindowTitle(QStringLiteral("リストの確認"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setSizeGripEnabled(true);
    resize(420, 300);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->installEventFilter(this);
    BtnClear = new QPushButton(QStringLiteral("消去(&A)"), this);
    BtnClear->setObjectName(QStringLiteral("BtnClear"));
    Button1 = new QPushButton(QStringLiteral("閉じる(&C)"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(false);
    BtnClear->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnClear);
    buttons->addWidget(Button1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ListBox1);
    layout->addLayout(buttons);

    connect(BtnClear, &QPushButton::clicked, this, &TFrmList::BtnClearClick);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
}

void TFrmList::showList(DrawEngine& engine, int list) {
    engine_ = &engine;
    manual_ = list == 1;
    const QStringList* lines[] = {&engine.ListByFile, &engine.ListByManual, &engine.ListbyProgram};
    ListBox1->clear();
    ListBox1->addItems(*lines[list]);
    BtnClear->setVisible(manual_);
    exec();
}

bool TFrmList::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ListBox1 && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        deleteSelectedLine();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFrmList::deleteSelectedLine() {
    const int row = ListBox1->currentRow();
    if (!manual_ || row < 0 || ListBox1->selectedItems().isEmpty())
        return;
    engine_->DeleteManualList(row);
    delete ListBox1->takeItem(row);
    engine_->DrawGraphics();
}

void TFrmList::BtnClearClick() {
    engine_->ClearManualList();
    ListBox1->clear();
    engine_->DrawGraphics();
}

} // namespace veridi

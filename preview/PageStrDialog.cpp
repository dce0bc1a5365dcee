#include "PageStrDialog.h"

#include "BoxEntries.h"
#include "Choosers.h"
#include "NumberText.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace veridi {

TFrmPageStr::TFrmPageStr(Choosers& choosers, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), choosers_(choosers) {
    setObjectName(QStringLiteral("FrmPageStr"));
    setWindowTitle(QStringLiteral("ヘッダーの設定"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setFixedSize(288, 208);
    buildControls();
    // The entry text travels with each leave: a leave runs after the focus has settled, by which
    // time the other box may already have been entered.
    entries_ = new BoxEntries(this, {EdtX, EdtY}, [this](QLineEdit* box, const QString& Strtmp) {
        box == EdtX ? EdtXExit(Strtmp) : EdtYExit(Strtmp);
    });
}

void TFrmPageStr::buildControls() {
    const auto named = [](auto* widget, const char* name) {
        widget->setObjectName(QLatin1String(name));
        return widget;
    };
    auto* textLabel = new QLabel(QStringLiteral("表示文字列"), this);
    textLabel->setGeometry(8, 6, 272, 16);
    Edit1 = named(new QLineEdit(this), "Edit1");
    Edit1->setGeometry(8, 24, 272, 24);
    textLabel->setBuddy(Edit1);

    Button1 = named(new QPushButton(QStringLiteral("フォント(&F)"), this), "Button1");
    Button1->setGeometry(8, 58, 96, 26);
    auto* placeLabel = new QLabel(QStringLiteral("位置"), this);
    placeLabel->setGeometry(120, 62, 32, 18);
    ComboBox1 = named(new QComboBox(this), "ComboBox1");
    ComboBox1->addItems({QStringLiteral("なし"), QStringLiteral("左"), QStringLiteral("右"),
                         QStringLiteral("中央"), QStringLiteral("任意")});
    ComboBox1->setGeometry(156, 58, 124, 26);

    auto* decoration = new QGroupBox(QStringLiteral("飾り"), this);
    decoration->setGeometry(8, 94, 132, 62);
    CheckBox1 = named(new QCheckBox(QStringLiteral("Bold"), decoration), "CheckBox1");
    CheckBox1->setGeometry(10, 26, 56, 24);
    CheckBox2 = named(new QCheckBox(QStringLiteral("Italic"), decoration), "CheckBox2");
    CheckBox2->setGeometry(68, 26, 60, 24);

    auto* place = new QGroupBox(QStringLiteral("任意の位置"), this);
    place->setGeometry(148, 94, 132, 106);
    const auto coordinate = [place](const QString& caption, const char* name, int y) {
        auto* label = new QLabel(caption, place);
        label->setGeometry(10, y + 3, 24, 18);
        auto* box = new QLineEdit(QStringLiteral("0"), place);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(36, y, 84, 24);
        label->setBuddy(box);
        return box;
    };
    EdtX = coordinate(QStringLiteral("X="), "EdtX", 28);
    EdtY = coordinate(QStringLiteral("Y="), "EdtY", 64);

    Button2 = named(new QPushButton(QStringLiteral("&OK"), this), "Button2");
    Button2->setGeometry(8, 168, 64, 28);
    Button2->setDefault(true);
    Button3 = named(new QPushButton(QStringLiteral("&Cancel"), this), "Button3");
    Button3->setGeometry(76, 168, 64, 28);

    setTabOrder(Edit1, Button1);
    setTabOrder(Button1, ComboBox1);
    setTabOrder(ComboBox1, CheckBox1);
    setTabOrder(CheckBox1, CheckBox2);
    setTabOrder(CheckBox2, Button2);
    setTabOrder(Button2, Button3);
    setTabOrder(Button3, EdtX);
    setTabOrder(EdtX, EdtY);

    connect(Button1, &QPushButton::clicked, this, &TFrmPageStr::Button1Click);
    connect(CheckBox1, &QCheckBox::clicked, this, &TFrmPageStr::CheckBox1Click);
    connect(CheckBox2, &QCheckBox::clicked, this, &TFrmPageStr::CheckBox2Click);
    connect(Button2, &QPushButton::clicked, this, [this] {
        entries_->settle();
        accept();
    });
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
}

bool TFrmPageStr::run() {
    entries_->reset();
    Edit1->setFocus();
    return exec() == QDialog::Accepted;
}

void TFrmPageStr::showEvent(QShowEvent* event) {
    // Centred on the window the user opened it from.
    if (const QWidget* opener = QApplication::activeWindow(); opener && opener != this)
        move(opener->frameGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

namespace {

void restoreUnlessCoordinate(QLineEdit* box, const QString& Strtmp) {
    const auto value = parseDecimal(box->text());
    if (!value || *value < 0)
        box->setText(Strtmp);
}

} // namespace

void TFrmPageStr::EdtXExit(const QString& Strtmp) {
    restoreUnlessCoordinate(EdtX, Strtmp);
}

void TFrmPageStr::EdtYExit(const QString& Strtmp) {
    restoreUnlessCoordinate(EdtY, Strtmp);
}

void TFrmPageStr::Button1Click() {
    if (const auto chosen = choosers_.chooseFont(StrFont)) {
        StrFont = *chosen;
        strSize = StrFont.pointSize();
        CheckBox1->setChecked(StrFont.bold());
        CheckBox2->setChecked(StrFont.italic());
    }
}

void TFrmPageStr::CheckBox1Click() {
    StrFont.setBold(CheckBox1->isChecked());
}

void TFrmPageStr::CheckBox2Click() {
    StrFont.setItalic(CheckBox2->isChecked());
}

} // namespace veridi

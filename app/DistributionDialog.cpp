#include "DistributionDialog.h"

#include "BoxEntries.h"
#include "HelpPages.h"
#include "NumberText.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace veridi {

TFrmRndD::TFrmRndD(Prompts& prompts, Links& links, QWidget* parent)
    : QDialog(parent, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), prompts_(prompts),
      links_(links) {
    setObjectName(QStringLiteral("FrmRndD"));
    setWindowTitle(QStringLiteral("乱数の振り方"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setFixedSize(420, 165);
    buildControls();
    entries_ = new BoxEntries(this, {EdtD}, [this](QLineEdit*, const QString& StrTmp) { EdtDExit(StrTmp); });
}

void TFrmRndD::buildControls() {
    const auto label = [this](const QString& text, const char* name, int x, int y, int width) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(name));
        l->setGeometry(x, y, width, 18);
        return l;
    };
    Label1 = label(QStringLiteral("演算(＋,－,×,÷)の右の数と左の数の出現の確率に関するパラメータＤ"),
                   "Label1", 12, 10, 400);
    Label3 = label(QStringLiteral("パラメーターＤの値"), "Label3", 24, 38, 120);
    EdtD = new QLineEdit(this);
    EdtD->setObjectName(QStringLiteral("EdtD"));
    EdtD->setGeometry(148, 35, 80, 24);
    Label3->setBuddy(EdtD);
    Label6 = label(QStringLiteral("（整数）"), "Label6", 234, 38, 80);
    Label4 = label(QStringLiteral("零　：　最小値から最大値の間の均一乱数"), "Label4", 24, 68, 384);
    Label5 = label(QStringLiteral("正　：　最小値を中心とし、標準偏差が最大値／Ｄの正規分布乱数"), "Label5",
                   24, 88, 384);
    Label2 = label(QStringLiteral("負　：　最大値を中心とし、標準偏差が最大値／Ｄの正規分布乱数"), "Label2",
                   24, 108, 384);

    const auto button = [this](const QString& text, const char* name, int x) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QLatin1String(name));
        b->setGeometry(x, 132, 80, 26);
        return b;
    };
    BtnOK = button(QStringLiteral("&OK"), "BtnOK", 160);
    BtnCancel = button(QStringLiteral("&Cancel"), "BtnCancel", 246);
    Button1 = button(QStringLiteral("&Help"), "Button1", 332);
    BtnOK->setDefault(true);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button1, &QPushButton::clicked, this, &TFrmRndD::Button1Click);
}

std::optional<qint32> TFrmRndD::run(qint32 D) {
    entries_->reset();
    EdtD->setText(QString::number(D));
    EdtD->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    // OK by its accelerator leaves the box unchecked; a text that is not an integer is 0.
    return parseInteger32(EdtD->text()).value_or(0);
}

void TFrmRndD::EdtDExit(const QString& StrTmp) {
    if (!parseInteger32(EdtD->text()))
        EdtD->setText(StrTmp);
}

void TFrmRndD::Button1Click() {
    openHelpPage(helpFolder(), QStringLiteral("distribution.html"), links_, prompts_);
}

} // namespace veridi

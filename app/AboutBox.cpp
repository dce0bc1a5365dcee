#include "AboutBox.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace veridi {

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("バージョン情報"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 16, 24, 12);
    ProductName = new QLabel(QStringLiteral("Veridi　自然数の加減乗除篇"), this);
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    Version = new QLabel(QStringLiteral("Version 1.6"), this);
    Comments =
        new QLabel(QStringLiteral("たし算・ひき算・かけ算・わり算の問題と答えの用紙を作ります。"), this);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setDefault(true);
    for (QWidget* line : {static_cast<QWidget*>(ProductName), static_cast<QWidget*>(Version),
                          static_cast<QWidget*>(Comments)})
        layout->addWidget(line);
    layout->addSpacing(8);
    layout->addWidget(OKButton, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace veridi

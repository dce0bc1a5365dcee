#include "InformationArea.h"

#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QStackedLayout>
#include <QTextBrowser>

namespace veridi {

InformationArea::InformationArea(QWidget* parent)
    : QWidget(parent), network_(new QNetworkAccessManager(this)) {
    setFixedSize(468, 103);
    auto* layers = new QStackedLayout(this);
    layers->setStackingMode(QStackedLayout::StackAll);
    WebBrowser1 = new QTextBrowser(this);
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    WebBrowser1->setOpenExternalLinks(true);
    PnlError = new QLabel(QStringLiteral("インターネットに接続した状態でご使用下さい"), this);
    PnlError->setObjectName(QStringLiteral("PnlError"));
    PnlError->setAlignment(Qt::AlignCenter);
    PnlError->setAutoFillBackground(true);
    QFont bold(QStringLiteral("ＭＳ Ｐゴシック"), 9);
    bold.setBold(true);
    PnlError->setFont(bold);
    PnlError->setStyleSheet(QStringLiteral("color: red;"));
    PnlError->setFrameShape(QFrame::Panel);
    PnlError->hide();
    layers->addWidget(WebBrowser1);
    layers->addWidget(PnlError);
}

void InformationArea::navigate(const QUrl& page) {
    QNetworkReply* reply = network_->get(QNetworkRequest(page));
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        reply->deleteLater();
        if (reply->error() == QNetworkReply::NoError)
            WebBrowser1->setHtml(QString::fromUtf8(reply->readAll()));
    });
}

void InformationArea::showError() {
    PnlError->show();
    PnlError->raise();
}

} // namespace veridi

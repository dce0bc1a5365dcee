#include "HttpGet.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace veridi {

std::optional<QByteArray> httpGet(const QUrl& url, std::chrono::milliseconds timeout) {
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setTransferTimeout(int(timeout.count()));
    QNetworkReply* reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The whole request, name lookup and a server that trickles included, has this long.
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    const bool done = reply->isFinished() && reply->error() == QNetworkReply::NoError;
    if (!reply->isFinished())
        reply->abort();
    std::optional<QByteArray> body;
    if (done)
        body = reply->readAll();
    delete reply;
    return body;
}

} // namespace veridi

#pragma once

#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

namespace veridi::test {

// A loopback server that answers every request with response, or never answers when it is empty.
class LoopbackServer {
public:
    explicit LoopbackServer(QByteArray response) : response_(std::move(response)) {
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, [this, socket] {
                socket->readAll();
                if (!response_.isEmpty()) {
                    socket->write(response_);
                    socket->disconnectFromHost();
                }
            });
        });
        server_.listen(QHostAddress::LocalHost);
    }
    QUrl url(const QString& path) const {
        return QUrl(QStringLiteral("http://127.0.0.1:%1/%2").arg(server_.serverPort()).arg(path));
    }

private:
    QByteArray response_;
    QTcpServer server_;
};

} // namespace veridi::test

#include "pageserver.h"

#include <QTcpSocket>
#include <QTimer>

PageServer::PageServer(QObject *parent) : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                buffer->append(socket->readAll());
                if (!buffer->contains("\r\n\r\n"))
                    return;
                const QList<QByteArray> requestLine =
                    buffer->left(buffer->indexOf("\r\n")).split(' ');
                buffer->clear();
                const QString path = QString::fromLatin1(requestLine.value(1));
                if (path != QLatin1String("/favicon.ico"))
                    m_requests.append(path);
                const int delay = m_pages.value(path).delayMs;
                if (delay > 0)
                    QTimer::singleShot(delay, socket,
                                       [this, socket, path] { answer(socket, path); });
                else
                    answer(socket, path);
            });
        }
    });
}

bool PageServer::start()
{
    return m_server.listen(QHostAddress::LocalHost);
}

QString PageServer::base() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

void PageServer::setPage(const QString &path, const QString &title, const QString &body)
{
    Page &p = m_pages[path];
    p.title = title;
    p.body = body;
}

void PageServer::setDelay(const QString &path, int ms)
{
    m_pages[path].delayMs = ms;
}

void PageServer::answer(QTcpSocket *socket, const QString &path)
{
    QByteArray reply;
    if (path == QLatin1String("/favicon.ico")) {
        reply = "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    } else if (!m_pages.value(path).raw.isEmpty()) {
        reply = m_pages.value(path).raw;
    } else {
        const Page page = m_pages.value(path);
        const QString title = page.title.isEmpty() ? defaultTitle(path) : page.title;
        const QByteArray body =
            QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                           "<title>%1</title></head><body>%2</body></html>")
                .arg(title.toHtmlEscaped(), page.body.isEmpty() ? title.toHtmlEscaped() : page.body)
                .toUtf8();
        reply = "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
                "Cache-Control: no-store\r\nConnection: close\r\nContent-Length: " +
                QByteArray::number(body.size()) + "\r\n\r\n" + body;
    }
    socket->write(reply);
    socket->disconnectFromHost();
}

#include "browserprotocol/browserprotocol.h"

#include <QJsonDocument>
#include <QJsonParseError>

QStringList BrowserProtocol::programOps()
{
    return {QStringLiteral("pages"),         QStringLiteral("load"),
            QStringLiteral("maximize"),      QStringLiteral("setAddress"),
            QStringLiteral("appendAddress"), QStringLiteral("busyTimer"),
            QStringLiteral("navigate"),      QStringLiteral("close"),
            QStringLiteral("describe"),      QStringLiteral("ping")};
}

QStringList BrowserProtocol::helperOps()
{
    return {QStringLiteral("hello"), QStringLiteral("shown"), QStringLiteral("state"),
            QStringLiteral("pong"), QStringLiteral("closed")};
}

QByteArray BrowserProtocol::encode(const QString &op, QJsonObject fields)
{
    fields.insert(QStringLiteral("v"), Version);
    fields.insert(QStringLiteral("op"), op);
    const QByteArray line = QJsonDocument(fields).toJson(QJsonDocument::Compact) + '\n';
    return line.size() > MaxMessageBytes ? QByteArray() : line;
}

QList<QJsonObject> BrowserProtocol::Reader::read(const QByteArray &bytes)
{
    QList<QJsonObject> messages;
    if (!m_error.isEmpty())
        return messages;
    m_pending += bytes;
    qsizetype start = 0;
    for (;;) {
        const qsizetype end = m_pending.indexOf('\n', start);
        if (end < 0)
            break;
        if (end + 1 - start > MaxMessageBytes) {
            m_error = QStringLiteral("a message of %1 bytes (at most %2)")
                          .arg(end + 1 - start)
                          .arg(MaxMessageBytes);
            return messages;
        }
        const QByteArray line = m_pending.mid(start, end - start);
        start = end + 1;
        QJsonParseError parse;
        const QJsonDocument doc = QJsonDocument::fromJson(line, &parse);
        if (!doc.isObject()) {
            m_error = QStringLiteral("a message that is not a JSON object: %1")
                          .arg(QString::fromUtf8(line.left(80)));
            return messages;
        }
        const QJsonObject message = doc.object();
        if (message.value(QStringLiteral("v")).toInt(-1) != Version) {
            m_error = QStringLiteral("a message of another protocol version: %1")
                          .arg(QString::fromUtf8(line.left(80)));
            return messages;
        }
        const QString op = message.value(QStringLiteral("op")).toString();
        if (!m_ops.contains(op)) {
            m_error =
                QStringLiteral("an unknown message: %1").arg(QString::fromUtf8(line.left(80)));
            return messages;
        }
        messages << message;
    }
    m_pending.remove(0, start);
    if (m_pending.size() >= MaxMessageBytes)
        m_error = QStringLiteral("a message longer than %1 bytes").arg(MaxMessageBytes);
    return messages;
}

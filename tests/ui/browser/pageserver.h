#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTcpServer>

// A small web server on 127.0.0.1 for the browser tests and measurements. Every path is a
// page whose title names the path ("Page /x.html") unless set otherwise; a page can be
// made to answer late. It records the paths asked for (the icon requests aside).
class PageServer : public QObject
{
    Q_OBJECT
public:
    explicit PageServer(QObject *parent = nullptr);

    bool start();
    // "http://127.0.0.1:<port>"
    QString base() const;

    // The page at `path` gets this title and body (HTML inside <body>).
    void setPage(const QString &path, const QString &title, const QString &body = {});
    // The page at `path` answers after `ms` milliseconds.
    void setDelay(const QString &path, int ms);
    // `path` answers with `response` as it stands, status line and headers included.
    void setRaw(const QString &path, const QByteArray &response) { m_pages[path].raw = response; }

    static QString defaultTitle(const QString &path) { return QStringLiteral("Page ") + path; }

    QStringList requests() const { return m_requests; }
    int count(const QString &path) const { return m_requests.count(path); }
    void clearRequests() { m_requests.clear(); }

private:
    void answer(class QTcpSocket *socket, const QString &path);

    QTcpServer m_server;
    struct Page
    {
        QString title;
        QString body;
        QByteArray raw;
        int delayMs = 0;
    };
    QHash<QString, Page> m_pages;
    QStringList m_requests;
};

#pragma once

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>

class BrowserWindow;

// The helper's side of the link commands: keeps frmBrowser (created on load, gone when
// closed) and runs on it each message the program sends (see ui/browser/browserprotocol.h).
class BrowserHost : public QObject
{
    Q_OBJECT
public:
    BrowserHost();
    ~BrowserHost() override;

    // Empty when the web engine can run here; otherwise why it cannot (shown to the user).
    static QString engineProblem();

    // Runs one message from the program; returns the answer to send back, if any.
    QJsonObject handle(const QJsonObject &message);

    // The window's state, as the describe message answers it.
    QJsonObject state() const;

    BrowserWindow *window() const;

Q_SIGNALS:
    // The window was loaded and has closed.
    void windowClosed();

private:
    QPointer<BrowserWindow> m_window;
    QString m_homePage;
    QString m_searchPage;
};

#pragma once

#include "ui/browser/browserinterface.h"
#include "ui/browser/browserprotocol.h"

#include <QJsonObject>
#include <QObject>
#include <QProcess>
#include <QStringList>

class QWidget;

// The program's side of the browser window: starts the helper process lottoworla-browser,
// which holds frmBrowser, and passes the link commands' steps to it as messages (see
// browserprotocol.h). The helper ends when its window closes; the next link command starts
// a fresh one. When this object goes, so does the helper.
class BrowserClient : public QObject, public BrowserWindowInterface
{
    Q_OBJECT
public:
    struct Options
    {
        // The helper to start; empty finds lottoworla-browser (BrowserLoader::helperFile).
        QString program;
        QStringList arguments;
        // How long the helper has to start and say hello.
        int answerMs = 10000;
    };

    explicit BrowserClient(QObject *parent = nullptr);
    BrowserClient(Options options, QObject *parent);
    ~BrowserClient() override;

    // Starts the helper unless it runs. When it cannot be started or does not answer, tells
    // the user why in an "Info." box over `parent` and returns false; the next call tries
    // again.
    bool ensureRunning(QWidget *parent);
    bool isRunning() const;
    // The helper's process id, 0 when none runs.
    qint64 helperPid() const;

    // The window's state, as the helper answers the describe message (empty when no helper
    // runs or it did not answer within `timeoutMs`).
    QJsonObject describe(int timeoutMs = 10000);
    // Closes the window as its File, Exit does; the helper then ends.
    void closeWindow();

    void setHomeAndSearchPages(const QString &home, const QString &search) override;
    void load(const QString &linkAddress) override;
    void setMaximized() override;
    void setAddressText(const QString &text) override;
    void appendAddressTextToList() override;
    void enableBusyTimer() override;
    void navigate(const QString &address) override;

Q_SIGNALS:
    // The helper process has ended (its window closed, it crashed or it was ended).
    void helperEnded();

private:
    QString start();
    void send(const QString &op, const QJsonObject &fields = {});
    void readMessages();
    void endHelper();
    bool waitFor(const std::function<bool()> &condition, int timeoutMs);

    Options m_options;
    QProcess *m_process = nullptr;
    std::unique_ptr<BrowserProtocol::Reader> m_reader;
    bool m_helloSeen = false;
    bool m_windowClosed = false;
    QString m_helloProblem;
    int m_lastId = 0;
    QJsonObject m_lastState;
};

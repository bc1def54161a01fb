#pragma once

#include "browserprotocol/browserprotocol.h"
#include "ui/browser/browserinterface.h"

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QProcess>
#include <QStringList>
#include <QTimer>

class QWidget;

// The program's side of the browser window: starts the helper process lottoworla-browser,
// which holds frmBrowser, and passes the link commands' steps to it as messages (see
// browserprotocol.h). The helper ends when its window closes; the next link command starts
// a fresh one. When this object goes, so does the helper.
//
// Nothing here waits on the helper: the messages sent while it starts wait in a queue and go
// to it in order once it says hello, and a helper that is done with (its window closed, it
// broke the message rules, it stopped answering) is let go: nothing more is read from it (it
// is killed as soon as it writes more than four messages' worth), its input is closed, it is
// killed if it has not ended within Options::letGoMs, and it is deleted once it has ended. Killing
// it ends every process below it too: it runs in a process group of its own, and is the subreaper
// of the processes below it. A link whose steps were on their way when the window closed (the
// helper confirms what it has done by answering pings) goes to a new helper, once. While the window
// is open, the helper is pinged every Options::keepAliveMs, so one that hangs is noticed. Each
// helper runs in a private home of its own (see helperenvironment.h), removed when it has ended.
// Every helper ending with another exit code than 0 is logged.
class BrowserClient : public QObject, public BrowserWindowInterface
{
    Q_OBJECT
public:
    struct Options
    {
        // The helper to start; empty finds lottoworla-browser (HelperFile::path).
        QString program;
        QStringList arguments;
        // How long the helper has to start and say hello (timed by the event loop).
        int answerMs = 10000;
        // How long a helper may leave a ping unanswered.
        int pingMs = 5000;
        // How long an open window's helper goes without a ping.
        int keepAliveMs = 5000;
        // How long a helper that is let go has to end by itself before it is killed.
        int letGoMs = 3000;
    };

    explicit BrowserClient(QObject *parent = nullptr);
    BrowserClient(Options options, QObject *parent);
    ~BrowserClient() override;

    // Starts the helper unless it runs or is starting, and returns at once. When it cannot
    // be started, ends (or says it closed) before its hello, reports a problem in it, or does
    // not answer within Options::answerMs, the queued messages are dropped and the user is
    // told why in an "Info." box over `parent`, shown from the event loop; the next call tries
    // again. So is the user told when, after its hello, the helper ends before its window
    // shows, or leaves a ping unanswered for Options::pingMs.
    // Returns false when the start failed at once (the helper program is missing).
    bool ensureRunning(QWidget *parent);
    // Whether a helper runs, or is starting, with its window not closed.
    bool isRunning() const;
    // The helper's process id, 0 when none runs.
    qint64 helperPid() const;

    // The window's state, as the helper answers the describe message (empty when no helper
    // runs or it did not answer within `timeoutMs`). Waits, blocking, for the helper's
    // hello first when it is starting. For tests and measurements only.
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

private:
    // A message as written, and whether it is being sent a second time.
    struct Sent
    {
        QString op;
        QByteArray line;
        bool again = false;
    };

    void start();
    QList<Sent> lostLink() const;
    void fail(const QString &reason, const QString &heading = {});
    QString noAnswer(int ms) const;
    void send(const QString &op, const QJsonObject &fields = {});
    void write(const Sent &message);
    void ping();
    void readMessages();
    void finished(QProcess *process, int code, QProcess::ExitStatus status);
    void letGo();
    bool waitFor(const std::function<bool()> &condition, int timeoutMs);

    Options m_options;
    QProcess *m_process = nullptr;
    std::unique_ptr<BrowserProtocol::Reader> m_reader;
    bool m_helloSeen = false;
    bool m_loadSent = false;
    bool m_windowShown = false;
    // Messages waiting for the helper's hello.
    QList<Sent> m_queue;
    // The last pages message sent.
    Sent m_pages;
    QTimer m_answerTimer;
    // The messages written that no pong has confirmed yet.
    QList<Sent> m_unconfirmed;
    // The ping in flight (0: none), how many of m_unconfirmed it confirms, and whether
    // messages went after it.
    int m_pingId = 0;
    qsizetype m_pingCovers = 0;
    bool m_sentAfterPing = false;
    QTimer m_pingTimer;
    QTimer m_keepAliveTimer;
    QString m_program;
    QPointer<QWidget> m_boxParent;
    int m_lastId = 0;
    QJsonObject m_lastState;
};

#include "ui/browser/browserclient.h"

#include "shared/messagebox.h"
#include "ui/browser/helperfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QJsonValue>
#include <QLocale>
#include <QWidget>

namespace {
void tellUser(QWidget *parent, const QString &reason)
{
    MsgBox::info(parent,
                 MsgBox::lines({QCoreApplication::translate(
                                    "BrowserClient", "The built-in web browser could not be "
                                                     "started, so the page cannot be shown."),
                                QString(), reason}),
                 QCoreApplication::translate("BrowserClient", "Info."));
}
} // namespace

BrowserClient::BrowserClient(QObject *parent) : BrowserClient(Options{}, parent) {}

BrowserClient::BrowserClient(Options options, QObject *parent)
    : QObject(parent), m_options(std::move(options))
{
    m_answerTimer.setSingleShot(true);
    connect(&m_answerTimer, &QTimer::timeout, this, [this] {
        if (!m_process || m_helloSeen)
            return;
        // Silent so far: it is not asked to end, it is ended.
        m_process->kill();
        fail(noAnswer());
    });
}

QString BrowserClient::noAnswer() const
{
    return tr("Its helper program %1 did not answer within %2 seconds.")
        .arg(QDir::toNativeSeparators(m_program))
        .arg(QLocale().toString(m_options.answerMs / 1000.0));
}

BrowserClient::~BrowserClient()
{
    endHelper();
}

bool BrowserClient::isRunning() const
{
    // A helper whose window has closed is on its way out: the next link starts a fresh one.
    return m_process && m_process->state() != QProcess::NotRunning && !m_windowClosed;
}

qint64 BrowserClient::helperPid() const
{
    return isRunning() ? m_process->processId() : 0;
}

bool BrowserClient::ensureRunning(QWidget *parent)
{
    m_boxParent = parent;
    if (!isRunning())
        start();
    return isRunning();
}

void BrowserClient::start()
{
    endHelper();
    m_program = m_options.program.isEmpty() ? HelperFile::path() : m_options.program;
    const QString program = QDir::toNativeSeparators(m_program);
    if (!QFileInfo(m_program).isExecutable()) {
        fail(tr("Its helper program %1 was not found.").arg(program));
        return;
    }

    m_process = new QProcess(this);
    m_reader = std::make_unique<BrowserProtocol::Reader>(BrowserProtocol::helperOps());
    m_helloSeen = false;
    m_windowClosed = false;
    // The helper's messages for people (the web engine's among them) go where the program's go.
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &BrowserClient::readMessages);
    QProcess *process = m_process;
    connect(m_process, &QProcess::errorOccurred, this,
            [this, process, program](QProcess::ProcessError error) {
                if (process == m_process && error == QProcess::FailedToStart)
                    fail(tr("Its helper program %1 could not be started: %2")
                             .arg(program, process->errorString()));
            });
    connect(m_process, &QProcess::finished, this,
            [this, process, program](int code, QProcess::ExitStatus status) {
                if (process != m_process)
                    return;
                if (!m_helloSeen) {
                    fail(tr("Its helper program %1 ended as it started.").arg(program));
                    return;
                }
                if (status == QProcess::CrashExit)
                    qInfo("The browser helper ended unexpectedly (code %d).", code);
                m_process->deleteLater();
                m_process = nullptr;
            });
    m_answerTimer.start(m_options.answerMs);
    m_process->start(m_program,
                     m_options.arguments +
                         QStringList{QStringLiteral("--parent-pid"),
                                     QString::number(QCoreApplication::applicationPid())});
}

void BrowserClient::fail(const QString &reason)
{
    endHelper();
    // Told from the event loop: the box's own loop never runs inside the link command, nor
    // inside the process's signals.
    QMetaObject::invokeMethod(
        this, [parent = m_boxParent, reason] { tellUser(parent, reason); }, Qt::QueuedConnection);
}

bool BrowserClient::waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!condition()) {
        if (!isRunning() || deadline.hasExpired())
            return false;
        // Blocking: the messages read on the way are handled by readMessages.
        m_process->waitForReadyRead(int(std::max<qint64>(1, deadline.remainingTime())));
    }
    return true;
}

void BrowserClient::readMessages()
{
    if (!m_process)
        return;
    const QList<QJsonObject> messages = m_reader->read(m_process->readAllStandardOutput());
    for (const QJsonObject &message : messages) {
        const QString op = message.value(QStringLiteral("op")).toString();
        if (op == QLatin1String("hello") && !m_helloSeen) {
            m_helloSeen = true;
            m_answerTimer.stop();
            const QString problem = message.value(QStringLiteral("problem")).toString();
            if (!problem.isEmpty()) {
                fail(problem);
                return;
            }
            // What was sent while it started, in order.
            for (const QByteArray &line : std::as_const(m_queue))
                m_process->write(line);
            m_queue.clear();
        } else if (op == QLatin1String("state")) {
            m_lastState = message;
        } else if (op == QLatin1String("closed")) {
            m_windowClosed = true;
        }
    }
    if (!m_reader->error().isEmpty()) {
        qWarning("The browser helper sent %s; ending it.", qPrintable(m_reader->error()));
        if (m_helloSeen)
            endHelper();
        else
            fail(noAnswer());
    }
}

void BrowserClient::endHelper()
{
    m_answerTimer.stop();
    m_queue.clear();
    if (!m_process)
        return;
    QProcess *process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    // End of input asks the helper to end; one that does not is killed.
    if (process->state() != QProcess::NotRunning) {
        process->closeWriteChannel();
        if (!process->waitForFinished(2000)) {
            process->kill();
            process->waitForFinished(2000);
        }
    }
    // It may be the very process whose signal is running now.
    process->deleteLater();
}

void BrowserClient::send(const QString &op, const QJsonObject &fields)
{
    if (!isRunning())
        return;
    if (m_helloSeen)
        m_process->write(BrowserProtocol::encode(op, fields));
    else
        m_queue << BrowserProtocol::encode(op, fields);
}

QJsonObject BrowserClient::describe(int timeoutMs)
{
    if (!isRunning())
        return {};
    const int id = ++m_lastId;
    m_lastState = {};
    // While the helper starts this waits in the queue, behind the link's steps.
    send(QStringLiteral("describe"), {{QStringLiteral("id"), id}});
    if (!waitFor([&] { return m_lastState.value(QStringLiteral("id")).toInt() == id; }, timeoutMs))
        return {};
    return m_lastState;
}

void BrowserClient::closeWindow()
{
    send(QStringLiteral("close"));
}

void BrowserClient::setHomeAndSearchPages(const QString &home, const QString &search)
{
    send(QStringLiteral("pages"),
         {{QStringLiteral("home"), home}, {QStringLiteral("search"), search}});
}

void BrowserClient::load(const QString &linkAddress)
{
    send(QStringLiteral("load"), {{QStringLiteral("address"), linkAddress}});
}

void BrowserClient::setMaximized()
{
    send(QStringLiteral("maximize"));
}

void BrowserClient::setAddressText(const QString &text)
{
    send(QStringLiteral("setAddress"), {{QStringLiteral("text"), text}});
}

void BrowserClient::appendAddressTextToList()
{
    send(QStringLiteral("appendAddress"));
}

void BrowserClient::enableBusyTimer()
{
    send(QStringLiteral("busyTimer"));
}

void BrowserClient::navigate(const QString &address)
{
    send(QStringLiteral("navigate"), {{QStringLiteral("address"), address}});
}

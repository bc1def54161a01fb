#include "ui/browser/browserclient.h"

#include "shared/messagebox.h"
#include "ui/browser/helperenvironment.h"
#include "ui/browser/helperfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonValue>
#include <QLocale>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QWidget>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {
void tellUser(QWidget *parent, const QString &heading, const QString &reason)
{
    MsgBox::info(parent, MsgBox::lines({heading, QString(), reason}),
                 QCoreApplication::translate("BrowserClient", "Info."));
}

// `pid` and every live process below it, from /proc.
QList<pid_t> processTree(pid_t pid)
{
    QHash<pid_t, QList<pid_t>> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (entry.toInt() <= 0 || !stat.open(QIODevice::ReadOnly))
            continue;
        // After the command name: the state, then the parent's id.
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 1 && fields.at(0) != "Z")
            children[pid_t(fields.at(1).toInt())] << pid_t(entry.toInt());
    }
    QList<pid_t> tree{pid};
    for (qsizetype i = 0; i < tree.size(); ++i)
        tree << children.value(tree.at(i));
    return tree;
}

// Ends a helper and everything below it: its process group, and those that left the group
// (they are the helper's children, as it is their subreaper). All are stopped first, so none
// starts another meanwhile.
void endHelper(QProcess *process)
{
    const pid_t pid = pid_t(process->processId());
    if (pid <= 0)
        return;
    for (pid_t p : processTree(pid))
        ::kill(p, SIGSTOP);
    const QList<pid_t> tree = processTree(pid);
    ::kill(-pid, SIGKILL);
    for (pid_t p : tree)
        ::kill(p, SIGKILL);
    process->kill();
}

// A helper's private folder and its lock; removed when the helper has ended.
struct PrivateFolder
{
    explicit PrivateFolder(const QString &templatePath) : dir(templatePath) {}
    ~PrivateFolder() { remove(); }
    void remove()
    {
        dir.remove();
        if (lockFd >= 0)
            close(std::exchange(lockFd, -1));
    }
    QTemporaryDir dir;
    int lockFd = -1;
};
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
        endHelper(m_process);
        fail(noAnswer(m_options.answerMs));
    });
    m_pingTimer.setSingleShot(true);
    connect(&m_pingTimer, &QTimer::timeout, this, [this] {
        if (!m_process)
            return;
        endHelper(m_process);
        fail(noAnswer(m_options.pingMs),
             tr("The built-in web browser stopped answering and was closed. The next link "
                "opens it again."));
    });
    m_keepAliveTimer.setSingleShot(true);
    connect(&m_keepAliveTimer, &QTimer::timeout, this, [this] {
        if (m_process && m_helloSeen && m_pingId == 0)
            ping();
    });
}

QString BrowserClient::noAnswer(int ms) const
{
    return tr("Its helper program %1 did not answer within %2 seconds.")
        .arg(QDir::toNativeSeparators(m_program))
        .arg(QLocale().toString(ms / 1000.0));
}

BrowserClient::~BrowserClient()
{
    // The program is ending, and its helpers with it: each is given a moment to close its
    // window on the end of its input, then killed; their private homes go with them.
    m_process = nullptr;
    const QList<QProcess *> helpers = findChildren<QProcess *>();
    for (QProcess *helper : helpers) {
        helper->closeWriteChannel();
        if (!helper->waitForFinished(1000)) {
            endHelper(helper);
            helper->waitForFinished(1000);
        }
        delete helper;
    }
}

bool BrowserClient::isRunning() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
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
    letGo();
    m_program = m_options.program.isEmpty() ? HelperFile::path() : m_options.program;
    const QString program = QDir::toNativeSeparators(m_program);
    // A bare name would be looked for along PATH, in whatever folders it lists.
    if (QDir::isRelativePath(m_program)) {
        fail(tr("Its helper program %1 is not named by an absolute path.").arg(program));
        return;
    }
    if (!QFileInfo(m_program).isExecutable()) {
        fail(tr("Its helper program %1 was not found.").arg(program));
        return;
    }
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    auto home = std::make_shared<PrivateFolder>(HelperEnvironment::privateFolderTemplate(env));
    if (!home->dir.isValid()) {
        fail(tr("Its private folder could not be made: %1").arg(home->dir.errorString()));
        return;
    }
    home->lockFd = HelperEnvironment::lock(home->dir.path());

    m_process = new QProcess(this);
    m_process->setProcessEnvironment(HelperEnvironment::forHelper(env, home->dir.path()));
    // A process group of its own, which ends with it. No core file either, from the moment
    // it is a copy of this program (see the helper's main).
    m_process->setChildProcessModifier([] {
        setpgid(0, 0);
#ifndef LOTTO_BROWSER_CORE_DUMPS
        const rlimit none{0, 0};
        setrlimit(RLIMIT_CORE, &none);
#endif
    });
    m_reader = std::make_unique<BrowserProtocol::Reader>(BrowserProtocol::helperOps());
    m_helloSeen = false;
    m_loadSent = false;
    m_windowShown = false;
    m_unconfirmed.clear();
    m_pingId = 0;
    m_sentAfterPing = false;
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
    // The private home lives as long as this connection: until the helper has ended, or at
    // the latest until its process object goes. What is left of its process group goes too.
    auto pid = std::make_shared<pid_t>(0);
    const auto ended = [this, process, home, pid](int code, QProcess::ExitStatus status) {
        if (*pid > 0)
            ::kill(-*pid, SIGKILL);
        home->remove();
        finished(process, code, status);
    };
    connect(m_process, &QProcess::finished, this, ended);
    m_answerTimer.start(m_options.answerMs);
    m_process->start(m_program,
                     m_options.arguments +
                         QStringList{QStringLiteral("--parent-pid"),
                                     QString::number(QCoreApplication::applicationPid())});
    *pid = pid_t(m_process->processId());
}

void BrowserClient::finished(QProcess *process, int code, QProcess::ExitStatus status)
{
    if (status == QProcess::CrashExit)
        qInfo("The browser helper %s was ended by signal %d.", qPrintable(process->program()),
              code);
    else if (code != 0)
        qInfo("The browser helper %s ended with exit code %d.", qPrintable(process->program()),
              code);
    if (process != m_process) {
        // One that was let go.
        process->deleteLater();
        return;
    }
    const QString program = QDir::toNativeSeparators(m_program);
    if (!m_helloSeen) {
        fail(tr("Its helper program %1 ended as it started.").arg(program));
    } else if (m_loadSent && !m_windowShown) {
        fail(tr("Its helper program %1 ended before its window was shown.").arg(program));
    } else {
        m_process = nullptr;
        process->deleteLater();
    }
}

void BrowserClient::fail(const QString &reason, const QString &heading)
{
    letGo();
    const QString said = heading.isEmpty() ? tr("The built-in web browser could not be "
                                                "started, so the page cannot be shown.")
                                           : heading;
    // Told from the event loop: the box's own loop never runs inside the link command, nor
    // inside the process's signals.
    QMetaObject::invokeMethod(
        this, [parent = m_boxParent, said, reason] { tellUser(parent, said, reason); },
        Qt::QueuedConnection);
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
        if (!m_helloSeen && op != QLatin1String("hello")) {
            // Closed, or anything else, before it ever said hello: it did not start right.
            fail(tr("Its helper program %1 ended as it started.")
                     .arg(QDir::toNativeSeparators(m_program)));
            return;
        }
        if (op == QLatin1String("hello") && !m_helloSeen) {
            m_helloSeen = true;
            m_answerTimer.stop();
            const QString problem = message.value(QStringLiteral("problem")).toString();
            if (!problem.isEmpty()) {
                fail(problem);
                return;
            }
            // What was sent while it started, in order, and a ping after it.
            const QList<Sent> queued = std::exchange(m_queue, {});
            for (const Sent &sent : queued)
                write(sent);
        } else if (op == QLatin1String("shown")) {
            m_windowShown = true;
            if (m_pingId == 0)
                m_keepAliveTimer.start(m_options.keepAliveMs);
        } else if (op == QLatin1String("pong")) {
            if (message.value(QStringLiteral("id")).toInt() != m_pingId)
                continue;
            m_pingTimer.stop();
            m_pingId = 0;
            m_unconfirmed.remove(0, std::min(m_pingCovers, m_unconfirmed.size()));
            if (std::exchange(m_sentAfterPing, false))
                ping();
            else if (m_windowShown)
                m_keepAliveTimer.start(m_options.keepAliveMs);
        } else if (op == QLatin1String("state")) {
            m_lastState = message;
        } else if (op == QLatin1String("closed")) {
            // It ends by itself now; the next link starts a fresh one. A link it did not
            // confirm goes to that one at once.
            QList<Sent> lost = lostLink();
            letGo();
            if (!lost.isEmpty()) {
                start();
                for (Sent &sent : lost)
                    sent.again = true;
                if (m_process) {
                    m_queue = lost;
                    m_loadSent = true;
                }
            }
            return;
        }
    }
    if (!m_reader->error().isEmpty()) {
        qWarning("The browser helper sent %s; ending it.", qPrintable(m_reader->error()));
        if (m_helloSeen)
            letGo();
        else
            fail(noAnswer(m_options.answerMs));
    }
}

QList<BrowserClient::Sent> BrowserClient::lostLink() const
{
    // What went after the last close the program asked for, unless it was sent once already.
    QList<Sent> lost;
    for (const Sent &sent : m_unconfirmed) {
        if (sent.op == QLatin1String("close"))
            lost.clear();
        else if (sent.op != QLatin1String("describe"))
            lost << sent;
    }
    const bool opensAPage = std::any_of(lost.cbegin(), lost.cend(), [](const Sent &sent) {
        return sent.op == QLatin1String("load") && !sent.again;
    });
    if (!opensAPage)
        return {};
    // With the pages of Home and Search, whenever they were sent.
    if (!m_pages.line.isEmpty() && lost.constFirst().op != QLatin1String("pages"))
        lost.prepend(m_pages);
    return lost;
}

void BrowserClient::letGo()
{
    m_answerTimer.stop();
    m_pingTimer.stop();
    m_keepAliveTimer.stop();
    m_queue.clear();
    m_unconfirmed.clear();
    QProcess *process = std::exchange(m_process, nullptr);
    if (!process)
        return;
    // Nothing more is read from it: what it still writes is thrown away as it comes, and one
    // that goes on writing (more than a few messages' worth) is ended at once.
    disconnect(process, &QProcess::readyReadStandardOutput, this, nullptr);
    auto thrownAway = std::make_shared<qint64>(process->readAllStandardOutput().size());
    const auto overflow = [process, thrownAway] {
        *thrownAway += process->readAllStandardOutput().size();
        if (*thrownAway > 4 * BrowserProtocol::MaxMessageBytes)
            endHelper(process);
    };
    connect(process, &QProcess::readyReadStandardOutput, process, overflow);
    if (process->state() == QProcess::NotRunning) {
        // It may be the very process whose signal is running now.
        process->deleteLater();
    } else {
        // End of input asks the helper to end; one that does not is killed. It is deleted
        // once it has ended (see finished).
        process->closeWriteChannel();
        QTimer::singleShot(m_options.letGoMs, process, [process] { endHelper(process); });
    }
}

void BrowserClient::write(const Sent &message)
{
    m_process->write(message.line);
    m_unconfirmed << message;
    // One ping at a time: what goes after it is covered by the next one.
    if (m_pingId == 0)
        ping();
    else
        m_sentAfterPing = true;
}

void BrowserClient::ping()
{
    m_keepAliveTimer.stop();
    m_pingId = ++m_lastId;
    m_pingCovers = m_unconfirmed.size();
    m_process->write(
        BrowserProtocol::encode(QStringLiteral("ping"), {{QStringLiteral("id"), m_pingId}}));
    m_pingTimer.start(m_options.pingMs);
}

void BrowserClient::send(const QString &op, const QJsonObject &fields)
{
    if (!isRunning())
        return;
    const Sent message{op, BrowserProtocol::encode(op, fields)};
    if (message.line.isEmpty()) {
        qWarning("The browser helper is not sent a \"%s\" message longer than %d bytes.",
                 qPrintable(op), BrowserProtocol::MaxMessageBytes);
        return;
    }
    if (op == QLatin1String("load"))
        m_loadSent = true;
    else if (op == QLatin1String("pages"))
        m_pages = message;
    if (m_helloSeen)
        write(message);
    else
        m_queue << message;
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

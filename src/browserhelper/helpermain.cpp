// lottoworla-browser: the program's browser window, frmBrowser, in a process of its own, so
// that the web engine (and the graphics stack it brings) never enters the program itself.
// The program starts it at its first link command and talks to it over its standard input
// and output (see browserprotocol/browserprotocol.h). It ends when its window closes, when the
// program closes the channel, or when the program dies, even by SIGKILL; and every process
// that ever started below it ends with it.
//
//   lottoworla-browser --parent-pid PID

#include "browserhost.h"

#include "browserprotocol/browserprotocol.h"
#include "shared/translation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
// Opens /dev/null in place of a closed standard input, output or error, so that neither the
// channel nor a file opened later takes its number (and what is written to standard error
// lands in it).
bool openStandardStreams()
{
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        // The lowest free number: the ones below are open.
        const int null = open("/dev/null", O_RDWR);
        if (null != fd)
            return false;
    }
    return true;
}

// Moves the channel off the standard streams: the web engine and the libraries below it may
// print to standard output, and its processes must not inherit the channel. Standard input
// becomes /dev/null and standard output goes where standard error goes.
bool takeChannel(int &in, int &out)
{
    in = fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 3);
    out = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    const int null = open("/dev/null", O_RDONLY | O_CLOEXEC);
    if (in < 0 || out < 0 || null < 0 || dup2(null, STDIN_FILENO) < 0 ||
        dup2(STDERR_FILENO, STDOUT_FILENO) < 0)
        return false;
    close(null);
    return fcntl(in, F_SETFL, fcntl(in, F_GETFL) | O_NONBLOCK) == 0;
}

// A crash of the web engine writes no core file: it would hold the pages, and whatever was
// typed into them, in a file in the program's working folder or the system's crash store.
// This also keeps other programs of the user from reading this process's memory or tracing
// it. Builds with LOTTO_BROWSER_CORE_DUMPS leave both as they are, for debugging.
void keepMemoryPrivate()
{
#ifndef LOTTO_BROWSER_CORE_DUMPS
    const rlimit none{0, 0};
    setrlimit(RLIMIT_CORE, &none);
    prctl(PR_SET_DUMPABLE, 0);
#endif
}

// Holds the private folder's lock (shared with the program, which made the folder) for as long
// as this process runs: a folder whose lock nobody holds belongs to no running helper, and the
// program's next start removes it. Without a private folder there is nothing to hold.
void holdPrivateFolder()
{
    const QByteArray lock = QFile::encodeName(QDir::homePath()) + "/lock";
    const int fd = open(lock.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd >= 0)
        flock(fd, LOCK_SH);
}

// Ends every process still running below this one (it is their subreaper: those that left
// their parent, or this process group, are its children too), and collects them.
void endDescendants()
{
    for (int round = 0; round < 50; ++round) {
        QList<pid_t> children;
        const QStringList tasks = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs);
        for (const QString &task : tasks) {
            QFile list(QStringLiteral("/proc/self/task/%1/children").arg(task));
            if (list.open(QIODevice::ReadOnly))
                for (const QByteArray &pid : list.readAll().split(' '))
                    if (pid.toInt() > 0)
                        children << pid_t(pid.toInt());
        }
        if (children.isEmpty())
            return;
        // Stopped first, so none of them starts another meanwhile.
        for (pid_t child : children)
            kill(child, SIGSTOP);
        for (pid_t child : children)
            kill(child, SIGKILL);
        for (pid_t child : children)
            waitpid(child, nullptr, 0);
    }
}

// Writes one message whole; false once the program no longer reads.
bool send(int out, const QByteArray &message)
{
    qsizetype done = 0;
    while (done < message.size()) {
        const ssize_t n = write(out, message.constData() + done, size_t(message.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

int run(int argc, char *argv[], int in, int out);
} // namespace

int main(int argc, char *argv[])
{
    keepMemoryPrivate();
    // The program's death ends this process too, whatever way it died; a program that died
    // before this line is seen as a new parent.
    pid_t parent = 0;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--parent-pid") == 0)
            parent = pid_t(std::atol(argv[i + 1]));
    if (parent <= 0) {
        std::fprintf(stderr, "lottoworla-browser is started by lottoworla, not by itself.\n");
        return 2;
    }
    prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (getppid() != parent)
        return 1;
    std::signal(SIGPIPE, SIG_IGN);
    int in = -1;
    int out = -1;
    if (!openStandardStreams() || !takeChannel(in, out)) {
        std::perror("lottoworla-browser: the channel to the program");
        return 2;
    }
    holdPrivateFolder();
    // A process below this one whose parent ends, or that leaves on its own (a double fork),
    // becomes this one's child, not init's: nothing of the web engine outlives the helper.
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    const int code = run(argc, argv, in, out);
    endDescendants();
    return code;
}

namespace {
// The application: says hello, then runs the program's messages until the window closes or
// the channel does.
int run(int argc, char *argv[], int in, int out)
{
    BrowserHost::prepareEngine();
    QApplication app(argc, argv);
    // The same names as the program: the window goes with the program's on the desktop.
    QApplication::setApplicationName(QStringLiteral("lottoworla"));
    QApplication::setApplicationVersion(QStringLiteral(LOTTO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("ca.talmar.LottoWorla"));
    QApplication::setQuitOnLastWindowClosed(false);
    Translation::install(QLocale::system());

    const QString problem = BrowserHost::engineProblem();
    if (!send(out, BrowserProtocol::encode(QStringLiteral("hello"),
                                           {{QStringLiteral("problem"), problem}})) ||
        !problem.isEmpty())
        return 1;

    BrowserHost host;
    QObject::connect(&host, &BrowserHost::windowShown, &app,
                     [&] { send(out, BrowserProtocol::encode(QStringLiteral("shown"))); });
    // Once the window has closed, nothing more is read: what the program sent after it, a
    // link on its way, goes to the next helper (the program sends it again).
    bool closed = false;
    QObject::connect(&host, &BrowserHost::windowClosed, &app, [&] {
        closed = true;
        send(out, BrowserProtocol::encode(QStringLiteral("closed")));
        QCoreApplication::exit(0);
    });

    BrowserProtocol::Reader reader(BrowserProtocol::programOps());
    QSocketNotifier notifier(in, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [&] {
        char buffer[4096];
        const ssize_t n = read(in, buffer, sizeof buffer);
        if (n < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (n <= 0 || closed) {
            // The program closed the channel or is gone, or the window closed.
            notifier.setEnabled(false);
            QCoreApplication::exit(0);
            return;
        }
        for (const QJsonObject &message : reader.read(QByteArray(buffer, n))) {
            if (closed)
                break;
            if (message.value(QStringLiteral("op")).toString() == QLatin1String("ping")) {
                send(out, BrowserProtocol::encode(
                              QStringLiteral("pong"),
                              {{QStringLiteral("id"), message.value(QStringLiteral("id"))}}));
                continue;
            }
            const QJsonObject answer = host.handle(message);
            if (!answer.isEmpty() &&
                !send(out, BrowserProtocol::encode(QStringLiteral("state"), answer)))
                QCoreApplication::exit(1);
        }
        if (!reader.error().isEmpty()) {
            qWarning("lottoworla-browser: the program sent %s; ending the connection",
                     qPrintable(reader.error()));
            notifier.setEnabled(false);
            QCoreApplication::exit(3);
        }
    });
    return QApplication::exec();
}
} // namespace

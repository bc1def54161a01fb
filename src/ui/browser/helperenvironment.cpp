#include "ui/browser/helperenvironment.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
const QLatin1String folderPrefix("lottoworla-browser-");
const QLatin1String lockName("lock");
} // namespace

QString HelperEnvironment::privateFolderTemplate(const QProcessEnvironment &env)
{
    const QString runtime = env.value(QStringLiteral("XDG_RUNTIME_DIR"));
    const QString parent =
        !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
    return parent + QLatin1Char('/') + folderPrefix + QStringLiteral("XXXXXX");
}

QProcessEnvironment HelperEnvironment::forHelper(QProcessEnvironment env,
                                                 const QString &privateFolder)
{
    const QString home = env.value(QStringLiteral("HOME"), QDir::homePath());
    const auto userFolder = [&](const char *name, const char *inHome) {
        const QString set = env.value(QLatin1String(name));
        return set.isEmpty() ? home + QLatin1String(inHome) : set;
    };
    const auto searchPath = [&](const char *name, const QString &first, const char *otherwise) {
        const QString rest = env.value(QLatin1String(name));
        env.insert(QLatin1String(name),
                   first + QLatin1Char(':') + (rest.isEmpty() ? QLatin1String(otherwise) : rest));
    };
    searchPath("XDG_CONFIG_DIRS", userFolder("XDG_CONFIG_HOME", "/.config"), "/etc/xdg");
    searchPath("XDG_DATA_DIRS", userFolder("XDG_DATA_HOME", "/.local/share"),
               "/usr/local/share:/usr/share");
    if (env.value(QStringLiteral("XAUTHORITY")).isEmpty())
        env.insert(QStringLiteral("XAUTHORITY"), home + QStringLiteral("/.Xauthority"));

    env.insert(QStringLiteral("HOME"), privateFolder);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), privateFolder + QStringLiteral("/.config"));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), privateFolder + QStringLiteral("/.cache"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), privateFolder + QStringLiteral("/.local/share"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), privateFolder + QStringLiteral("/.local/state"));
    env.insert(QStringLiteral("MESA_SHADER_CACHE_DISABLE"), QStringLiteral("true"));
    env.insert(QStringLiteral("__GL_SHADER_DISK_CACHE"), QStringLiteral("0"));
    env.remove(QStringLiteral("SESSION_MANAGER"));
    return env;
}

int HelperEnvironment::lock(const QString &privateFolder)
{
    const QByteArray file = QFile::encodeName(privateFolder + QLatin1Char('/') + lockName);
    const int fd = open(file.constData(), O_RDONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 && flock(fd, LOCK_SH) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

int HelperEnvironment::removeLeftFolders(const QProcessEnvironment &env)
{
    const QDir parent = QFileInfo(privateFolderTemplate(env)).dir();
    const QFileInfoList folders = parent.entryInfoList(
        {folderPrefix + QLatin1Char('*')}, QDir::Dirs | QDir::NoSymLinks | QDir::Hidden);
    int removed = 0;
    for (const QFileInfo &folder : folders) {
        if (folder.ownerId() != getuid())
            continue;
        const QByteArray file = QFile::encodeName(folder.filePath() + QLatin1Char('/') + lockName);
        const int fd = open(file.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        // Held while its helper runs; without one, it is either just being made or was made
        // before folders had locks.
        const bool left = fd >= 0 ? flock(fd, LOCK_EX | LOCK_NB) == 0
                                  : folder.lastModified().secsTo(QDateTime::currentDateTime()) > 60;
        if (left && QDir(folder.filePath()).removeRecursively())
            ++removed;
        if (fd >= 0)
            close(fd);
    }
    return removed;
}

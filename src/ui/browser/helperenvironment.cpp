#include "ui/browser/helperenvironment.h"

#include <QDir>
#include <QFileInfo>

QString HelperEnvironment::privateFolderTemplate(const QProcessEnvironment &env)
{
    const QString runtime = env.value(QStringLiteral("XDG_RUNTIME_DIR"));
    const QString parent =
        !runtime.isEmpty() && QFileInfo(runtime).isDir() ? runtime : QDir::tempPath();
    return parent + QStringLiteral("/lottoworla-browser-XXXXXX");
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
    return env;
}

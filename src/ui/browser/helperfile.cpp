#include "ui/browser/helperfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
const QString HelperFileName = QStringLiteral("lottoworla-browser");
} // namespace

QStringList HelperFile::candidates()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList dirs{programDir};
#ifdef LOTTO_BROWSER_RELATIVE_DIR
    dirs << QDir::cleanPath(programDir + QLatin1Char('/') +
                            QStringLiteral(LOTTO_BROWSER_RELATIVE_DIR));
#endif
#ifdef LOTTO_BROWSER_INSTALL_DIR
    dirs << QStringLiteral(LOTTO_BROWSER_INSTALL_DIR);
#endif
    QStringList files;
    for (const QString &dir : dirs) {
        const QString file = QDir::cleanPath(dir + QLatin1Char('/') + HelperFileName);
        if (!files.contains(file))
            files << file;
    }
    return files;
}

QString HelperFile::path()
{
    const QString chosen = qEnvironmentVariable("LOTTOWORLA_BROWSER_HELPER");
    if (!chosen.isEmpty())
        return chosen;
    const QStringList files = candidates();
    for (const QString &f : files)
        if (QFileInfo(f).isExecutable())
            return f;
    return files.first();
}

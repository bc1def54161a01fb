#include "ui/browser/browserloader.h"

#include "ui/browser/browserclient.h"
#include "ui/browser/linktable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>

namespace {
const QString HelperFileName = QStringLiteral("lottoworla-browser");
} // namespace

QStringList BrowserLoader::candidateFiles()
{
    const QString programDir = QCoreApplication::applicationDirPath();
    QStringList dirs{programDir};
#ifdef LOTTO_BROWSER_RELATIVE_DIR
    dirs << QDir::cleanPath(programDir + QLatin1Char('/') +
                            QStringLiteral(LOTTO_BROWSER_RELATIVE_DIR));
#endif
#ifdef LOTTO_BROWSER_BUILD_DIR
    dirs << QStringLiteral(LOTTO_BROWSER_BUILD_DIR);
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

QString BrowserLoader::helperFile()
{
    const QString chosen = qEnvironmentVariable("LOTTOWORLA_BROWSER_HELPER");
    if (!chosen.isEmpty())
        return chosen;
    const QStringList files = candidateFiles();
    for (const QString &f : files)
        if (QFileInfo(f).isExecutable())
            return f;
    return files.first();
}

BrowserClient &BrowserLoader::client()
{
    // Owned by the application object: the helper ends with the program.
    static QPointer<BrowserClient> theClient;
    if (!theClient)
        theClient = new BrowserClient(QCoreApplication::instance());
    return *theClient;
}

BrowserWindowInterface *BrowserLoader::browser(QWidget *parent)
{
    BrowserClient &c = client();
    if (!c.ensureRunning(parent))
        return nullptr;
    c.setHomeAndSearchPages(LinkTable::homePage(), LinkTable::searchPage());
    return &c;
}

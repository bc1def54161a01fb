#include "ui/browser/browserloader.h"

#include "shared/messagebox.h"
#include "ui/browser/browserinterface.h"
#include "ui/browser/linktable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include <unistd.h>

namespace {
const QString PluginFileName = QStringLiteral("liblottobrowser.so");

BrowserWindowInterface *g_browser = nullptr;
QString g_testFile;

QString tr(const char *text)
{
    return QCoreApplication::translate("BrowserLoader", text);
}

void tellUser(QWidget *parent, const QString &reason)
{
    MsgBox::info(parent,
                 MsgBox::lines({QCoreApplication::translate(
                                    "BrowserLoader", "The built-in web browser could not be "
                                                     "started, so the page cannot be shown."),
                                QString(), reason}),
                 QCoreApplication::translate("BrowserLoader", "Info."));
}

// The web engine will not run as root with its sandbox on: it ends the whole program.
// Only then is the sandbox switched off; every other user keeps it.
void allowEngineAsRoot()
{
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}
} // namespace

QStringList BrowserLoader::candidateFiles()
{
    if (!g_testFile.isEmpty())
        return {g_testFile};
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
        const QString file = QDir::cleanPath(dir + QLatin1Char('/') + PluginFileName);
        if (!files.contains(file))
            files << file;
    }
    return files;
}

bool BrowserLoader::isPluginLoaded()
{
    return g_browser != nullptr;
}

BrowserWindowInterface *BrowserLoader::browser(QWidget *parent)
{
    if (!g_browser) {
        const QStringList files = candidateFiles();
        QString file;
        for (const QString &f : files) {
            if (QFileInfo::exists(f)) {
                file = f;
                break;
            }
        }
        if (file.isEmpty()) {
            tellUser(parent, tr("Its plugin was not found; looked for:") + QChar(13) +
                                 files.join(QChar(13)));
            return nullptr;
        }

        allowEngineAsRoot();
        // A library that did load stays in the process (the loader never unloads it): one
        // that brought the web engine with it cannot be taken out again safely.
        QPluginLoader loader(file);
        QObject *object = loader.instance();
        auto *browser = qobject_cast<BrowserWindowInterface *>(object);
        if (!browser) {
            tellUser(parent, object ? tr("%1 is not the browser plugin of this program.").arg(file)
                                    : loader.errorString());
            return nullptr;
        }
        const QString problem = browser->engineProblem();
        if (!problem.isEmpty()) {
            tellUser(parent, problem);
            return nullptr;
        }
        g_browser = browser;
    }
    g_browser->setHomeAndSearchPages(LinkTable::homePage(), LinkTable::searchPage());
    return g_browser;
}

void BrowserLoader::setPluginFileForTesting(const QString &file)
{
    g_testFile = file;
}

#include "browserhost.h"

#include "browserprotocol/browserprotocol.h"
#include "browserwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QLibraryInfo>
#include <QMenu>
#include <QTimer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <algorithm>

#include <unistd.h>

BrowserHost::BrowserHost()
{
    // The window and its web view go while the application still runs: the engine cannot
    // take them down once the application object is gone.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { delete m_window.data(); });
}

BrowserHost::~BrowserHost()
{
    delete m_window.data();
}

void BrowserHost::prepareEngine()
{
#ifdef LOTTO_TEST_ENGINE_FLAGS
    const bool keepFlags =
        qEnvironmentVariable("LOTTOWORLA_TEST_ENGINE_FLAGS") == QLatin1String("1");
#else
    const bool keepFlags = false;
#endif
    if (!keepFlags) {
        qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
        qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    }
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND") && !hasGraphicsDevice())
        qputenv("QT_QUICK_BACKEND", "software");
    // OpenGL drawing needs the contexts shared from the start; software drawing uses none.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts,
                                   qgetenv("QT_QUICK_BACKEND") != "software");
}

bool BrowserHost::hasGraphicsDevice(const QString &folder)
{
    const QDir dir(folder);
    const QStringList nodes =
        dir.entryList({QStringLiteral("renderD*")}, QDir::System | QDir::Files | QDir::Readable);
    return std::any_of(nodes.cbegin(), nodes.cend(), [&](const QString &node) {
        return access(QFile::encodeName(dir.filePath(node)).constData(), R_OK | W_OK) == 0;
    });
}

QString BrowserHost::engineProblem()
{
    // The engine renders in a helper program and reads its resources from disk; without
    // them it would end the whole process the moment the first web view starts.
    QString helper = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    if (helper.isEmpty())
        helper = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) +
                 QStringLiteral("/QtWebEngineProcess");
    if (!QFileInfo(helper).isExecutable())
        return QCoreApplication::translate("BrowserHost",
                                           "The web engine's helper program %1 is missing.")
            .arg(QDir::toNativeSeparators(helper));

    QString resources = qEnvironmentVariable("QTWEBENGINE_RESOURCES_PATH");
    if (resources.isEmpty())
        resources = QLibraryInfo::path(QLibraryInfo::DataPath) + QStringLiteral("/resources");
    const QString pak = resources + QStringLiteral("/qtwebengine_resources.pak");
    if (!QFileInfo::exists(pak))
        return QCoreApplication::translate("BrowserHost",
                                           "The web engine's resources %1 are missing.")
            .arg(QDir::toNativeSeparators(pak));
    return {};
}

QJsonObject BrowserHost::handle(const QJsonObject &message)
{
    const QString op = message.value(QStringLiteral("op")).toString();
    const auto field = [&](const char *name) {
        return message.value(QLatin1String(name)).toString();
    };
    if (op == QLatin1String("describe")) {
        QJsonObject answer = state();
        answer.insert(QStringLiteral("id"), message.value(QStringLiteral("id")));
        return answer;
    }
    if (op == QLatin1String("pages")) {
        m_homePage = field("home");
        m_searchPage = field("search");
        if (m_window)
            m_window->setHomeAndSearchPages(m_homePage, m_searchPage);
        return {};
    }
    if (op == QLatin1String("load")) {
        if (m_window)
            return {};
        m_window = new BrowserWindow(profile());
        m_window->setHomeAndSearchPages(m_homePage, m_searchPage);
        // Closing unloads it at once, even though the object itself goes a moment later.
        connect(m_window, &BrowserWindow::unloaded, this, [this] {
            m_window.clear();
            Q_EMIT windowClosed();
        });
        m_window->Form_Load(field("address"));
        Q_EMIT windowShown();
        return {};
    }
    // The rest act on a loaded window only.
    if (!m_window)
        return {};
    if (op == QLatin1String("maximize"))
        m_window->setWindowState(Qt::WindowMaximized);
    else if (op == QLatin1String("setAddress"))
        m_window->cboAddress()->setEditText(field("text"));
    else if (op == QLatin1String("appendAddress"))
        m_window->cboAddress()->addItem(m_window->cboAddress()->currentText());
    else if (op == QLatin1String("busyTimer"))
        m_window->timTimer()->start();
    else if (op == QLatin1String("navigate"))
        m_window->navigate(field("address"));
    else if (op == QLatin1String("close"))
        m_window->mnuFileExit_Click();
    return {};
}

QJsonObject BrowserHost::state() const
{
    QJsonObject s;
    s.insert(QStringLiteral("loaded"), !m_window.isNull());
    if (!m_window)
        return s;
    const BrowserWindow *w = m_window.data();
    QJsonArray addresses;
    for (int i = 0; i < w->cboAddress()->count(); ++i)
        addresses.append(w->cboAddress()->itemText(i));
    s.insert(QStringLiteral("objectName"), w->objectName());
    s.insert(QStringLiteral("visible"), w->isVisible());
    s.insert(QStringLiteral("maximized"), w->isMaximized());
    s.insert(QStringLiteral("modal"), w->isModal());
    s.insert(QStringLiteral("icon"), !w->windowIcon().isNull());
    s.insert(QStringLiteral("title"), w->windowTitle());
    if (const QMenu *file = w->findChild<QMenu *>(QStringLiteral("mnuFile")))
        s.insert(QStringLiteral("fileMenu"), file->title());
    s.insert(QStringLiteral("addressText"), w->cboAddress()->currentText());
    s.insert(QStringLiteral("addresses"), addresses);
    s.insert(QStringLiteral("timerActive"), w->timTimer()->isActive());
    s.insert(QStringLiteral("timerInterval"), w->timTimer()->interval());
    s.insert(QStringLiteral("url"), w->brwWebBrowser()->url().toString());
    s.insert(QStringLiteral("pageTitle"), w->brwWebBrowser()->title());
    return s;
}

QWebEngineProfile *BrowserHost::profile()
{
    if (m_profile)
        return m_profile;
    // A profile without a storage name is off the record; said so once more, explicitly.
    m_profile = new QWebEngineProfile(this);
    m_profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    m_profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    connect(m_profile, &QWebEngineProfile::downloadRequested, this,
            [this](QWebEngineDownloadRequest *download) {
                download->cancel();
                if (m_window)
                    m_window->tellDownloadRefused(download->downloadFileName());
            });
    return m_profile;
}

BrowserWindow *BrowserHost::window() const
{
    return m_window.data();
}

#include "browserplugin.h"

#include "browserwindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTimer>

BrowserPlugin::BrowserPlugin()
{
    // The window and its web view go while the application still runs: the engine cannot
    // take them down once the application object is gone.
    if (QCoreApplication *app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, [this] { delete m_window.data(); });
}

BrowserPlugin::~BrowserPlugin()
{
    // The plugin itself is destroyed as the library unloads, which may be after the
    // application object is gone; a window left then cannot be torn down safely, and the
    // process is ending anyway.
    if (QCoreApplication::instance())
        delete m_window.data();
}

void BrowserPlugin::setHomeAndSearchPages(const QString &home, const QString &search)
{
    m_homePage = home;
    m_searchPage = search;
    if (m_window)
        m_window->setHomeAndSearchPages(home, search);
}

QString BrowserPlugin::engineProblem() const
{
    // The engine renders in a helper program and reads its resources from disk; without
    // them it would end the whole process the moment the first web view starts.
    QString helper = qEnvironmentVariable("QTWEBENGINE_PROCESS_PATH");
    if (helper.isEmpty())
        helper = QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath) +
                 QStringLiteral("/QtWebEngineProcess");
    if (!QFileInfo(helper).isExecutable())
        return QCoreApplication::translate("BrowserPlugin",
                                           "The web engine's helper program %1 is missing.")
            .arg(QDir::toNativeSeparators(helper));

    QString resources = qEnvironmentVariable("QTWEBENGINE_RESOURCES_PATH");
    if (resources.isEmpty())
        resources = QLibraryInfo::path(QLibraryInfo::DataPath) + QStringLiteral("/resources");
    const QString pak = resources + QStringLiteral("/qtwebengine_resources.pak");
    if (!QFileInfo::exists(pak))
        return QCoreApplication::translate("BrowserPlugin",
                                           "The web engine's resources %1 are missing.")
            .arg(QDir::toNativeSeparators(pak));
    return {};
}

bool BrowserPlugin::isLoaded() const
{
    return !m_window.isNull();
}

void BrowserPlugin::load(const QString &linkAddress)
{
    if (m_window)
        return;
    m_window = new BrowserWindow;
    m_window->setHomeAndSearchPages(m_homePage, m_searchPage);
    // Closing unloads it at once, even though the object itself goes a moment later.
    connect(m_window, &BrowserWindow::unloaded, this, [this] { m_window.clear(); });
    m_window->Form_Load(linkAddress);
}

void BrowserPlugin::setMaximized()
{
    if (m_window)
        m_window->setWindowState(Qt::WindowMaximized);
}

void BrowserPlugin::setAddressText(const QString &text)
{
    if (m_window)
        m_window->cboAddress()->setEditText(text);
}

QString BrowserPlugin::addressText() const
{
    return m_window ? m_window->cboAddress()->currentText() : QString();
}

void BrowserPlugin::appendAddressTextToList()
{
    if (m_window)
        m_window->cboAddress()->addItem(m_window->cboAddress()->currentText());
}

void BrowserPlugin::enableBusyTimer()
{
    if (m_window)
        m_window->timTimer()->start();
}

void BrowserPlugin::navigate(const QString &address)
{
    if (m_window)
        m_window->navigate(address);
}

QWidget *BrowserPlugin::window() const
{
    return m_window.data();
}

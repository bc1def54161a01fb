#pragma once

#include <QJsonObject>
#include <QObject>
#include <QPointer>
#include <QString>

class BrowserWindow;
class QWebEngineProfile;

// The helper's side of the link commands: keeps frmBrowser (created on load, gone when
// closed) and runs on it each message the program sends (see browserprotocol/browserprotocol.h).
class BrowserHost : public QObject
{
    Q_OBJECT
public:
    BrowserHost();
    ~BrowserHost() override;

    // Sets this process up for the web engine; call it before the application object exists.
    //  - Sandbox: the engine will not run as root with its sandbox on (it ends the whole
    //    process), so only root goes without it; every other user keeps it.
    //  - Drawing: with a graphics device, pages are composed through OpenGL on it. Without
    //    one, OpenGL could only be a software rasteriser (Mesa's, LLVM and all): the engine's
    //    own software compositor then draws the same pages sooner and in far less memory.
    //    QT_QUICK_BACKEND, when the user sets it, decides instead.
    //  - What the user's environment would ask of the engine is dropped: DevTools on a port
    //    that any local user could drive (QTWEBENGINE_REMOTE_DEBUGGING), and any Chromium
    //    switches (QTWEBENGINE_CHROMIUM_FLAGS). Tests that steer the engine on purpose (a
    //    proxy for their pages) set LOTTOWORLA_TEST_ENGINE_FLAGS=1 to keep both; only a build
    //    with its tests (LOTTO_BUILD_TESTS) reads it, never the package.
    static void prepareEngine();
    // Whether `folder` holds a graphics device this user can open (a DRM render node, the
    // way Mesa and the vendors' drivers reach the GPU).
    static bool hasGraphicsDevice(const QString &folder = QStringLiteral("/dev/dri"));

    // Empty when the web engine can run here; otherwise why it cannot (shown to the user).
    static QString engineProblem();

    // Runs one message from the program; returns the answer to send back, if any.
    QJsonObject handle(const QJsonObject &message);

    // The window's state, as the describe message answers it.
    QJsonObject state() const;

    BrowserWindow *window() const;

Q_SIGNALS:
    // The window was loaded and shown.
    void windowShown();
    // The window was loaded and has closed.
    void windowClosed();

private:
    QWebEngineProfile *profile();

    QWebEngineProfile *m_profile = nullptr;
    QPointer<BrowserWindow> m_window;
    QString m_homePage;
    QString m_searchPage;
};

#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

class QWebEngineProfile;

// The page of frmBrowser's web view: it goes to web pages only (http and https). Every other
// address a page asks for (a link, a script, a redirect, a form) is refused and reported by
// `refused`, also where the engine itself stopped the page on its way to a local file or a
// data: page; only a frame inside a page may also hold what the page made itself
// (about:, data: and blob: addresses). Addresses of schemes no one here knows (mailto:, tel:,
// anything a desktop program could be registered for) are never handed to the desktop, and pages on
// the web cannot read local files. A page never gets a second window: what it asks to open in one
// (window.open, a link with a target) is reported by `newWindowAsked`, and the page is told no
// window opened, so it has none to write into or to script.
class BrowserPage : public QWebEnginePage
{
    Q_OBJECT
public:
    BrowserPage(QWebEngineProfile *profile, QObject *parent);

    // Whether `url` is a web page this window opens.
    static bool isWebPage(const QUrl &url);

Q_SIGNALS:
    // The page asked to go to `url`, which is no web page; it stays where it was.
    void refused(const QUrl &url);
    // The page asked for a new window showing `url` (from the event loop).
    void newWindowAsked(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString &message,
                                  int lineNumber, const QString &sourceId) override;

private:
    void refuseIfNavigation(const QString &address);
};

// The web view of frmBrowser, showing a BrowserPage of `profile`.
class BrowserWebView : public QWebEngineView
{
    Q_OBJECT
public:
    BrowserWebView(QWebEngineProfile *profile, QWidget *parent);

    BrowserPage *browserPage() const { return m_page; }

private:
    BrowserPage *m_page = nullptr;
};

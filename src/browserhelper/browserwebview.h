#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineView>

class QWebEngineProfile;

// The page of frmBrowser's web view: it goes to web pages only (http and https). Every other
// address a page asks for (a link, a script, a redirect, a form) is refused and reported by
// `refused`; only a frame inside a page may also hold what the page made itself (about:,
// data: and blob: addresses). Addresses of schemes no one here knows (mailto:,
// tel:, anything a desktop program could be registered for) are never handed to the desktop,
// and pages on the web cannot read local files.
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

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
};

// The web view of frmBrowser, showing a BrowserPage of `profile`. A link or script asking
// for a new window opens its page in this one.
class BrowserWebView : public QWebEngineView
{
    Q_OBJECT
public:
    BrowserWebView(QWebEngineProfile *profile, QWidget *parent);

    BrowserPage *browserPage() const { return m_page; }

protected:
    QWebEngineView *createWindow(QWebEnginePage::WebWindowType type) override;

private:
    BrowserPage *m_page = nullptr;
};

#include "browserwebview.h"

#include <QWebEngineSettings>

BrowserPage::BrowserPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
}

bool BrowserPage::isWebPage(const QUrl &url)
{
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

bool BrowserPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    Q_UNUSED(type);
    if (isWebPage(url))
        return true;
    if (!isMainFrame) {
        // A frame inside a web page may also hold what that page made itself.
        const QString scheme = url.scheme();
        return scheme == QLatin1String("about") || scheme == QLatin1String("data") ||
               scheme == QLatin1String("blob");
    }
    Q_EMIT refused(url);
    return false;
}

BrowserWebView::BrowserWebView(QWebEngineProfile *profile, QWidget *parent)
    : QWebEngineView(parent), m_page(new BrowserPage(profile, this))
{
    setPage(m_page);
}

QWebEngineView *BrowserWebView::createWindow(QWebEnginePage::WebWindowType type)
{
    Q_UNUSED(type);
    return this;
}

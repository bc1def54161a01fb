#include "browserwebview.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QWebEngineNewWindowRequest>
#include <QWebEngineScript>
#include <QWebEngineSettings>

BrowserPage::BrowserPage(QWebEngineProfile *profile, QObject *parent)
    : QWebEnginePage(profile, parent)
{
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    // The request is left unanswered: the engine makes no window, and the page's
    // window.open gets none. The address goes on once the engine is done with the request.
    const auto newWindow = [this](QWebEngineNewWindowRequest &request) {
        const QUrl url = request.requestedUrl();
        QMetaObject::invokeMethod(
            this, [this, url] { Q_EMIT newWindowAsked(url); }, Qt::QueuedConnection);
    };
    connect(this, &QWebEnginePage::newWindowRequested, this, newWindow);
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

QWebEnginePage *BrowserPage::createWindow(WebWindowType type)
{
    // No page of ours for the engine to fill: it asks through newWindowRequested instead.
    Q_UNUSED(type);
    return nullptr;
}

void BrowserPage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level,
                                           const QString &message, int lineNumber,
                                           const QString &sourceId)
{
    QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceId);
    // The engine stops a web page from showing a local file or a data: page in the window
    // itself, and says so only here.
    static const QLatin1String topFrameToData("Not allowed to navigate top frame to data URL: ");
    static const QLatin1String localResource("Not allowed to load local resource: ");
    if (level != ErrorMessageLevel)
        return;
    // The page's own document speaks, not a frame in it. Its address may not be url() yet:
    // the message can come before the engine says the page has changed (on a busy machine).
    const auto page = [this](const QString &source) {
        const QUrl from = QUrl(source).adjusted(QUrl::RemoveFragment);
        return from == url().adjusted(QUrl::RemoveFragment) ||
               from == requestedUrl().adjusted(QUrl::RemoveFragment);
    };
    if (message.startsWith(topFrameToData))
        Q_EMIT refused(QUrl(message.mid(topFrameToData.size())));
    else if (message.startsWith(localResource) && page(sourceId))
        refuseIfNavigation(message.mid(localResource.size()));
}

void BrowserPage::refuseIfNavigation(const QString &address)
{
    // The same words come for a picture, a frame or a style sheet of the page, which is no
    // reason to leave it. What no element of the page loads is taken for the page's way out
    // (a link, a new window, a meta refresh, a script). Asked of the document in a world of
    // the window's own, out of the page scripts' reach.
    static const QString check = QStringLiteral(
        "(function (u) {"
        "  var loads = document.querySelectorAll('img, iframe, frame, embed, object, script,"
        "    video, audio, source, track, input, link, image, use');"
        "  for (var i = 0; i < loads.length; ++i)"
        "    for (var n of ['src', 'href', 'data', 'poster', 'xlink:href']) {"
        "      var v = loads[i].getAttribute(n);"
        "      try { if (v !== null && new URL(v, document.baseURI).href === u) return false; }"
        "      catch (e) {}"
        "    }"
        "  return true;"
        "})(%1[0])");
    const QByteArray quoted = QJsonDocument(QJsonArray{address}).toJson(QJsonDocument::Compact);
    const auto answered = [this, address](const QVariant &isNavigation) {
        if (isNavigation.toBool())
            Q_EMIT refused(QUrl(address));
    };
    runJavaScript(check.arg(QString::fromUtf8(quoted)), QWebEngineScript::ApplicationWorld,
                  answered);
}

BrowserWebView::BrowserWebView(QWebEngineProfile *profile, QWidget *parent)
    : QWebEngineView(parent), m_page(new BrowserPage(profile, this))
{
    setPage(m_page);
}

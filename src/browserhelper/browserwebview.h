#pragma once

#include <QWebEngineView>

// The web view of frmBrowser. Pages cannot open windows of their own: a link or script
// asking for a new window gets none.
class BrowserWebView : public QWebEngineView
{
    Q_OBJECT
public:
    using QWebEngineView::QWebEngineView;

protected:
    QWebEngineView *createWindow(QWebEnginePage::WebWindowType type) override;
};

#include "browserwebview.h"

QWebEngineView *BrowserWebView::createWindow(QWebEnginePage::WebWindowType type)
{
    Q_UNUSED(type);
    return nullptr;
}

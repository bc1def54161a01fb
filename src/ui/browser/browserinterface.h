#pragma once

#include <QString>

// What the link commands drive of the browser window frmBrowser. The window and its web
// view live in a process of their own (lottoworla-browser): see BrowserClient.
class BrowserWindowInterface
{
public:
    virtual ~BrowserWindowInterface() = default;

    // Pages the tool bar's Home and Search buttons open.
    virtual void setHomeAndSearchPages(const QString &home, const QString &search) = 0;

    // Loads frmBrowser when it is not loaded: its Form_Load shows it and opens `linkAddress`.
    // Does nothing when it is loaded already.
    virtual void load(const QString &linkAddress) = 0;

    // The steps the link commands run on the loaded window.
    virtual void setMaximized() = 0;
    virtual void setAddressText(const QString &text) = 0;
    virtual void appendAddressTextToList() = 0;
    virtual void enableBusyTimer() = 0;
    virtual void navigate(const QString &address) = 0;
};

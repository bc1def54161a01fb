#pragma once

#include <QString>
#include <QtPlugin>

class QWidget;

// What the program drives of the browser window frmBrowser. The window and its web view
// live in a plugin of their own (liblottobrowser), loaded the first time a link command
// runs, so a run that never opens a page never loads the web engine.
class BrowserWindowInterface
{
public:
    virtual ~BrowserWindowInterface() = default;

    // Pages the tool bar's Home and Search buttons open.
    virtual void setHomeAndSearchPages(const QString &home, const QString &search) = 0;

    // Empty when the web engine can run here; otherwise why it cannot (shown to the user).
    virtual QString engineProblem() const = 0;

    // Whether frmBrowser is loaded (created and not yet closed).
    virtual bool isLoaded() const = 0;
    // Loads frmBrowser when it is not loaded: its Form_Load shows it and opens `linkAddress`.
    // Does nothing when it is loaded already.
    virtual void load(const QString &linkAddress) = 0;

    // The steps the link commands run on the loaded window.
    virtual void setMaximized() = 0;
    virtual void setAddressText(const QString &text) = 0;
    virtual QString addressText() const = 0;
    virtual void appendAddressTextToList() = 0;
    virtual void enableBusyTimer() = 0;
    virtual void navigate(const QString &address) = 0;

    // The window itself (nullptr when not loaded).
    virtual QWidget *window() const = 0;
};

#define LottoBrowserWindowInterface_iid "ca.talmar.LottoWorla.BrowserWindow/1"
Q_DECLARE_INTERFACE(BrowserWindowInterface, LottoBrowserWindowInterface_iid)

#pragma once

#include "ui/browser/browserinterface.h"

#include <QObject>
#include <QPointer>

class BrowserWindow;

// The plugin's one object: keeps frmBrowser (created on load, gone when closed) and runs
// what the program asks of it.
class BrowserPlugin : public QObject, public BrowserWindowInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID LottoBrowserWindowInterface_iid)
    Q_INTERFACES(BrowserWindowInterface)
public:
    BrowserPlugin();
    ~BrowserPlugin() override;

    void setHomeAndSearchPages(const QString &home, const QString &search) override;
    QString engineProblem() const override;
    bool isLoaded() const override;
    void load(const QString &linkAddress) override;
    void setMaximized() override;
    void setAddressText(const QString &text) override;
    QString addressText() const override;
    void appendAddressTextToList() override;
    void enableBusyTimer() override;
    void navigate(const QString &address) override;
    QWidget *window() const override;

private:
    QPointer<BrowserWindow> m_window;
    QString m_homePage;
    QString m_searchPage;
};

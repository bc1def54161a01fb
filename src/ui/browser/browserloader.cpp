#include "ui/browser/browserloader.h"

#include "ui/browser/browserclient.h"
#include "ui/browser/helperenvironment.h"
#include "ui/browser/linktable.h"

#include <QCoreApplication>
#include <QPointer>
#include <QProcessEnvironment>

BrowserClient &BrowserLoader::client()
{
    // Owned by the application object: the helper ends with the program.
    static QPointer<BrowserClient> theClient;
    if (!theClient)
        theClient = new BrowserClient(QCoreApplication::instance());
    return *theClient;
}

BrowserWindowInterface *BrowserLoader::browser(QWidget *parent, const SiteAddresses &sites)
{
    BrowserClient &c = client();
    if (!c.ensureRunning(parent))
        return nullptr;
    c.setHomeAndSearchPages(LinkTable::homePage(sites), LinkTable::searchPage(sites));
    return &c;
}

void BrowserLoader::removeLeftovers()
{
    HelperEnvironment::removeLeftFolders(QProcessEnvironment::systemEnvironment());
}

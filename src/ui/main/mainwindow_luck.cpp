#include "ui/main/mainwindow.h"

#include "ui/luck/luckwords.h"

// The two ways into the luck-word editor: each panel's Add/Remove button and File,
// Add/Remove Vorla (Ctrl+C).

void MainWindow::cmdAddVorla_Click(int index)
{
    Q_UNUSED(index); // whatever panel is visible stays visible
    LuckWords::openEditor(this);
}

void MainWindow::mnuFileVorla_Click()
{
    LuckWords::openEditor(this);
}

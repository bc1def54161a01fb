#include "ui/main/mainwindow.h"

#include "shared/messagebox.h"
#include "ui/main/catalogue.h"
#include "ui/main/rules.h"
#include "ui/main/windowhooks.h"
#include "ui/main/windowprinter.h"

#include <QImage>

// Rules and the menu commands.

void MainWindow::cmdrules_Click(int index)
{
    // Pick 3 has two boxes: the second follows however the first was dismissed.
    for (const Rules::Message &message : Catalogue::rules(index))
        MsgBox::info(this, message.body, message.title);
}

void MainWindow::mnuPrint_Click()
{
    if (!MsgBox::ask(this, tr("Are you sure you want to print?"), tr("* QUESTION *"))) {
        MsgBox::info(this, tr("Printing Canceled!"), tr("Status."));
        return;
    }
    // The client area only: the visible panel on the window's background, no title bar and
    // no menu bar.
    const QImage image = centralWidget()->grab().toImage();
    const WindowPrinter::Result result =
        WindowPrinter::print(image, windowTitle(), hooks().printerSource);
    // A print that did not happen is said so; a good one shows nothing more.
    if (result.outcome != WindowPrinter::Outcome::Printed)
        MsgBox::info(this, WindowPrinter::failureText(result.outcome, result.printerName),
                     WindowPrinter::failureTitle());
}

void MainWindow::mnuFileExit_Click()
{
    if (MsgBox::ask(this, tr("Are you sure you want to exit?"), tr("* QUESTION *")))
        Q_EMIT endRequested(); // no window is asked; the main window's refusal does not count
}

void MainWindow::mnuAboutHelp_Click()
{
    Q_EMIT helpRequested();
}

void MainWindow::mnuAboutAbout_Click()
{
    Q_EMIT aboutRequested();
}

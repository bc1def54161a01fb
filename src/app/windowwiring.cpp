#include "app/windowwiring.h"

#include "app/aboutwindow.h"
#include "app/helpwindow.h"
#include "ui/main/mainwindow.h"

#include <QCoreApplication>
#include <QPointer>

void WindowWiring::endNow()
{
    QCoreApplication::exit(0);
}

void WindowWiring::connectMainWindow(MainWindow *main)
{
    QObject::connect(main, &MainWindow::helpRequested, main, [] { HelpWindow::showHelp(); });
    QObject::connect(main, &MainWindow::aboutRequested, main, [main] {
        // Created afresh at every opening; it deletes itself when it closes.
        QPointer<AboutWindow> about = new AboutWindow(main);
        about->exec();
    });
    QObject::connect(main, &MainWindow::endRequested, main, [] { endNow(); });
}

#include "app/program.h"

#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QFont>

void Program::installFontSubstitutes()
{
    // The windows name the faces they were designed with; similar free faces stand in.
    QFont::insertSubstitutions("Bradley Hand ITC", {"Dancing Script", "DejaVu Serif"});
    QFont::insertSubstitutions("Imprint MT Shadow", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Jokerman", {"Lobster", "Lobster Two", "DejaVu Serif"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
}

void Program::endNow()
{
    QCoreApplication::exit(0);
}

int Program::run(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lottoworla"));
    QApplication::setApplicationVersion(QStringLiteral(LOTTO_VERSION));
    installFontSubstitutes();

    MainWindow window;
    window.show();
    return QApplication::exec();
}

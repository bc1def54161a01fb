#include "app/program.h"

#include "app/commandline.h"
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
    // --help and --version answer before anything needs a display.
    if (const std::optional<int> code = CommandLine::handleInfoOptions(argc, argv))
        return *code;

    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lottoworla"));
    QApplication::setApplicationVersion(QStringLiteral(LOTTO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("ca.talmar.LottoWorla"));
    installFontSubstitutes();

    MainWindow window;
    window.show();
    return QApplication::exec();
}

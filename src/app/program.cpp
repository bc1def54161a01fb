#include "app/program.h"

#include "app/commandline.h"
#include "app/splashwindow.h"
#include "shared/programstyle.h"
#include "shared/translation.h"
#include "ui/browser/browserloader.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QPointer>

void Program::installFontSubstitutes()
{
    // The windows name the faces they were designed with; similar free faces stand in.
    QFont::insertSubstitutions("Bradley Hand ITC", {"Dancing Script", "DejaVu Serif"});
    QFont::insertSubstitutions("Imprint MT Shadow", {"Liberation Serif", "DejaVu Serif"});
    QFont::insertSubstitutions("Jokerman", {"Lobster", "Lobster Two", "DejaVu Serif"});
    QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
    QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
}

int Program::run(int argc, char *argv[])
{
    // --help and --version answer before anything needs a display.
    if (const std::optional<int> code = CommandLine::handleInfoOptions(argc, argv))
        return *code;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lottoworla"));
    QApplication::setApplicationVersion(QStringLiteral(LOTTO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("ca.talmar.LottoWorla"));
    QApplication::setStyle(new ProgramStyle);
    installFontSubstitutes();
    // French when the user's language is French; English otherwise.
    Translation::install(QLocale::system());
    // The browser's private folders that earlier runs, killed or crashed, could not remove.
    BrowserLoader::removeLeftovers();

    // The splash is the first window; it loads and shows the main window.
    (new SplashWindow)->show();
    const int code = QApplication::exec();
    destroyAllWindows();
    return code;
}

void Program::destroyAllWindows()
{
    // The windows go without being asked: no close handler runs, none can refuse.
    QList<QPointer<QWidget>> windows;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!w->parentWidget())
            windows.append(w);
    for (const QPointer<QWidget> &w : windows)
        delete w.data();
}

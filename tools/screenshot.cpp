// Renders windows of the program to PNG files, for the README and for looking at the
// program without a desktop. Usage:
//   lottoshot OUT.png [--panel P] [--generate] [--luck TEXT] [--lang fr_CA]
// The main window is created as at start; --panel opens a game panel, --generate runs a
// generation on it (with --luck, seeded from that luck-word text) before the picture is taken.
// --window about|help|vorla|splash takes the picture of that window instead of the main window.
// --lang shows the window in that language, as the program does for a user whose system
// speaks it. The environment's QT_SCALE_FACTOR gives pictures of a high-resolution screen.

#include "app/aboutwindow.h"
#include "app/helpwindow.h"
#include "app/program.h"
#include "app/splashwindow.h"
#include "shared/lotto.h"
#include "shared/translation.h"
#include "ui/luck/vorlawindow.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Program::installFontSubstitutes();

    QCommandLineParser parser;
    parser.addPositionalArgument("out", "PNG file to write");
    parser.addOption({"panel", "panel to open (1-5)", "panel", "0"});
    parser.addOption({"generate", "generate numbers on the panel"});
    parser.addOption({"luck", "luck-word text the generation is seeded from", "text"});
    parser.addOption({"window", "window to picture: about, help, vorla or splash", "window"});
    parser.addOption({"lang", "language of the windows (e.g. fr_CA)", "locale"});
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fputs("usage: lottoshot OUT.png [--panel P] [--generate] [--luck TEXT] [--window W] "
                   "[--lang L]\n",
                   stderr);
        return 2;
    }
    const QString out = parser.positionalArguments().constFirst();
    const int panel = parser.value("panel").toInt();
    if (parser.isSet("lang"))
        Translation::install(QLocale(parser.value("lang")));

    MainWindow window;
    window.show();
    if (parser.isSet("luck")) {
        // As if typed into the editor and the editor closed with OK.
        VorlaWindow::instance()->text1()->setPlainText(parser.value("luck"));
        Lotto.VorlaAdded = LottoModule::True;
    }
    if (panel >= 1 && panel <= 5) {
        window.imgpic_Click(panel - 1);
        if (parser.isSet("generate"))
            window.cmdgenerate_Click(panel);
    }
    QWidget *shown = &window;
    std::unique_ptr<AboutWindow> about;
    const QString other = parser.value("window");
    if (other == QLatin1String("about")) {
        about = std::make_unique<AboutWindow>(&window);
        about->show();
        shown = about.get();
    } else if (other == QLatin1String("help")) {
        shown = HelpWindow::showHelp();
    } else if (other == QLatin1String("splash")) {
        // Stays up for the picture: it hands over only after an hour.
        auto *splash = new SplashWindow(3600 * 1000);
        splash->show();
        shown = splash;
    } else if (other == QLatin1String("vorla")) {
        shown = VorlaWindow::instance();
        shown->show();
    }
    QApplication::processEvents();
    const bool ok = shown->grab().save(out);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(out));
    return ok ? 0 : 1;
}

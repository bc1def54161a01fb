// Renders windows of the program to PNG files, for the README and for looking at the
// program without a desktop. Usage:
//   lottoshot OUT.png [--panel P] [--generate] [--luck TEXT]
// The main window is created as at start; --panel opens a game panel, --generate runs a
// generation on it (with --luck, seeded from that luck-word text) before the picture is taken.

#include "app/program.h"
#include "shared/lotto.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QCommandLineParser>
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
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fputs("usage: lottoshot OUT.png [--panel P] [--generate]\n", stderr);
        return 2;
    }
    const QString out = parser.positionalArguments().constFirst();
    const int panel = parser.value("panel").toInt();

    MainWindow window;
    window.show();
    if (panel >= 1 && panel <= 5) {
        window.imgpic_Click(panel - 1);
        if (parser.isSet("generate"))
            window.cmdgenerate_Click(panel);
    }
    QApplication::processEvents();
    const bool ok = window.grab().save(out);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(out));
    return ok ? 0 : 1;
}

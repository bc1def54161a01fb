// Built by sixth_game.cmake against a copy of the program whose game and link tables each
// gained one row for "Test 4", and nothing else: the game has its own panel, selection
// picture, number labels, Rules box and results picture, and the Custom entry moved on.

#include "shared/lotto.h"
#include "shared/picture.h"
#include "ui/main/catalogue.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"

#include <QApplication>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {
int g_failures = 0;

void check(bool ok, const char *what)
{
    std::printf("%s: %s\n", ok ? "ok  " : "FAIL", what);
    if (!ok)
        ++g_failures;
}

// Runs `action`, closing every message box it shows; returns the boxes' texts.
QStringList boxesDuring(const std::function<void()> &action)
{
    QStringList texts;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            texts.append(box->windowTitle() + QLatin1Char('|') + box->text());
            box->accept();
        }
    });
    closer.start(20);
    action();
    return texts;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    check(Catalogue::GameCount == 6 && Panel::LastGame == 6 && Panel::Custom == 7,
          "six games; the Custom panel follows them");

    MainWindow w;
    w.show();
    GamePanel *panel = w.gamePanel(6);
    check(panel && panel->objectName() == QLatin1String("fraMenu_6") && panel->game() &&
              QLatin1String(panel->game()->name) == QLatin1String("Test 4"),
          "panel 6 is the new game's");
    check(panel && panel->frame && panel->frame->objectName() == QLatin1String("fraTest4") &&
              panel->numbers.size() == 4 &&
              panel->numbers.at(3)->objectName() == QLatin1String("lbltest4_3"),
          "its frame holds its four number labels");
    check(w.gamePanel(7) && !w.gamePanel(7)->game() &&
              w.gamePanel(7)->objectName() == QLatin1String("fraMenu_7"),
          "the Custom panel is panel 7");

    auto *picture = w.findChild<QWidget *>(QStringLiteral("imgpic_5"));
    check(picture && picture->accessibleName() == QLatin1String("Test 4"),
          "selection picture 5 is the new game's");
    auto *custom = w.findChild<QWidget *>(QStringLiteral("imgpic_6"));
    check(custom && custom->accessibleName() == QLatin1String("Custom"),
          "the Custom picture moved to 6");

    w.imgpic_Click(5);
    check(w.visiblePanel() == 6, "its selection picture opens its panel");
    const QStringList rules = boxesDuring([&] { panel->rules->click(); });
    check(rules == QStringList{QStringLiteral("Test 4 Information . . .|Draw 4 numbers.")},
          "its Rules button shows its own box");

    check(panel->linkImage && panel->linkImage->objectName() == QLatin1String("imgtest4") &&
              panel->linkImage->toolTip() ==
                  QLatin1String("Click here to see the latest lotto results for TEST 4"),
          "its results picture carries its link row's hint");
    boxesDuring([&] { panel->linkImage->click(); });
    check(Lotto.LinkAddress.endsWith(QLatin1String("/test4.html")),
          "its results picture opens its link row's page");

    std::printf("%d failed\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}

// The browser window and the ten link commands against a page server on 127.0.0.1: the
// web engine stays out of the process until the first link, the address list, the busy
// title, the tool bar, the address box, closing and reopening, the layout rule, and a link
// opened in the middle of a Generate run. Also what the user sees when the browser cannot
// start.

#include "pageserver.h"
#include "support/testsupport.h"

#include "shared/lotto.h"
#include "shared/picture.h"
#include "shared/twips.h"
#include "ui/browser/browserinterface.h"
#include "ui/browser/browserloader.h"
#include "ui/browser/linktable.h"
#include "ui/main/catalogue.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/windowhooks.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>

using namespace TestSupport;

namespace {
const QString Results = QStringLiteral("/results");
const QString Stats = QStringLiteral("/stats");
const QString Zodiac = QStringLiteral("/zodiac");
const QString Portal = QStringLiteral("/portal");
const QString Search = QStringLiteral("/search");

// Whether the web engine's library is mapped into this process.
bool engineInProcess()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("libQt6WebEngineCore");
}

// The message boxes shown while `action` runs, each answered with OK.
QList<SeenBox> boxesDuring(const std::function<void()> &action)
{
    BoxAnswerer answerer;
    action();
    QTest::qWait(50);
    return answerer.seen();
}
} // namespace

class TestBrowser : public QObject
{
    Q_OBJECT

    PageServer server;
    WindowHooks hooks;
    std::unique_ptr<MainWindow> w;

    QString url(const QString &path) const { return server.base() + path; }

    // frmBrowser while it is loaded.
    QMainWindow *frm() const
    {
        if (!BrowserLoader::isPluginLoaded())
            return nullptr;
        return qobject_cast<QMainWindow *>(BrowserLoader::browser(nullptr)->window());
    }
    QComboBox *box() const { return child<QComboBox>(frm(), QStringLiteral("cboAddress")); }
    QWidget *view() const { return child<QWidget>(frm(), QStringLiteral("brwWebBrowser")); }
    QTimer *timer() const { return child<QTimer>(frm(), QStringLiteral("timTimer")); }
    QString pageTitle() const { return view()->property("title").toString(); }
    QString pageUrl() const { return view()->property("url").toUrl().toString(); }
    QStringList list() const
    {
        QStringList entries;
        for (int i = 0; i < box()->count(); ++i)
            entries << box()->itemText(i);
        return entries;
    }
    void toolButton(const char *key)
    {
        QAction *a = child<QAction>(frm(), QLatin1String(key));
        QVERIFY(a);
        a->trigger();
    }
    // Waits until the window is idle on the page at `path`.
    bool settledOn(const QString &path, const QString &title = {})
    {
        const QString expected = title.isEmpty() ? PageServer::defaultTitle(path) : title;
        const bool settled = QTest::qWaitFor(
            [&] {
                return frm() && frm()->windowTitle() == expected && pageUrl() == url(path) &&
                       !timer()->isActive();
            },
            30000);
        if (!settled && frm())
            qWarning("expected \"%s\" at %s; window shows \"%s\" at %s, poll %s",
                     qPrintable(expected), qPrintable(url(path)), qPrintable(frm()->windowTitle()),
                     qPrintable(pageUrl()), timer()->isActive() ? "on" : "off");
        return settled;
    }
    void closeBrowser()
    {
        if (QPointer<QMainWindow> f = frm()) {
            f->close();
            QTRY_VERIFY(f.isNull());
        }
    }
    void clickResultsPicture(int panel)
    {
        w->imgpic_Click(Catalogue::game(panel)->selectionPicture());
        Picture *pic = w->gamePanel(panel)->linkImage;
        QVERIFY(pic->isVisible());
        QTest::mouseClick(pic, Qt::LeftButton, {}, pic->rect().center());
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(server.start());
        LinkTable::setSitesForTesting(
            {url(Results), url(Stats), url(Zodiac), url(Portal), url(Search)});
        server.setPage(Results + QStringLiteral("/lotto649.html"), QStringLiteral("LOTTO 649"),
                       QStringLiteral("<a id=\"next\" href=\"/results/linked.html\" "
                                      "style=\"display:block;width:100%;height:400px\">"
                                      "Winning numbers</a>"));
        w = shownMainWindow(false, &hooks);
        QVERIFY(w);
    }
    void cleanupTestCase()
    {
        closeBrowser();
        w.reset();
        LinkTable::resetSitesForTesting();
    }

    void engineStaysOutUntilTheFirstLink()
    {
        QVERIFY(!engineInProcess());
        QVERIFY(!BrowserLoader::isPluginLoaded());
        // Using the main window does not bring it in either.
        w->imgpic_Click(0);
        w->cmdback_Click(1);
        QVERIFY(!engineInProcess());
    }

    void missingPluginIsReportedAndNothingElseHappens()
    {
        const QTemporaryDir dir;
        const QString missing = dir.path() + QStringLiteral("/liblottobrowser.so");
        const QString garbage = dir.path() + QStringLiteral("/garbage.so");
        QFile f(garbage);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("not a library");
        f.close();

        for (const QString &file : {missing, garbage}) {
            BrowserLoader::setPluginFileForTesting(file);
            const QList<SeenBox> seen = boxesDuring([&] { w->mnuFileCndInfo_Click(); });
            QCOMPARE(seen.size(), 1);
            QCOMPARE(seen.first().title, QStringLiteral("Info."));
            QCOMPARE(seen.first().icon, QMessageBox::Information);
            QCOMPARE(seen.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QVERIFY2(seen.first().text.contains(QStringLiteral("could not be started")),
                     qPrintable(seen.first().text));
            QVERIFY2(seen.first().text.contains(file), qPrintable(seen.first().text));
            QVERIFY(!BrowserLoader::isPluginLoaded());
            // Step 1 ran; the main window carries on as before.
            QCOMPARE(Lotto.LinkAddress, url(Portal));
            QVERIFY(w->isVisible());
            QCOMPARE(w->visiblePanel(), PanelIndex(0));
        }
        BrowserLoader::setPluginFileForTesting({});
        QVERIFY(!engineInProcess());
        QCOMPARE(server.requests(), QStringList());
    }

    void engineThatCannotRunIsReported()
    {
        // Without its helper program the engine would end the process at its first page.
        qputenv("QTWEBENGINE_PROCESS_PATH", "/nonexistent/QtWebEngineProcess");
        const QList<SeenBox> seen = boxesDuring([&] { w->mnuFileInternetZodiac_Click(); });
        qunsetenv("QTWEBENGINE_PROCESS_PATH");
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen.first().title, QStringLiteral("Info."));
        QVERIFY2(seen.first().text.contains(QStringLiteral("/nonexistent/QtWebEngineProcess")),
                 qPrintable(seen.first().text));
        QVERIFY(!BrowserLoader::isPluginLoaded());
        QVERIFY(w->isVisible());
        QCOMPARE(server.requests(), QStringList());
    }

    void firstLinkListsTheAddressTwiceAndOpensIt()
    {
        clickResultsPicture(1);
        const QString address = url(Results + QStringLiteral("/lotto649.html"));
        QCOMPARE(Lotto.LinkAddress, address);
        QVERIFY(engineInProcess());
        QVERIFY(frm());
        QCOMPARE(frm()->objectName(), QStringLiteral("frmBrowser"));
        QVERIFY(frm()->isVisible());
        QVERIFY(frm()->isMaximized());
        QVERIFY(!frm()->isModal());
        QVERIFY(!frm()->windowIcon().isNull());
        QCOMPARE(list(), QStringList({address, address}));
        QCOMPARE(box()->currentText(), address);
        QVERIFY(timer()->isActive());
        QCOMPARE(timer()->interval(), 5);
        QVERIFY(settledOn(Results + QStringLiteral("/lotto649.html"), QStringLiteral("LOTTO 649")));
        QVERIFY(server.count(Results + QStringLiteral("/lotto649.html")) >= 1);
        QCOMPARE(box()->currentText(), address);
        // The main window stays usable beside it.
        QVERIFY(w->isEnabled());
        w->cmdback_Click(1);
        QCOMPARE(w->visiblePanel(), PanelIndex(0));
    }

    void windowParts()
    {
        QVERIFY(frm());
        for (const char *name :
             {"tbToolBar", "picAddress", "lblAddress", "cboAddress", "brwWebBrowser", "timTimer"})
            QVERIFY2(frm()->findChild<QObject *>(QLatin1String(name)), name);
        auto *label = child<QLabel>(frm(), QStringLiteral("lblAddress"));
        QCOMPARE(label->text(), QStringLiteral("&Address:"));
        QCOMPARE(label->buddy(), box());
        QVERIFY(box()->isEditable());
        QCOMPARE(child<QAction>(frm(), QStringLiteral("mnuFileExit"))->text(),
                 QStringLiteral("E&xit"));
        auto *bar = child<QToolBar>(frm(), QStringLiteral("tbToolBar"));
        QCOMPARE(bar->iconSize(), QSize(24, 24));
        QStringList keys;
        for (QAction *a : bar->actions()) {
            QCOMPARE(a->objectName(), a->data().toString());
            QCOMPARE(a->toolTip(), a->data().toString());
            QVERIFY(!a->icon().isNull());
            keys << a->data().toString();
        }
        QCOMPARE(keys, QStringList({QStringLiteral("Back"), QStringLiteral("Forward"),
                                    QStringLiteral("Stop"), QStringLiteral("Refresh"),
                                    QStringLiteral("Home"), QStringLiteral("Search")}));
    }

    void everyFurtherLinkAddsItsAddressAgain()
    {
        const QString first = url(Results + QStringLiteral("/lotto649.html"));
        const QString everWon = url(Stats + QStringLiteral("/everwon.html-ssi"));
        w->findChild<QAction *>(QStringLiteral("mnuFileInternetEverWon"))->trigger();
        QCOMPARE(Lotto.LinkAddress, everWon);
        QCOMPARE(list(), QStringList({first, first, everWon}));
        QVERIFY(settledOn(Stats + QStringLiteral("/everwon.html-ssi")));
        w->mnuFileInternetEverWon_Click();
        QCOMPARE(list(), QStringList({first, first, everWon, everWon}));
        QVERIFY(settledOn(Stats + QStringLiteral("/everwon.html-ssi")));
        // A row without a path opens the base address exactly.
        server.clearRequests();
        w->mnuInternetResult_Click();
        QCOMPARE(list().last(), url(Results));
        QTRY_VERIFY_WITH_TIMEOUT(server.requests().contains(Results), 30000);
        QVERIFY(settledOn(Results));
    }

    void titleReadsWorkingWhileAPageLoads()
    {
        const QString slow = Zodiac + QStringLiteral("/zodiac.htm");
        server.setDelay(slow, 1500);
        QStringList titles;
        QMetaObject::Connection c = connect(frm(), &QWidget::windowTitleChanged, this,
                                            [&](const QString &t) { titles << t; });
        w->mnuFileInternetZodiac_Click();
        QVERIFY(settledOn(slow));
        disconnect(c);
        server.setDelay(slow, 0);
        QVERIFY2(titles.contains(QStringLiteral("Working...")), qPrintable(titles.join('|')));
        QCOMPARE(titles.last(), PageServer::defaultTitle(slow));
    }

    void stopSetsThePageNameAtOnce()
    {
        const QString slow = Zodiac + QStringLiteral("/zodiac.htm");
        server.setDelay(slow, 20000);
        w->mnuFileInternetZodiac_Click();
        QTRY_COMPARE_WITH_TIMEOUT(frm()->windowTitle(), QStringLiteral("Working..."), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(server.count(slow) >= 1, 10000);
        toolButton("Stop");
        QVERIFY(!timer()->isActive());
        QCOMPARE(frm()->windowTitle(), pageTitle());
        QVERIFY(frm()->windowTitle() != QStringLiteral("Working..."));
        QTest::qWait(100);
        QVERIFY(!timer()->isActive());
        server.setDelay(slow, 0);
    }

    void backAndForwardWithNowhereToGoDoNothing()
    {
        // A fresh window has only the page the link opened.
        closeBrowser();
        w->mnuFileInternetAnalysis_Click();
        const QString page = Stats + QStringLiteral("/stat_analysis.html-ssi");
        QVERIFY(settledOn(page));
        for (const char *key : {"Back", "Forward"}) {
            server.clearRequests();
            frm()->setWindowTitle(QStringLiteral("something else"));
            toolButton(key);
            QVERIFY(timer()->isActive());
            QTRY_VERIFY(!timer()->isActive());
            QCOMPARE(frm()->windowTitle(), PageServer::defaultTitle(page));
            QCOMPARE(pageUrl(), url(page));
            QTest::qWait(200);
            QCOMPARE(server.requests(), QStringList());
        }
    }

    void enterOpensExactlyTheTypedText()
    {
        QVERIFY(frm());
        const QStringList before = list();
        const QString typed = url(QStringLiteral("/typed.html")).mid(7); // no "http://"
        box()->setFocus();
        box()->lineEdit()->selectAll();
        QTest::keyClicks(box()->lineEdit(), typed);
        server.clearRequests();
        QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
        QVERIFY(settledOn(QStringLiteral("/typed.html")));
        QCOMPARE(server.count(QStringLiteral("/typed.html")), 1);
        // Nothing added to the list; the box shows the page's address.
        QCOMPARE(list(), before);
        QCOMPARE(box()->currentText(), url(QStringLiteral("/typed.html")));

        // The typed text is taken as it stands, even when it names an entry of the list
        // or is no address at all; no dialog comes up.
        box()->lineEdit()->selectAll();
        QTest::keyClicks(box()->lineEdit(), before.first());
        QTest::keyClick(box()->lineEdit(), Qt::Key_Enter);
        QVERIFY(settledOn(before.first().mid(server.base().size())));
        QCOMPARE(list(), before);
        for (const QString &nonsense : {QString(), QStringLiteral("no such thing ::")}) {
            const QList<SeenBox> seen = boxesDuring([&] {
                box()->lineEdit()->selectAll();
                QTest::keyClick(box()->lineEdit(), Qt::Key_Delete);
                QTest::keyClicks(box()->lineEdit(), nonsense);
                QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
                QTRY_VERIFY_WITH_TIMEOUT(!timer()->isActive(), 30000);
            });
            QCOMPARE(seen.size(), 0);
            QCOMPARE(list(), before);
            QVERIFY(frm()->isVisible());
        }
    }

    void choosingAListEntryOpensIt()
    {
        QVERIFY(frm());
        const int row = 0;
        QVERIFY(box()->count() > row);
        const QString entry = list().at(row);
        server.clearRequests();
        box()->showPopup();
        QAbstractItemView *popup = box()->view();
        QTRY_VERIFY(popup->isVisible());
        popup->setCurrentIndex(box()->model()->index(row, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(settledOn(Stats + QStringLiteral("/stat_analysis.html-ssi")));
        QCOMPARE(box()->currentText(), entry);
        QCOMPARE(server.count(Stats + QStringLiteral("/stat_analysis.html-ssi")), 1);
    }

    // Only choosing an entry opens it. Typing an entry's text and then leaving the box, pressing
    // Enter on it, or closing the window while the box holds it, never counts as choosing it.
    void typedEntryTextIsNoChoice()
    {
        w->imglotto649_Click();
        w->mnuFileCndInfo_Click();
        QVERIFY(settledOn(Portal));
        int other = 0;
        while (other < box()->count() && list().at(other) == box()->itemText(box()->currentIndex()))
            ++other;
        QVERIFY2(other < box()->count(), "the list needs two different entries");
        const QString entry = list().at(other);
        const QString entryPath = entry.mid(server.base().size());
        int chosen = 0;
        connect(box(), &QComboBox::activated, this, [&] { ++chosen; });

        // Leaving the box.
        frm()->activateWindow();
        box()->setFocus();
        box()->lineEdit()->selectAll();
        QTest::keyClicks(box()->lineEdit(), entry);
        server.clearRequests();
        view()->setFocus();
        QVERIFY(!box()->lineEdit()->hasFocus());
        QVERIFY(!timer()->isActive());
        QCOMPARE(chosen, 0);

        // Enter opens the typed text once.
        box()->setFocus();
        QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
        QCOMPARE(chosen, 0);
        QTRY_VERIFY_WITH_TIMEOUT(pageUrl() == entry && !timer()->isActive(), 30000);
        QCOMPARE(server.count(entryPath), 1);

        // Closing the window with the focus in the box.
        box()->lineEdit()->selectAll();
        QTest::keyClicks(box()->lineEdit(), entry);
        QVERIFY(box()->lineEdit()->hasFocus());
        QPointer<QMainWindow> old = frm();
        old->close();
        QTRY_VERIFY(old.isNull());
        QCOMPARE(chosen, 0);
        w->imglotto649_Click();
        QVERIFY(settledOn(Results + QStringLiteral("/lotto649.html"), QStringLiteral("LOTTO 649")));
    }

    void linkFollowedInThePageAndBack()
    {
        w->imglotto649_Click();
        const QString start = Results + QStringLiteral("/lotto649.html");
        QVERIFY(settledOn(start, QStringLiteral("LOTTO 649")));
        const int listed = box()->count();
        // A click just after a page has loaded can be lost: click again until the page
        // asks the server for the linked one.
        const QString linked = QStringLiteral("/results/linked.html");
        QWidget *surface = view()->focusProxy() ? view()->focusProxy() : view();
        server.clearRequests();
        QVERIFY(QTest::qWaitFor(
            [&] {
                QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(40, 40));
                return QTest::qWaitFor([&] { return server.count(linked) > 0; }, 1000);
            },
            30000));
        // The page's own navigation: the title and the box follow it, the list does not.
        QTRY_COMPARE_WITH_TIMEOUT(pageUrl(), url(linked), 30000);
        QTRY_COMPARE_WITH_TIMEOUT(frm()->windowTitle(), PageServer::defaultTitle(linked), 30000);
        QVERIFY(!timer()->isActive());
        QCOMPARE(box()->currentText(), url(QStringLiteral("/results/linked.html")));
        QCOMPARE(box()->count(), listed);
        toolButton("Back");
        QVERIFY(settledOn(start, QStringLiteral("LOTTO 649")));
        toolButton("Forward");
        QVERIFY(settledOn(QStringLiteral("/results/linked.html")));
        toolButton("Refresh");
        server.clearRequests();
        QVERIFY(settledOn(QStringLiteral("/results/linked.html")));
    }

    void homeAndSearchOpenTheirPages()
    {
        toolButton("Home");
        QVERIFY(settledOn(Results));
        toolButton("Search");
        QVERIFY(settledOn(Search));
    }

    void exitForgetsTheListAndTheNextLinkStartsAfresh()
    {
        QPointer<QMainWindow> old = frm();
        QVERIFY(old);
        const QString last = Lotto.LinkAddress;
        child<QAction>(old, QStringLiteral("mnuFileExit"))->trigger();
        QVERIFY(!frm());
        QTRY_VERIFY(old.isNull());
        QCOMPARE(Lotto.LinkAddress, last);

        clickResultsPicture(2);
        const QString address = url(Results + QStringLiteral("/ontpick3.html"));
        QVERIFY(frm());
        QVERIFY(frm()->isMaximized());
        QCOMPARE(list(), QStringList({address, address}));
        QVERIFY(settledOn(Results + QStringLiteral("/ontpick3.html")));
        w->cmdback_Click(2);

        // The close box does the same.
        old = frm();
        old->close();
        QVERIFY(!frm());
        QTRY_VERIFY(old.isNull());
        w->mnuFileCndInfo_Click();
        QCOMPARE(list(), QStringList({url(Portal), url(Portal)}));
        QVERIFY(settledOn(Portal));
    }

    void layoutFollowsTheWindowSize()
    {
        QMainWindow *f = frm();
        QVERIFY(f);
        auto check = [&] {
            const QWidget *client = f->centralWidget();
            const int W = Twips::fromPixels(client->width());
            const int H = Twips::fromPixels(client->height());
            const int wide = std::max(0, W - 100);
            const int high = std::max(0, H - 1315);
            QCOMPARE(box()->width(), Twips::toPixels(wide));
            QCOMPARE(box()->pos(), Twips::point(50, 330));
            QCOMPARE(view()->geometry(), QRect(Twips::point(50, 1215), Twips::size(wide, high)));
            auto *bar = child<QWidget>(f, QStringLiteral("tbToolBar"));
            auto *strip = child<QWidget>(f, QStringLiteral("picAddress"));
            QCOMPARE(bar->geometry(), QRect(0, 0, client->width(), Twips::toPixels(540)));
            QCOMPARE(strip->geometry(),
                     QRect(0, Twips::toPixels(540), client->width(), Twips::toPixels(675)));
        };
        check();
        if (QTest::currentTestFailed())
            return;
        f->setWindowState(Qt::WindowNoState);
        f->resize(120, 60);
        QTRY_VERIFY(f->centralWidget()->height() < Twips::toPixels(1315));
        check();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(view()->height(), 0);
        // Back to a usable size (a window manager is not needed for this).
        f->resize(640, 480);
        QTRY_VERIFY(f->centralWidget()->height() > Twips::toPixels(1315));
        check();
        f->setWindowState(Qt::WindowMaximized);
    }

    void activatingTheWindowMaximisesIt()
    {
        QMainWindow *f = frm();
        f->setWindowState(Qt::WindowNoState);
        QVERIFY(!f->isMaximized());
        QApplication::setActiveWindow(w.get());
        QTRY_VERIFY(w->isActiveWindow());
        QApplication::setActiveWindow(f);
        QTRY_VERIFY(f->isMaximized());
    }

    void arrowLabelsDoNothing()
    {
        closeBrowser();
        const QString last = Lotto.LinkAddress;
        server.clearRequests();
        for (int p = Panel::FirstGame; p <= Panel::LastGame; ++p) {
            w->imgpic_Click(Catalogue::game(p)->selectionPicture());
            QLabel *label = w->gamePanel(p)->pointer;
            QCOMPARE(label->objectName(), QLatin1String(Catalogue::game(p)->pointerName));
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
            w->cmdback_Click(p);
        }
        QTest::qWait(200);
        QVERIFY(!frm());
        QCOMPARE(Lotto.LinkAddress, last);
        QCOMPARE(server.requests(), QStringList());
    }

    void resultsPictureOpensAPageDuringAGenerateRun()
    {
        const QString page = Results + QStringLiteral("/lottario.html");
        bool opened = false;
        bool clicked = false;
        qint16 generatingThen = 0;
        w->imgpic_Click(Catalogue::game(5)->selectionPicture());
        hooks.forcedExchanges = 2000;
        hooks.yieldObserver = [&](WindowHooks::Yield when) {
            if (clicked || when != WindowHooks::Yield::After)
                return;
            clicked = true;
            Picture *pic = w->gamePanel(5)->linkImage;
            QTest::mouseClick(pic, Qt::LeftButton, {}, pic->rect().center());
            // The run is parked at this yield while the window handles events.
            opened = settledOn(page);
            generatingThen = Lotto.Generating;
        };
        w->cmdgenerate_Click(5);
        hooks.yieldObserver = {};
        hooks.forcedExchanges = 0;
        QVERIFY(clicked);
        QVERIFY(opened);
        QCOMPARE(generatingThen, qint16(1));
        QCOMPARE(Lotto.Generating, qint16(0));
        QCOMPARE(list(), QStringList({url(page), url(page)}));
        w->cmdback_Click(5);
    }
};

LOTTO_TEST_MAIN(TestBrowser)
#include "test_browser.moc"

// The browser window frmBrowser as its helper process runs it, against a page server on
// 127.0.0.1: the window is driven here in the test's own process through the same message
// handler the helper uses (the tool bar, the address box, the layout rule, closing), and the
// real helper program is sent what breaks the message rules.

#include "pageserver.h"
#include "support/accessibilitywalk.h"
#include "support/testsupport.h"

#include "browserhelper/browserhost.h"
#include "browserhelper/browserwindow.h"
#include "browserprotocol/browserprotocol.h"
#include "shared/twips.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <unistd.h>

using namespace TestSupport;

namespace {
const QString Results = QStringLiteral("/results");
const QString Stats = QStringLiteral("/stats");
const QString Zodiac = QStringLiteral("/zodiac");

QJsonObject message(const char *op, QJsonObject fields = {})
{
    fields.insert(QStringLiteral("v"), BrowserProtocol::Version);
    fields.insert(QStringLiteral("op"), QLatin1String(op));
    return fields;
}

// Starts the helper as the program does, this process standing in for the program.
bool startHelper(QProcess &helper)
{
    helper.start(
        QStringLiteral(LOTTO_BROWSER_HELPER),
        {QStringLiteral("--parent-pid"), QString::number(QCoreApplication::applicationPid())});
    return helper.waitForStarted();
}
} // namespace

class TestBrowserWindow : public QObject
{
    Q_OBJECT

    PageServer server;
    BrowserHost host;
    QList<QUrl> handedToDesktop;

    QString url(const QString &path) const { return server.base() + path; }
    BrowserWindow *frm() const { return host.window(); }
    QComboBox *box() const { return frm()->cboAddress(); }
    QWebEngineView *view() const { return frm()->brwWebBrowser(); }
    QTimer *timer() const { return frm()->timTimer(); }
    QString pageUrl() const { return view()->url().toString(); }
    QStringList list() const
    {
        QStringList entries;
        for (int i = 0; i < box()->count(); ++i)
            entries << box()->itemText(i);
        return entries;
    }
    // What a link command sends, in its order.
    void link(const QString &path)
    {
        const QString address = url(path);
        host.handle(message("pages", {{QStringLiteral("home"), url(Results)},
                                      {QStringLiteral("search"), url(QStringLiteral("/search"))}}));
        host.handle(message("load", {{QStringLiteral("address"), address}}));
        host.handle(message("maximize"));
        host.handle(message("setAddress", {{QStringLiteral("text"), address}}));
        host.handle(message("appendAddress"));
        host.handle(message("busyTimer"));
        host.handle(message("navigate", {{QStringLiteral("address"), address}}));
    }
    void toolButton(const char *key)
    {
        QAction *a = child<QAction>(frm(), QLatin1String(key));
        QVERIFY(a);
        a->trigger();
    }
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
            qWarning("expected \"%s\" at %s; window shows \"%s\" at %s", qPrintable(expected),
                     qPrintable(url(path)), qPrintable(frm()->windowTitle()),
                     qPrintable(pageUrl()));
        return settled;
    }
    void closeBrowser()
    {
        if (QPointer<BrowserWindow> f = frm()) {
            f->close();
            QTRY_VERIFY(f.isNull());
        }
    }

public Q_SLOTS:
    void handToDesktop(const QUrl &url) { handedToDesktop << url; }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(server.start());
        server.setPage(Results + QStringLiteral("/lotto649.html"), QStringLiteral("LOTTO 649"),
                       QStringLiteral("<a id=\"next\" href=\"/results/linked.html\" "
                                      "style=\"display:block;width:100%;height:400px\">"
                                      "Winning numbers</a>"));
    }
    void cleanupTestCase() { closeBrowser(); }

    void windowParts()
    {
        link(Results + QStringLiteral("/lotto649.html"));
        QVERIFY(frm());
        QVERIFY(settledOn(Results + QStringLiteral("/lotto649.html"), QStringLiteral("LOTTO 649")));
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

    void everyControlIsNamed()
    {
        const Walk walked = walkWindow(frm());
        QVERIFY2(walked.unnamed.isEmpty(), qPrintable(walked.unnamed.join(QLatin1Char('\n'))));
        // The tool bar's six buttons, the address box and the File menu's item at least.
        QVERIFY2(walked.actionableCount >= 8, qPrintable(QString::number(walked.actionableCount)));
    }

    void stopSetsThePageNameAtOnce()
    {
        const QString slow = Zodiac + QStringLiteral("/zodiac.htm");
        server.setDelay(slow, 20000);
        link(slow);
        QTRY_COMPARE_WITH_TIMEOUT(frm()->windowTitle(), QStringLiteral("Working..."), 10000);
        QTRY_VERIFY_WITH_TIMEOUT(server.count(slow) >= 1, 10000);
        toolButton("Stop");
        QVERIFY(!timer()->isActive());
        QCOMPARE(frm()->windowTitle(), view()->title());
        QVERIFY(frm()->windowTitle() != QStringLiteral("Working..."));
        QTest::qWait(100);
        QVERIFY(!timer()->isActive());
        server.setDelay(slow, 0);
    }

    void backAndForwardWithNowhereToGoDoNothing()
    {
        // A fresh window has only the page the link opened.
        closeBrowser();
        const QString page = Stats + QStringLiteral("/stat_analysis.html-ssi");
        link(page);
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

        // The typed text is taken as it stands, even when it is no address at all.
        for (const QString &nonsense : {QString(), QStringLiteral("no such thing ::")}) {
            box()->lineEdit()->selectAll();
            QTest::keyClick(box()->lineEdit(), Qt::Key_Delete);
            QTest::keyClicks(box()->lineEdit(), nonsense);
            QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
            QTRY_VERIFY_WITH_TIMEOUT(!timer()->isActive(), 30000);
            QCOMPARE(list(), before);
            QVERIFY(frm()->isVisible());
        }
    }

    void choosingAListEntryOpensIt()
    {
        QVERIFY(frm());
        const QString entry = list().at(0);
        server.clearRequests();
        box()->showPopup();
        QAbstractItemView *popup = box()->view();
        QTRY_VERIFY(popup->isVisible());
        popup->setCurrentIndex(box()->model()->index(0, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(settledOn(Stats + QStringLiteral("/stat_analysis.html-ssi")));
        QCOMPARE(box()->currentText(), entry);
        QCOMPARE(server.count(Stats + QStringLiteral("/stat_analysis.html-ssi")), 1);
    }

    // Only choosing an entry opens it: typing an entry's text and leaving the box, or
    // pressing Enter on it, never counts as choosing it.
    void typedEntryTextIsNoChoice()
    {
        link(Results + QStringLiteral("/lotto649.html"));
        QVERIFY(settledOn(Results + QStringLiteral("/lotto649.html"), QStringLiteral("LOTTO 649")));
        const QString entry = list().at(0);
        const QString entryPath = entry.mid(server.base().size());
        int chosen = 0;
        connect(box(), &QComboBox::activated, this, [&] { ++chosen; });
        box()->setFocus();
        box()->lineEdit()->selectAll();
        QTest::keyClicks(box()->lineEdit(), entry);
        server.clearRequests();
        view()->setFocus();
        QVERIFY(!timer()->isActive());
        QCOMPARE(chosen, 0);
        box()->setFocus();
        QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
        QCOMPARE(chosen, 0);
        QTRY_VERIFY_WITH_TIMEOUT(pageUrl() == entry && !timer()->isActive(), 30000);
        QCOMPARE(server.count(entryPath), 1);
    }

    void linkFollowedInThePageAndBack()
    {
        const QString start = Results + QStringLiteral("/lotto649.html");
        link(start);
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
        QCOMPARE(box()->currentText(), url(linked));
        QCOMPARE(box()->count(), listed);
        toolButton("Back");
        QVERIFY(settledOn(start, QStringLiteral("LOTTO 649")));
        toolButton("Forward");
        QVERIFY(settledOn(linked));
        toolButton("Refresh");
        QVERIFY(settledOn(linked));
        toolButton("Home");
        QVERIFY(settledOn(Results));
        toolButton("Search");
        QVERIFY(settledOn(QStringLiteral("/search")));
    }

    // Only web pages open: any other address, typed or sent by a link command, leaves the
    // page where it was and asks nothing of the server; the window's own page says why, and
    // the title and the address box show the refused address.
    void onlyWebPagesOpen_data()
    {
        QTest::addColumn<QString>("address");
        const QString page = url(QStringLiteral("/secret.html"));
        QTest::newRow("file") << QStringLiteral("file:///etc/passwd");
        QTest::newRow("bare path") << QStringLiteral("/etc/");
        QTest::newRow("javascript") << QStringLiteral("javascript:location.href='%1'").arg(page);
        QTest::newRow("data") << QStringLiteral("data:text/html,<a href='%1'>x</a>").arg(page);
        QTest::newRow("view-source") << QStringLiteral("view-source:") + page;
        QTest::newRow("chrome") << QStringLiteral("chrome://version");
        QTest::newRow("qrc") << QStringLiteral("qrc:/assets/lottoworla.svg");
        QTest::newRow("ftp") << QStringLiteral("ftp") + page.mid(4);
    }
    void onlyWebPagesOpen()
    {
        QFETCH(QString, address);
        const QString page = Results + QStringLiteral("/lotto649.html");
        link(page);
        QVERIFY(settledOn(page, QStringLiteral("LOTTO 649")));
        server.clearRequests();
        box()->setEditText(address);
        QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
        host.handle(message("navigate", {{QStringLiteral("address"), address}}));
        QVERIFY(frm()->lblRefused()->text().contains(QStringLiteral("web pages only")));
        QTRY_VERIFY(!timer()->isActive() && frm()->windowTitle() == box()->currentText());
        QTest::qWait(300);
        QCOMPARE(pageUrl(), url(page));
        QCOMPARE(server.requests(), QStringList());
        QVERIFY(!frm()->lblRefused()->isHidden());
    }

    // A link meant for a new window opens in this one; a link to an address of another
    // scheme is not handed to the desktop, whatever program it has for that scheme.
    void linksStayInTheWindow()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("xlottotest"), this, "handToDesktop");
        const QString links = QStringLiteral("/links.html");
        server.setPage(links, QStringLiteral("Links"),
                       QStringLiteral("<a href='/new.html' target='_blank' style='display:block;"
                                      "height:200px'>new</a><a href='xlottotest:marker' "
                                      "onclick=\"document.title='clicked'\">marker</a>"));
        // A click just after a page has loaded can be lost: click until it is seen.
        const auto clickUntil = [&](QPoint at, const std::function<bool()> &done) {
            return QTest::qWaitFor(
                [&] {
                    QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, {}, at);
                    return QTest::qWaitFor(done, 1000);
                },
                30000);
        };
        link(links);
        QVERIFY(settledOn(links, QStringLiteral("Links")));
        QVERIFY(
            clickUntil({40, 40}, [&] { return pageUrl() == url(QStringLiteral("/new.html")); }));
        link(links);
        QVERIFY(settledOn(links, QStringLiteral("Links")));
        QVERIFY(clickUntil({20, 215}, [&] { return view()->title() == QLatin1String("clicked"); }));
        QTest::qWait(500);
        QDesktopServices::unsetUrlHandler(QStringLiteral("xlottotest"));
        QCOMPARE(handedToDesktop, QList<QUrl>());
    }

    // Every navigation ends idle, those inside one page too (an anchor, Back over it, the
    // page's own history): the title is the page's name, the timer stops, and the address
    // box shows where the page is, also after text was typed into it while the page loaded
    // again at the address it already had.
    void busyStateFollowsEveryNavigation_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QString>("ends");
        const QString page = QStringLiteral("/anchors.html");
        const QString anchor = page + QStringLiteral("#x");
        QTest::newRow("anchor") << QStringList{anchor} << anchor;
        QTest::newRow("back over it") << QStringList{anchor, QStringLiteral("Back")} << page;
        QTest::newRow("pushState, back")
            << QStringList{QStringLiteral("push"), QStringLiteral("Back")} << page;
        QTest::newRow("refresh") << QStringList{QStringLiteral("Refresh"), QStringLiteral("type")}
                                 << page;
        QTest::newRow("same address") << QStringList{page, QStringLiteral("type")} << page;
        QTest::newRow("same address with #x") << QStringList{anchor, anchor} << anchor;
    }
    void busyStateFollowsEveryNavigation()
    {
        QFETCH(QStringList, steps);
        QFETCH(QString, ends);
        const QString page = QStringLiteral("/anchors.html");
        server.setPage(page, QStringLiteral("Anchors"),
                       QStringLiteral("<div onclick=\"history.pushState({}, '', '/pushed.html')\" "
                                      "style='height:400px'>push</div><div style='height:3000px'>"
                                      "</div><p id='x'>x</p>"));
        closeBrowser();
        link(page);
        QVERIFY(settledOn(page, QStringLiteral("Anchors")));
        server.setDelay(page, 800);
        for (qsizetype i = 0; i < steps.size(); ++i) {
            const QString &step = steps.at(i);
            if (step == QLatin1String("push")) {
                QVERIFY(QTest::qWaitFor(
                    [&] {
                        QTest::mouseClick(view()->focusProxy(), Qt::LeftButton, {}, {40, 40});
                        return QTest::qWaitFor([&] { return pageUrl().endsWith("/pushed.html"); },
                                               1000);
                    },
                    30000));
            } else if (step == QLatin1String("type")) {
                // While the page loads again.
                QTRY_VERIFY(view()->page()->isLoading());
                box()->lineEdit()->selectAll();
                QTest::keyClicks(box()->lineEdit(), QStringLiteral("typed meanwhile"));
            } else if (step.startsWith(QLatin1Char('/'))) {
                box()->setEditText(url(step));
                QTest::keyClick(box()->lineEdit(), Qt::Key_Return);
                if (steps.value(i + 1) != QLatin1String("type"))
                    QTRY_VERIFY(pageUrl() == url(step) && !timer()->isActive());
            } else {
                toolButton(qPrintable(step));
            }
        }
        QVERIFY(settledOn(ends, QStringLiteral("Anchors")));
        QTRY_COMPARE(box()->currentText(), url(ends));
        QTest::qWait(100);
        QVERIFY(!timer()->isActive());
        server.setDelay(page, 0);
    }

    // Whatever a page asks for, the window stays whole and shows a web page or its own page
    // refusing the address, never a document the page could write into; at most one box
    // tells of refused downloads, and nothing is saved.
    void hostilePages_data()
    {
        QTest::addColumn<QString>("body");    // "302 ADDRESS": a redirect there instead
        QTest::addColumn<QString>("refused"); // what the title and address box then show
        const QString file = QStringLiteral("file:///etc/passwd");
        const QString data = QStringLiteral("data:text/html,owned");
        const auto open = [](const QString &to) {
            return QStringLiteral("<script>window.open('%1')</script>").arg(to);
        };
        const auto blank = [](const QString &to) {
            return QStringLiteral("<a id='a' href='%1' target='_blank'>a</a><script>"
                                  "document.getElementById('a').click()</script>")
                .arg(to);
        };
        const auto refresh = [](const QString &to) {
            return QStringLiteral("<meta http-equiv='refresh' content='0; url=%1'>").arg(to);
        };
        QTest::newRow("window.open, document.write")
            << QStringLiteral("<script>var w = window.open('about:blank'); w.document.write("
                              "'<title>owned</title>'); w.document.close()</script>")
            << QStringLiteral("about:blank");
        QTest::newRow("window.open mailto:")
            << open(QStringLiteral("mailto:a@b.c")) << QStringLiteral("mailto:a@b.c");
        QTest::newRow("window.open file:") << open(file) << file;
        QTest::newRow("window.open data:") << open(data) << data;
        // The engine asks for about:blank#blocked (Qt 6.4) or about:blank (6.11) instead.
        QTest::newRow("window.open javascript:")
            << open(QStringLiteral("javascript:alert(1)")) << QStringLiteral("about:blank");
        QTest::newRow("_blank to file:") << blank(file) << file;
        QTest::newRow("_blank to data:") << blank(data) << data;
        QTest::newRow("302 to file:") << QStringLiteral("302 ") + file << QStringLiteral("{page}");
        QTest::newRow("302 to data:") << QStringLiteral("302 ") + data << QStringLiteral("{page}");
        QTest::newRow("meta refresh to file:") << refresh(file) << file;
        QTest::newRow("meta refresh to a scheme no one knows")
            << refresh(QStringLiteral("xlottotest:marker")) << QStringLiteral("xlottotest:marker");
        QTest::newRow("20 downloads")
            << QStringLiteral("<script>for (var i = 0; i < 20; ++i) { var a = "
                              "document.createElement('a'); a.href = a.download = 'hostile-' + i;"
                              " document.body.appendChild(a); a.click() }</script>")
            << QString();
    }
    void hostilePages()
    {
        QFETCH(QString, body);
        QFETCH(QString, refused);
        const QString page =
            QStringLiteral("/hostile/%1").arg(qHash(QByteArray(QTest::currentDataTag())));
        server.setPage(page, QStringLiteral("Hostile"), body);
        if (body.startsWith(QLatin1String("302 ")))
            server.setRaw(page, "HTTP/1.1 302 Found\r\nContent-Length: 0\r\nLocation: " +
                                    body.mid(4).toUtf8() + "\r\n\r\n");
        refused.replace(QStringLiteral("{page}"), url(page));
        BoxAnswerer answerer;
        link(page);
        if (refused.isEmpty())
            QVERIFY(settledOn(page, QStringLiteral("Hostile")) && answerer.waitFor(1, 30000));
        else
            QTRY_VERIFY_WITH_TIMEOUT(frm()->windowTitle().startsWith(refused), 30000);
        QTest::qWait(1500);
        QCOMPARE(answerer.seen().size(), refused.isEmpty() ? 1 : 0);
        QCOMPARE(frm()->lblRefused()->isHidden(), refused.isEmpty());
        QVERIFY(box()->currentText().startsWith(refused.isEmpty() ? url(page) : refused));
        QVERIFY(view()->title() != QLatin1String("owned") && !timer()->isActive());
        // Nothing saved where a download would go, nor in the working or temporary folder.
        for (const QString &folder :
             {QDir::homePath(), QDir::homePath() + QStringLiteral("/Downloads"),
              QDir::currentPath(), QDir::tempPath()})
            QCOMPARE(QDir(folder).entryList({QStringLiteral("hostile-*")}), QStringList());
    }

    void layoutFollowsTheWindowSize()
    {
        BrowserWindow *f = frm();
        QVERIFY(f);
        auto check = [&] {
            const QWidget *client = f->centralWidget();
            const int wide = std::max(0, Twips::fromPixels(client->width()) - 100);
            const int high = std::max(0, Twips::fromPixels(client->height()) - 1315);
            QCOMPARE(box()->width(), Twips::toPixels(wide));
            QCOMPARE(box()->pos(), Twips::point(50, 330));
            QCOMPARE(view()->geometry(), QRect(Twips::point(50, 1215), Twips::size(wide, high)));
            QCOMPARE(child<QWidget>(f, QStringLiteral("tbToolBar"))->geometry(),
                     QRect(0, 0, client->width(), Twips::toPixels(540)));
            QCOMPARE(child<QWidget>(f, QStringLiteral("picAddress"))->geometry(),
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
        f->resize(640, 480);
        QTRY_VERIFY(f->centralWidget()->height() > Twips::toPixels(1315));
        check();
    }

    void activatingTheWindowMaximisesIt()
    {
        BrowserWindow *f = frm();
        QWidget other;
        other.show();
        f->setWindowState(Qt::WindowNoState);
        QVERIFY(!f->isMaximized());
        other.activateWindow();
        QTRY_VERIFY(other.isActiveWindow());
        f->activateWindow();
        QTRY_VERIFY(f->isMaximized());
    }

    void exitClosesTheWindowAndTellsTheHost()
    {
        QSignalSpy closed(&host, &BrowserHost::windowClosed);
        QPointer<BrowserWindow> old = frm();
        host.handle(message("close"));
        QCOMPARE(closed.size(), 1);
        QVERIFY(!host.window());
        QTRY_VERIFY(old.isNull());
        // Steps for a window that is not loaded do nothing; describe says it is not loaded.
        host.handle(message("navigate", {{QStringLiteral("address"), url(Results)}}));
        QCOMPARE(host.state().value(QStringLiteral("loaded")).toBool(), false);
    }

    // Only a render node this user can open counts as a graphics device.
    void graphicsDeviceIsARenderNode()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const auto touch = [&](const char *name) {
            QFile f(dir.filePath(QLatin1String(name)));
            return f.open(QIODevice::WriteOnly);
        };
        QVERIFY(!BrowserHost::hasGraphicsDevice(dir.filePath(QStringLiteral("missing"))));
        QVERIFY(touch("card0"));
        QVERIFY(!BrowserHost::hasGraphicsDevice(dir.path()));
        QVERIFY(touch("renderD128"));
        QVERIFY(BrowserHost::hasGraphicsDevice(dir.path()));
    }

    // The program closing the channel (File, Exit, or its end however it came) ends the
    // helper by itself, page open or not.
    void helperEndsWithItsChannel()
    {
        QProcess helper;
        QVERIFY(startHelper(helper));
        QTRY_VERIFY_WITH_TIMEOUT(helper.canReadLine(), 30000);
        helper.write(BrowserProtocol::encode(QStringLiteral("load"),
                                             {{QStringLiteral("address"), url(Results)}}));
        helper.write(
            BrowserProtocol::encode(QStringLiteral("describe"), {{QStringLiteral("id"), 1}}));
        QByteArray out;
        QTRY_VERIFY2_WITH_TIMEOUT(
            (out += helper.readAllStandardOutput()).contains("\"op\":\"state\""),
            qPrintable(QString::fromUtf8(helper.readAllStandardError().right(3000) + out)), 30000);
        helper.closeWriteChannel();
        QVERIFY(helper.waitForFinished(30000));
        QCOMPARE(helper.exitStatus(), QProcess::NormalExit);
        QCOMPARE(helper.exitCode(), 0);
    }

    // The helper ends a connection that breaks the message rules, says why, and does not crash.
    void helperEndsABrokenConnection_data()
    {
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("logged");
        QTest::newRow("not JSON") << QByteArray("garbage\n") << "not a JSON object";
        QTest::newRow("unknown op") << QByteArray("{\"v\":1,\"op\":\"format\"}\n") << "unknown";
        QTest::newRow("other version")
            << QByteArray("{\"v\":2,\"op\":\"close\"}\n") << "another protocol version";
        QTest::newRow("oversized")
            << QByteArray(BrowserProtocol::MaxMessageBytes + 10, 'x') << "longer than";
        QTest::newRow("at the limit, no line feed yet")
            << QByteArray(BrowserProtocol::MaxMessageBytes, 'x') << "longer than";
    }
    void helperEndsABrokenConnection()
    {
        QFETCH(QByteArray, input);
        QFETCH(QString, logged);
        QProcess helper;
        QVERIFY(startHelper(helper));
        QTRY_VERIFY_WITH_TIMEOUT(helper.canReadLine(), 30000);
        QVERIFY(helper.readLine().contains("\"op\":\"hello\""));
        helper.write(BrowserProtocol::encode(QStringLiteral("load"),
                                             {{QStringLiteral("address"), url(Results)}}));
        helper.write(input);
        QVERIFY(helper.waitForFinished(30000));
        const QString errors = QString::fromUtf8(helper.readAllStandardError());
        QVERIFY2(helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 3,
                 qPrintable(QStringLiteral("ended with %1 (%2): %3")
                                .arg(helper.exitCode())
                                .arg(helper.exitStatus())
                                .arg(errors.right(2000))));
        QVERIFY2(errors.contains(logged), qPrintable(errors.right(400)));
    }
};

int main(int argc, char *argv[])
{
    TestSupport::prepareEnvironment();
    // As the helper starts.
    BrowserHost::prepareEngine();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestBrowserWindow tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "test_window.moc"

// The table of the ten link pages: the rows belong to the controls that carry them, the
// addresses are the sites' base addresses with the paths as they stand, and the browser
// helper is looked for where the program is built and installed.

#include "support/testsupport.h"

#include "shared/lotto.h"
#include "shared/picture.h"
#include "ui/browser/helperfile.h"
#include "ui/browser/linktable.h"
#include "ui/main/catalogue.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QUrl>

using namespace TestSupport;

class TestLinkTable : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rowsBelongToTheirControls()
    {
        MainWindow w;
        const std::span<const LinkRow> rows = LinkTable::rows();
        // The five results pictures, by panel.
        for (int p = Panel::FirstGame; p <= Panel::LastGame; ++p) {
            const LinkRow &row = rows[static_cast<std::size_t>(p - 1)];
            QVERIFY(row.place == LinkPlace::ResultsPicture);
            const GameInfo *game = Catalogue::game(p);
            QCOMPARE(row.control, game->linkImageName);
            QCOMPARE(QString::fromLatin1(row.handler), QLatin1String(row.control) + "_Click");
            QCOMPARE(w.gamePanel(p)->linkImage->objectName(), QLatin1String(row.control));
            QCOMPARE(w.gamePanel(p)->linkImage->toolTip(), QLatin1String(row.text));
        }
        // Then File, Internet from top to bottom.
        QMenu *internet = w.findChild<QAction *>(QStringLiteral("mnuFileInternet"))->menu();
        QVERIFY(internet);
        const QList<QAction *> entries = internet->actions();
        QCOMPARE(entries.size(), 5);
        for (int i = 0; i < 5; ++i) {
            const LinkRow &row = rows[static_cast<std::size_t>(5 + i)];
            QVERIFY(row.place == LinkPlace::InternetMenu);
            QCOMPARE(entries.at(i)->objectName(), QLatin1String(row.control));
            QCOMPARE(QString::fromLatin1(row.handler), QLatin1String(row.control) + "_Click");
            QCOMPARE(entries.at(i)->text(), QLatin1String(row.text));
        }
        // Every control reaches its command through the window's handler of the row's name.
        for (const LinkRow &row : rows)
            QVERIFY2(w.metaObject()->indexOfSlot(row.handler + QByteArray("()")) >= 0, row.handler);
    }

    void addressesAreBaseAndPath()
    {
        const SiteAddresses sites = LinkTable::builtInSites();
        QStringList bases{sites.results, sites.statistics, sites.zodiac, sites.portal};
        for (const QString &base : bases) {
            const QUrl u(base);
            QCOMPARE(u.scheme(), QStringLiteral("https"));
            QVERIFY(!u.host().isEmpty());
            QVERIFY(u.path().isEmpty());
        }
        bases.removeDuplicates();
        QCOMPARE(bases.size(), 4);
        QCOMPARE(QUrl(sites.search).scheme(), QStringLiteral("https"));

        const QStringList expected{
            sites.results + "/lotto649.html",       sites.results + "/ontpick3.html",
            sites.results + "/ontario49.html",      sites.results + "/super7.html",
            sites.results + "/lottario.html",       sites.results,
            sites.statistics + "/everwon.html-ssi", sites.statistics + "/stat_analysis.html-ssi",
            sites.zodiac + "/zodiac.htm",           sites.portal};
        QCOMPARE(LinkTable::rows().size(), std::size_t(expected.size()));
        for (std::size_t row = 0; row < LinkTable::rows().size(); ++row)
            QCOMPARE(LinkTable::address(sites, LinkTable::rows()[row]), expected.at(int(row)));
        QCOMPARE(LinkTable::homePage(sites), sites.results);
        QCOMPARE(LinkTable::searchPage(sites), sites.search);
    }

    void testsCanPointTheSitesElsewhere()
    {
        const SiteAddresses other{QStringLiteral("http://a"), QStringLiteral("http://b"),
                                  QStringLiteral("http://c"), QStringLiteral("http://d"),
                                  QStringLiteral("http://e")};
        QCOMPARE(LinkTable::address(other, LinkTable::rows()[1]),
                 QStringLiteral("http://a/ontpick3.html"));
        QCOMPARE(LinkTable::address(other, LinkTable::rows()[7]),
                 QStringLiteral("http://b/stat_analysis.html-ssi"));
        QCOMPARE(LinkTable::address(other, LinkTable::rows()[8]),
                 QStringLiteral("http://c/zodiac.htm"));
        QCOMPARE(LinkTable::address(other, LinkTable::rows()[9]), QStringLiteral("http://d"));
        QCOMPARE(LinkTable::searchPage(other), QStringLiteral("http://e"));
    }

    void helperIsLookedForBesideTheProgramFirst()
    {
        const QStringList files = HelperFile::candidates();
        QVERIFY(files.size() >= 2);
        QCOMPARE(files.first(),
                 QCoreApplication::applicationDirPath() + QStringLiteral("/lottoworla-browser"));
        // The install folder relative to the program comes before any fixed folder.
        QVERIFY2(files.at(1).endsWith(QStringLiteral("/lottoworla/lottoworla-browser")),
                 qPrintable(files.join(' ')));
        for (const QString &f : files)
            QVERIFY(QDir::isAbsolutePath(f));
        // The environment names another helper; otherwise the first that exists is taken.
        qputenv("LOTTOWORLA_BROWSER_HELPER", "/x/lottoworla-browser");
        QCOMPARE(HelperFile::path(), QStringLiteral("/x/lottoworla-browser"));
        qunsetenv("LOTTOWORLA_BROWSER_HELPER");
        QVERIFY2(QFileInfo(HelperFile::path()).isExecutable(), qPrintable(HelperFile::path()));
    }
};

LOTTO_TEST_MAIN(TestLinkTable)
#include "test_linktable.moc"

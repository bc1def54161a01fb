// File, Print against the system's printing service. Run by with_cups.sh, which starts a
// private print service with a PDF printer as the default printer (LOTTO_PRINT_MODE=cups,
// LOTTO_PRINT_OUTDIR the folder the PDF printer writes to), or with no print service at all
// (LOTTO_PRINT_MODE=none).

#include "support/testsupport.h"

#include "ui/main/mainwindow.h"
#include "ui/main/windowprinter.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <optional>

using namespace TestSupport;

namespace {

QString mode()
{
    return qEnvironmentVariable("LOTTO_PRINT_MODE");
}

// Runs a command line tool; its standard output, or nothing when it failed.
std::optional<QString> run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

// Pixels of the window's greens (its background and the panels).
bool isWindowGreen(QRgb c)
{
    return qGreen(c) > 90 && qGreen(c) > qRed(c) + 50 && qGreen(c) > qBlue(c) + 50;
}

} // namespace

class TestPrint : public QObject
{
    Q_OBJECT

    QPointer<MainWindow> w;

    // Chooses File, Print and answers Yes; returns the boxes seen.
    QList<SeenBox> printFromMenu()
    {
        BoxAnswerer answerer({QMessageBox::Yes});
        w->findChild<QAction *>(QStringLiteral("mnuPrint"))->trigger();
        return answerer.seen();
    }

private Q_SLOTS:
    void init()
    {
        w = new MainWindow;
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    void cleanup() { delete w.data(); }

    void noPrinterIsReported()
    {
        if (mode() != QLatin1String("none"))
            QSKIP("run by with_cups.sh with no print service (LOTTO_PRINT_MODE=none)");
        const QList<SeenBox> seen = printFromMenu();
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen.at(0).text, QStringLiteral("Are you sure you want to print?"));
        QCOMPARE(seen.at(1).title, WindowPrinter::failureTitle());
        QCOMPARE(seen.at(1).icon, QMessageBox::Information);
        // No print service: no default printer either.
        QCOMPARE(seen.at(1).text,
                 shown(WindowPrinter::failureText(WindowPrinter::Outcome::NoPrinter, QString())));
    }

    void printsTheClientAreaOnTheDefaultPrinter()
    {
        if (mode() != QLatin1String("cups"))
            QSKIP("run by with_cups.sh with its print service (LOTTO_PRINT_MODE=cups)");
        const QDir out(qEnvironmentVariable("LOTTO_PRINT_OUTDIR"));
        QVERIFY(!out.path().isEmpty());

        // The job carries the window's caption as its name, and the PDF printer names its
        // file after it: a caption of its own finds this run's file among others.
        const QString token = QStringLiteral("lottoprint%1x%2")
                                  .arg(QCoreApplication::applicationPid())
                                  .arg(QRandomGenerator::global()->generate());
        w->setWindowTitle(token);
        w->imgpic_Click(0); // the Lotto 649 panel

        const QList<SeenBox> seen = printFromMenu();
        QCOMPARE(seen.size(), 1); // the question; nothing after a good print
        QCOMPARE(seen.first().title, QStringLiteral("* QUESTION *"));

        QString pdf;
        auto findPdf = [&] {
            const QStringList found = out.entryList({token + QStringLiteral("*.pdf")}, QDir::Files);
            if (found.isEmpty())
                return false;
            pdf = out.filePath(found.first());
            // Complete once the PDF tools can read it.
            return run(QStringLiteral("pdfinfo"), {pdf}).has_value();
        };
        QTRY_VERIFY_WITH_TIMEOUT(findPdf(), 60000);
        auto removePdf = qScopeGuard([&] {
            // LOTTO_PRINT_KEEP names a file to keep the PDF in, for a look at it.
            if (!qEnvironmentVariableIsEmpty("LOTTO_PRINT_KEEP"))
                QFile::copy(pdf, qEnvironmentVariable("LOTTO_PRINT_KEEP"));
            QFile::remove(pdf);
        });

        const QString info = run(QStringLiteral("pdfinfo"), {pdf}).value_or(QString());
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))),
                 qPrintable(info));
        // The page holds a picture (the window's image), not text.
        const QStringList images = run(QStringLiteral("pdfimages"), {"-list", pdf})
                                       .value_or(QString())
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                                       .mid(2);
        QVERIFY2(!images.isEmpty(), qPrintable(pdf));

        // Rendered, the page shows the window: a green area with the client area's
        // proportions, at the top of the page.
        QTemporaryDir dir;
        const QString prefix = dir.filePath(QStringLiteral("page"));
        QVERIFY(run(QStringLiteral("pdftoppm"), {"-r", "40", "-png", "-singlefile", pdf, prefix}));
        QImage page(prefix + QStringLiteral(".png"));
        QVERIFY(!page.isNull());
        page = page.convertToFormat(QImage::Format_RGB32);
        QRect green;
        qint64 greenPixels = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (isWindowGreen(page.pixel(x, y))) {
                    green |= QRect(x, y, 1, 1);
                    ++greenPixels;
                }
        QVERIFY2(greenPixels > qint64(page.width()) * page.height() / 10,
                 qPrintable(QString::number(greenPixels)));
        const QSize client = w->centralWidget()->size();
        const double want = double(client.width()) / client.height();
        const double got = double(green.width()) / green.height();
        QVERIFY2(qAbs(got - want) / want < 0.06,
                 qPrintable(QStringLiteral("%1 vs %2").arg(got).arg(want)));
        QVERIFY(green.width() > page.width() / 2); // scaled to the page
        QVERIFY(green.top() < page.height() / 4);  // from the top of the page
        // Mostly green inside: the window's background and panel, not a blank page.
        QVERIFY(greenPixels > qint64(green.width()) * green.height() / 2);
    }
};

LOTTO_TEST_MAIN(TestPrint)
#include "test_print.moc"

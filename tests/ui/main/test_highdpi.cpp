// The main window on a high-resolution screen: at scale factor 2 (and 1.5, in a child run)
// everything stands where it stands at 1, in device-independent pixels, and the artwork
// is drawn at the screen's resolution, not enlarged from a small picture.

#include "support/testsupport.h"

#include "shared/lotto.h"
#include "shared/picture.h"
#include "shared/twips.h"
#include "ui/main/gamepanel.h"
#include "ui/main/mainwindow.h"
#include "ui/main/selectionpanel.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QToolButton>

#include <cmath>

using namespace TestSupport;

namespace {
qreal scaleUnderTest()
{
    bool ok = false;
    const qreal s = qEnvironmentVariable("LOTTO_TEST_SCALE").toDouble(&ok);
    return ok && s > 0 ? s : 2.0;
}

// Mean difference per colour channel (0 to 255) of two images of the same size.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    if (x.size() != y.size())
        return 255;
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            sum += std::abs(qRed(p[col]) - qRed(q[col])) +
                   std::abs(qGreen(p[col]) - qGreen(q[col])) +
                   std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return sum / (3.0 * x.width() * x.height());
}

// The picture's artwork as a screen of ratio `dpr` should show it: drawn at full resolution
// on the panel's colour, over the picture's box.
QImage crispRender(const Picture *pic, const QSize &devicePixels, qreal dpr)
{
    QImage img(devicePixels, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(pic->palette().color(QPalette::Window));
    QPainter p(&img);
    QSvgRenderer svg(pic->resource());
    svg.setAspectRatioMode(Qt::IgnoreAspectRatio);
    svg.render(&p, QRectF(QPointF(0, 0), QSizeF(pic->size())));
    p.end();
    img.setDevicePixelRatio(1);
    return img;
}

// The same artwork drawn at one device pixel per pixel and enlarged: what a blurry
// picture looks like.
QImage enlargedRender(const Picture *pic, const QSize &devicePixels)
{
    return crispRender(pic, pic->size(), 1)
        .scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
} // namespace

class TestHighDpi : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> w;

private Q_SLOTS:
    void init()
    {
        w = shownMainWindow();
        QVERIFY(w);
    }
    void cleanup() { w.reset(); }

    void theScreenHasTheScale() { QCOMPARE(w->devicePixelRatioF(), scaleUnderTest()); }

    void layoutIsTheSameInDeviceIndependentPixels()
    {
        QCOMPARE(w->centralWidget()->size(), Twips::size(8190, 4500));
        for (int p = 0; p < Panel::Count; ++p) {
            QCOMPARE(w->fraMenu(p)->pos(), Twips::point(368, 323));
            QCOMPARE(w->fraMenu(p)->size(), Twips::size(7455, 3855));
        }
        QCOMPARE(w->selection()->title->pos(), Twips::point(1110, 240));
        QCOMPARE(w->selection()->pictures.at(0)->geometry(), Twips::rect(960, 960, 1440, 1140));
        QCOMPARE(w->gamePanel(1)->back->geometry(), Twips::rect(120, 3240, 1455, 495));
        QCOMPARE(w->picstatus()->geometry(), Twips::rect(1268, 1823, 5655, 855));
    }

    void gamePicturesAreDrawnAtTheScreensResolution()
    {
        const qreal dpr = scaleUnderTest();
        for (Picture *pic : w->selection()->pictures) {
            pic->clearFocus(); // the artwork alone, without the focus ring
            const QPixmap shot = pic->grab();
            QCOMPARE(shot.devicePixelRatio(), dpr);
            const QSize devicePixels = shot.size();
            QCOMPARE(devicePixels, (QSizeF(pic->size()) * dpr).toSize());
            const QImage image = shot.toImage();
            const double crisp = meanDifference(image, crispRender(pic, devicePixels, dpr));
            const double blurry = meanDifference(image, enlargedRender(pic, devicePixels));
            const QString figures = QStringLiteral("%1: %2 from the full-resolution drawing, "
                                                   "%3 from an enlarged one")
                                        .arg(pic->objectName())
                                        .arg(crisp)
                                        .arg(blurry);
            QVERIFY2(crisp < 2.0, qPrintable(figures));
            QVERIFY2(crisp < blurry / 2, qPrintable(figures));
        }
    }

    void backIconHasAFullResolutionPixmap()
    {
        const qreal dpr = scaleUnderTest();
        QToolButton *back = w->gamePanel(1)->back;
        const QPixmap icon = back->icon().pixmap(back->iconSize(), dpr);
        QCOMPARE(icon.devicePixelRatio(), dpr);
        QCOMPARE(icon.size(), (QSizeF(back->iconSize()) * dpr).toSize());
    }

    void textScalesWithTheWindow()
    {
        // The fonts are sized in points, so a caption keeps its size in device-independent
        // pixels and gets more device pixels.
        QLabel *title = w->selection()->title;
        const QFontMetrics fm(title->font(), title);
        QVERIFY(fm.horizontalAdvance(title->text()) <= title->width() + 2);
        QCOMPARE(title->grab().devicePixelRatio(), scaleUnderTest());
    }

    void alsoAtOneAndAHalf()
    {
        if (qEnvironmentVariableIsSet("LOTTO_TEST_SCALE"))
            QSKIP("this is the child run");
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LOTTO_TEST_SCALE"), QStringLiteral("1.5"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForFinished(120000));
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 child.readAll().constData());
    }
};

int main(int argc, char *argv[])
{
    // The scale factor must be known before the application object exists.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scaleUnderTest()));
    TestSupport::prepareEnvironment();
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestHighDpi tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "test_highdpi.moc"

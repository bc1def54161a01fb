#include "app/splashwindow.h"

#include "app/windowwiring.h"
#include "generation/randomstream.h"
#include "shared/doevents.h"
#include "shared/picture.h"
#include "shared/placement.h"
#include "shared/twips.h"
#include "ui/main/mainwindow.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace {

QLabel *label(const QString &text, const char *name, double pointSize, bool bold, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    // Plain text: "&" shows as itself.
    l->setTextFormat(Qt::PlainText);
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    l->setFont(f);
    return l;
}

// A label that sizes itself to its text and keeps its right edge where it was designed.
void placeRightAligned(QLabel *l, int rightTwips, int topTwips)
{
    l->setAlignment(Qt::AlignRight | Qt::AlignTop);
    l->adjustSize();
    l->move(Twips::toPixels(rightTwips) - l->width(), Twips::toPixels(topTwips));
}

// Re-seeds the shared random source from the clock.
void reseedFromClock()
{
    sharedRandom().reseedFromClock();
}

} // namespace

SplashWindow::SplashWindow(int handOverMs, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    // No title bar, no task-bar entry. A tool window, unlike a splash screen, is given the
    // keyboard when it asks for it (on show) under every window manager, so that the first key
    // hands over; the main window is shown normally after it and takes nothing from others.
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::size(ClientWidthTwips, ClientHeightTwips));
    setCursor(Qt::WaitCursor);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);

    // A fixed dialog border around the whole window.
    m_frame1 = new QFrame(this);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame1->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_frame1->setGeometry(Twips::rect(150, 60, 7080, 4080));

    m_imgLogo = new Picture(QStringLiteral(":/assets/splash-logo.svg"), m_frame1);
    m_imgLogo->setObjectName(QStringLiteral("imgLogo"));
    m_imgLogo->setGeometry(Twips::rect(360, 795, 1815, 1815));

    m_image1 = new Picture(QStringLiteral(":/assets/splash-emblem.svg"), m_frame1);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setGeometry(Twips::rect(6120, 240, 720, 720));

    m_lblCompanyProduct = label(tr("Orvek's Lotto Vorla"), "lblCompanyProduct", 18, true, m_frame1);
    m_lblCompanyProduct->move(Twips::point(2520, 1080));
    m_lblCompanyProduct->adjustSize();

    m_lblPlatform = label(tr("Windows9'X 'NT & '2000"), "lblPlatform", 15.75, true, m_frame1);
    placeRightAligned(m_lblPlatform, 6840, 2160);

    m_lblVersion = label(tr("Version 1.0"), "lblVersion", 12, true, m_frame1);
    placeRightAligned(m_lblVersion, 6840, 2640);

    m_lblWarning = label(QString(), "lblWarning", 8.25, false, m_frame1);
    m_lblWarning->setWordWrap(true);
    m_lblWarning->setGeometry(Twips::rect(240, 3600, 6600, 315));

    m_lblCompany = label(tr("Talmar Software Inc."), "lblCompany", 8.25, false, m_frame1);
    m_lblCompany->move(Twips::point(4920, 3240));
    m_lblCompany->adjustSize();

    // Every part of the window answers a mouse press, and keys reach the window whatever
    // has the focus.
    m_frame1->installEventFilter(this);
    for (QWidget *w : m_frame1->findChildren<QWidget *>())
        w->installEventFilter(this);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(handOverMs);
    connect(m_timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);

    // Centred on the screen.
    Placement::centreOnScreen(this);

    Form_Load();
}

void SplashWindow::Form_Load()
{
    m_timer1->start(); // enabled from the moment the window loads
    doEvents();
    reseedFromClock();
}

void SplashWindow::Form_Activate()
{
    doEvents();
    reseedFromClock();
}

void SplashWindow::Timer1_Timer()
{
    // The first thing the hand-over does is let pending events run: a key or mouse press
    // arriving then must not start a second hand-over.
    if (m_handingOver)
        return;
    m_handingOver = true;

    do {
        doEvents();
        m_timer1->stop();
    } while (m_timer1->isActive());

    MainWindow *main = MainWindow::instance();
    if (!main) {
        main = new MainWindow; // its Form_Load runs now
        WindowWiring::connectMainWindow(main);
    }
    main->show();

    close(); // unload: the window deletes itself
}

void SplashWindow::Form_KeyDown()
{
    Timer1_Timer();
}

void SplashWindow::Form_MouseDown()
{
    Timer1_Timer();
}

void SplashWindow::Frame1_MouseDown()
{
    Timer1_Timer();
}

void SplashWindow::imgLogo_MouseDown()
{
    Timer1_Timer();
}

void SplashWindow::Image1_MouseDown()
{
    Timer1_Timer();
}

void SplashWindow::lblCompanyProduct_MouseDown()
{
    Timer1_Timer();
}

void SplashWindow::lblPlatform_MouseDown()
{
    Timer1_Timer();
}

void SplashWindow::lblVersion_MouseDown()
{
    Timer1_Timer();
}

void SplashWindow::lblWarning_MouseDown()
{
    Timer1_Timer();
}

void SplashWindow::lblCompany_MouseDown()
{
    Timer1_Timer();
}

bool SplashWindow::mouseDownOn(QObject *control)
{
    const std::pair<QObject *, void (SplashWindow::*)()> handlers[] = {
        {this, &SplashWindow::Form_MouseDown},
        {m_frame1, &SplashWindow::Frame1_MouseDown},
        {m_imgLogo, &SplashWindow::imgLogo_MouseDown},
        {m_image1, &SplashWindow::Image1_MouseDown},
        {m_lblCompanyProduct, &SplashWindow::lblCompanyProduct_MouseDown},
        {m_lblPlatform, &SplashWindow::lblPlatform_MouseDown},
        {m_lblVersion, &SplashWindow::lblVersion_MouseDown},
        {m_lblWarning, &SplashWindow::lblWarning_MouseDown},
        {m_lblCompany, &SplashWindow::lblCompany_MouseDown},
    };
    for (const auto &[target, handler] : handlers) {
        if (target == control) {
            (this->*handler)();
            return true;
        }
    }
    return false;
}

bool SplashWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        Form_KeyDown(); // any key, the modifier keys alone included
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        mouseDownOn(this);
        return true;
    case QEvent::Show:
        activateWindow(); // the keys typed from now on come here
        break;
    case QEvent::WindowActivate:
        Form_Activate();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

bool SplashWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        Form_KeyDown();
        return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (mouseDownOn(watched))
            return true;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

#include "ui/main/mainwindow.h"

#include "shared/doevents.h"
#include "shared/fonts.h"
#include "shared/lotto.h"
#include "shared/messagebox.h"
#include "shared/palettes.h"
#include "shared/picture.h"
#include "shared/placement.h"
#include "shared/pointer.h"
#include "shared/twips.h"
#include "ui/browser/linktable.h"
#include "ui/main/catalogue.h"
#include "ui/main/gamepanel.h"
#include "ui/main/selectionpanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace {
QPointer<MainWindow> g_instance;

// Keyboard users go on where the window now is: when the control that had the window's
// focus was on a panel just hidden, the focus moves to `target` (or, failing that, the first
// control of the visible panel that Tab reaches). A focus elsewhere stays where it is.
// This holds while another window is active too (Help, or the editor just closed): Qt moves
// the focus off a hidden control only in the active window, and the first key the window
// gets back would otherwise go to the hidden control and run it.
void keepFocusVisible(QWidget *window, QWidget *panel, QWidget *target)
{
    QWidget *focus = window->focusWidget();
    if (focus && focus->isVisible())
        return;
    auto canTake = [panel](QWidget *w) {
        return w && panel->isAncestorOf(w) && w->isVisible() && w->isEnabled() &&
               (w->focusPolicy() & Qt::TabFocus);
    };
    if (!canTake(target)) {
        target = nullptr;
        for (QWidget *w = panel->nextInFocusChain(); w != panel; w = w->nextInFocusChain()) {
            if (canTake(w)) {
                target = w;
                break;
            }
        }
    }
    if (target)
        target->setFocus(Qt::OtherFocusReason);
}
} // namespace

MainWindow *MainWindow::instance()
{
    return g_instance;
}

MainWindow::MainWindow(const WindowHooks *hooks) : m_hooks(hooks)
{
    setObjectName(QStringLiteral("frmmain"));
    setWindowTitle(tr("Orvek's Lotto Worla Generator"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/lottoworla.svg")));
    // Fixed single border: a minimise button, no maximise button, no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);

    setFont(Fonts::msSansSerif(8.25));

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("frmmainClient"));
    client->setFixedSize(Twips::size(ClientWidthTwips, ClientHeightTwips));
    Palettes::paintOwn(client, QColor(0, 128, 0));
    setCentralWidget(client);

    // Panels from back to front: 6 down to 1, then the selection screen; the status strip
    // lies in front of them all.
    for (PanelIndex p = Panel::Custom; p >= Panel::FirstGame; --p) {
        auto *panel = new GamePanel(p, Catalogue::game(p), client);
        panel->hide();
        m_panels[static_cast<std::size_t>(p)] = panel;
    }
    m_selection = new SelectionPanel(client);
    m_panels[Panel::Selection] = m_selection;
    buildStatusStrip();
    buildMenus();

    // Wire the controls to the window's handlers.
    for (PanelIndex p = Panel::FirstGame; p <= Panel::Custom; ++p) {
        GamePanel *panel = gamePanel(p);
        if (panel->rules)
            connect(panel->rules, &QPushButton::clicked, this, [this, p] { cmdrules_Click(p); });
        const PanelIndex addIndex = p == Panel::Custom ? PanelIndex(0) : p;
        connect(panel->addVorla, &QPushButton::clicked, this,
                [this, addIndex] { cmdAddVorla_Click(addIndex); });
        connect(panel->generate, &QPushButton::clicked, this, [this, p] { cmdgenerate_Click(p); });
        connect(panel->clear, &QPushButton::clicked, this, [this, p] { cmdclear_Click(p); });
        connect(panel->back, &QToolButton::clicked, this, [this, p] { cmdback_Click(p); });
        for (QAbstractButton *b : panel->buttons())
            b->installEventFilter(this);
    }
    // Each results picture opens the page of its row in the link table.
    for (const LinkRow &row : LinkTable::rows()) {
        if (row.place != LinkPlace::ResultsPicture)
            continue;
        auto *picture = client->findChild<Picture *>(QLatin1String(row.control));
        Q_ASSERT(picture);
        if (picture)
            connect(picture, &Picture::clicked, this, [this, &row] { runLinkHandler(row); });
    }

    for (int k = 0; k < m_selection->pictures.size(); ++k) {
        Picture *pic = m_selection->pictures.at(k);
        connect(pic, &Picture::clicked, this, [this, k] { imgpic_Click(k); });
        connect(pic, &Picture::mouseMoved, this, [this, k] { HighlightPic(k); });
    }
    m_selection->customLabel->installEventFilter(this);

    // Key preview: the window sees every key before the control that has the focus.
    qApp->installEventFilter(this);

    Form_Load();
    adjustSize();
    setFixedSize(sizeHint());
    Placement::centreOnScreen(this);
    g_instance = this;
}

MainWindow::~MainWindow()
{
    qApp->removeEventFilter(this);
}

void MainWindow::buildStatusStrip()
{
    m_picstatus = new QFrame(centralWidget());
    m_picstatus->setObjectName(QStringLiteral("picstatus"));
    m_picstatus->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picstatus->setAutoFillBackground(true);
    m_picstatus->resize(Twips::size(StatusWidthTwips, StatusHeightTwips));
    m_picstatus->setCursor(Qt::WaitCursor);
    m_picstatus->hide();

    auto *icon = new Picture(QStringLiteral(":/assets/hourglass.svg"), m_picstatus);
    icon->setObjectName(QStringLiteral("Image1"));
    icon->setGeometry(Twips::rect(240, 120, 480, 480));

    m_lblstatus = new QLabel(tr("Please Wait While Generating . . ."), m_picstatus);
    m_lblstatus->setObjectName(QStringLiteral("lblstatus"));
    m_lblstatus->setFont(Fonts::msSansSerif(12, true));
    m_lblstatus->setGeometry(Twips::rect(1080, 240, 4215, 375));

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(150);
    connect(m_timer1, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
}

void MainWindow::buildMenus()
{
    auto named = [](QAction *a, const char *name) {
        a->setObjectName(QLatin1String(name));
        return a;
    };

    m_mnuFile = menuBar()->addMenu(tr("&File"));
    named(m_mnuFile->menuAction(), "mnuFile");
    QMenu *internet = m_mnuFile->addMenu(tr("&Internet"));
    named(internet->menuAction(), "mnuFileInternet");
    for (const LinkRow &row : LinkTable::rows()) {
        if (row.place != LinkPlace::InternetMenu)
            continue;
        QAction *entry = named(internet->addAction(LinkTable::caption(row)), row.control);
        connect(entry, &QAction::triggered, this, [this, &row] { runLinkHandler(row); });
    }

    QAction *vorla = named(m_mnuFile->addAction(tr("&Add/Remove Vorla")), "mnuFileVorla");
    vorla->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    connect(vorla, &QAction::triggered, this, &MainWindow::mnuFileVorla_Click);
    QAction *print = named(m_mnuFile->addAction(tr("&Print")), "mnuPrint");
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    connect(print, &QAction::triggered, this, &MainWindow::mnuPrint_Click);
    QAction *exit = named(m_mnuFile->addAction(tr("E&xit")), "mnuFileExit");
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    connect(exit, &QAction::triggered, this, &MainWindow::mnuFileExit_Click);

    m_mnuAbout = menuBar()->addMenu(tr("&About"));
    named(m_mnuAbout->menuAction(), "mnuAbout");
    QAction *help = named(m_mnuAbout->addAction(tr("Help")), "mnuAboutHelp");
    help->setShortcut(QKeySequence(Qt::Key_F1));
    connect(help, &QAction::triggered, this, &MainWindow::mnuAboutHelp_Click);
    QAction *about = named(m_mnuAbout->addAction(tr("&About...")), "mnuAboutAbout");
    about->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(about, &QAction::triggered, this, &MainWindow::mnuAboutAbout_Click);

    // The shortcuts work wherever the focus is in this window, menus closed.
    for (QAction *a : {vorla, print, exit, help, about}) {
        a->setShortcutContext(Qt::WindowShortcut);
        addAction(a);
    }
}

QFrame *MainWindow::fraMenu(int index) const
{
    if (index < 0 || index >= Panel::Count)
        return nullptr;
    return m_panels[static_cast<std::size_t>(index)];
}

GamePanel *MainWindow::gamePanel(int index) const
{
    if (index < Panel::FirstGame || index > Panel::Custom)
        return nullptr;
    return static_cast<GamePanel *>(m_panels[static_cast<std::size_t>(index)]);
}

PanelIndex MainWindow::visiblePanel() const
{
    for (PanelIndex p = 0; p < Panel::Count; ++p)
        if (!fraMenu(p)->isHidden())
            return p;
    return -1;
}

void MainWindow::Form_Load()
{
    Lotto.VorlaAdded = LottoModule::False;

    QLabel *title = m_selection->title;
    Layout placed{};
    for (PanelIndex i = 0; i < Panel::Count; ++i) {
        QFrame *panel = fraMenu(i);
        placed = layoutTwips(centralWidget()->size(), panel->size(), title->width(),
                             m_picstatus->size());
        panel->move(Twips::point(placed.panel.x(), placed.panel.y()));
        // Every pass gives the same result: the title is centred in the selection screen.
        title->move(Twips::toPixels(placed.titleLeft), title->y());
    }
    m_picstatus->move(Twips::point(placed.status.x(), placed.status.y()));
}

MainWindow::Layout MainWindow::layoutTwips(QSize client, QSize panel, int titleWidth, QSize status)
{
    const int scaleWidth = Twips::fromPixels(client.width());
    const int scaleHeight = Twips::fromPixels(client.height());
    auto centred = [&](QSize size) {
        return QPoint(Twips::half(scaleWidth) - Twips::half(Twips::fromPixels(size.width())),
                      Twips::half(scaleHeight) - Twips::half(Twips::fromPixels(size.height())));
    };
    return {centred(panel),
            Twips::half(Twips::fromPixels(panel.width())) -
                Twips::half(Twips::fromPixels(titleWidth)),
            centred(status)};
}

void MainWindow::Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift)
{
    Q_UNUSED(shift); // the modifier keys do not matter
    const bool selectionVisible = !fraMenu(Panel::Selection)->isHidden();
    if (keyCode == Qt::Key_Escape && Lotto.Generating == 0 && !selectionVisible)
        cmdback_Click(1);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Form_Unload: the window refuses to close; the program ends only through File, Exit.
    event->ignore();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        // Key preview: a key is first delivered to the window's focused control (or the
        // window when nothing has the focus); see it there, before the control does.
        auto *w = qobject_cast<QWidget *>(watched);
        if (!w || w->window() != this || w != (focusWidget() ? focusWidget() : this))
            break;
        auto *key = static_cast<QKeyEvent *>(event);
        Form_KeyDown(key->key(), key->modifiers());
        // A control of a hidden panel never acts on a key: the keyboard goes to the panel
        // on the screen instead, and this key is dropped.
        if (w != this && !w->isVisible()) {
            const PanelIndex shown = visiblePanel();
            if (QFrame *panel = fraMenu(shown))
                keepFocusVisible(this, panel,
                                 gamePanel(shown) ? gamePanel(shown)->generate : nullptr);
            return true;
        }
        break;
    }
    case QEvent::MouseMove:
        // Focus follows the mouse over the panels' buttons.
        if (auto *button = qobject_cast<QAbstractButton *>(watched);
            button && button->window() == this)
            Pointer::takeFocus(button);
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_selection->customLabel &&
            Pointer::completesClick(m_selection->customLabel, event)) {
            Label1_Click();
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::imgpic_Click(int index)
{
    if (index + 1 == Panel::Custom) {
        Label1_Click();
        return;
    }
    ++m_navigations;
    fraMenu(Panel::Selection)->hide();
    fraMenu(index + 1)->show();
    keepFocusVisible(this, fraMenu(index + 1), gamePanel(index + 1)->generate);
}

void MainWindow::Label1_Click()
{
    QApplication::beep();
    MsgBox::info(this, tr("This is comming in the next version."), tr("Info."));
}

void MainWindow::cmdback_Click(int index)
{
    Q_UNUSED(index); // every Back returns to the selection screen
    const PanelIndex from = visiblePanel();
    const quint64 mine = ++m_navigations;
    for (PanelIndex i = 0; i < Panel::Count; ++i) {
        doEvents();
        // A second Back, or Back and then a game picture, arrived while this one yielded:
        // the later request has left one panel showing, and it stands. Going on would hide
        // it or show the selection screen next to it.
        if (m_navigations != mine)
            return;
        fraMenu(i)->hide();
    }
    fraMenu(Panel::Selection)->show();
    // The keyboard comes back to the picture of the game it left.
    keepFocusVisible(this, m_selection,
                     Panel::isGame(from) ? m_selection->pictures.value(from - 1) : nullptr);
}

void MainWindow::HighlightPic(int index)
{
    for (int k = 0; k < m_selection->pictures.size(); ++k)
        if (k != index)
            m_selection->pictures.at(k)->setBorderStyle(0);
    m_selection->pictures.at(index)->setBorderStyle(1);
}

#include "browserwindow.h"

#include "browserwebview.h"

#include "shared/messagebox.h"
#include "shared/twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineHistoryItem>
#include <QWebEngineLoadingInfo>

#include <algorithm>

BrowserWindow::BrowserWindow(QWebEngineProfile *profile, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmBrowser"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(QIcon(QStringLiteral(":/assets/lottoworla.svg")));
    setWindowTitle(QString());

    // The size it takes when it is not maximised (or where nothing maximises it).
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize() * 4 / 5);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    // W and H of Form_Resize are the client area's; the window answers every change of it.
    client->installEventFilter(this);

    buildMenus();
    buildToolBar();
    buildAddressStrip();

    // The window's own page for an address it does not open, over the web view.
    m_lblRefused = new QLabel(client);
    m_lblRefused->setObjectName(QStringLiteral("lblRefused"));
    m_lblRefused->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_lblRefused->setWordWrap(true);
    m_lblRefused->setMargin(Twips::toPixels(300));
    m_lblRefused->setTextFormat(Qt::RichText);
    m_lblRefused->setBackgroundRole(QPalette::Base);
    m_lblRefused->setAutoFillBackground(true);
    m_lblRefused->hide();
    m_brwWebBrowser = new BrowserWebView(profile, client);
    m_brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    m_brwWebBrowser->move(Twips::point(ViewLeftTwips, ViewTopTwips));
    BrowserPage *page = m_brwWebBrowser->browserPage();
    connect(page, &QWebEnginePage::loadingChanged, this, &BrowserWindow::loadingChanged);
    // A move inside the page (an anchor, the page's own history) changes only the address.
    connect(page, &QWebEnginePage::urlChanged, this, [this](const QUrl &url) {
        // A move inside the page that the window asked for ends where the address changes.
        const auto same = [](const QUrl &a, const QUrl &b) {
            return a.adjusted(QUrl::StripTrailingSlash) == b.adjusted(QUrl::StripTrailingSlash);
        };
        if (!m_brwWebBrowser->page()->isLoading() && same(url, m_requestedUrl))
            m_requested = false;
        brwWebBrowser_NavigateComplete2();
    });
    connect(page, &BrowserPage::refused, this,
            [this](const QUrl &url) { showRefusal(url.toString()); });
    connect(page, &BrowserPage::newWindowAsked, this, &BrowserWindow::newWindowAsked);

    m_timTimer = new QTimer(this);
    m_timTimer->setObjectName(QStringLiteral("timTimer"));
    m_timTimer->setInterval(BusyPollMs);
    connect(m_timTimer, &QTimer::timeout, this, &BrowserWindow::timTimer_Timer);
}

QWebEngineView *BrowserWindow::brwWebBrowser() const
{
    return m_brwWebBrowser;
}

BrowserWindow::~BrowserWindow()
{
    // QWidget's destructor, still to come, hides the window and deletes its parts, which
    // may report on the way (a page ending its load, the timer, the address box); none of
    // that may reach this window once it is no longer whole.
    for (QObject *part : findChildren<QObject *>())
        part->disconnect(this);
}

void BrowserWindow::buildMenus()
{
    m_mnuFile = menuBar()->addMenu(tr("&File"));
    m_mnuFile->setObjectName(QStringLiteral("mnuFile"));
    m_mnuFile->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = m_mnuFile->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuFileExit"));
    connect(exit, &QAction::triggered, this, &BrowserWindow::mnuFileExit_Click);
}

void BrowserWindow::buildToolBar()
{
    m_tbToolBar = new QToolBar(centralWidget());
    m_tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    m_tbToolBar->setIconSize(QSize(24, 24));
    m_tbToolBar->setMovable(false);
    m_tbToolBar->setFloatable(false);
    m_tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_tbToolBar->setGeometry(Twips::rect(0, 0, 0, ToolBarHeightTwips));

    // Key, hover hint and picture of each button, left to right.
    struct Button
    {
        const char *key;
        const char *hint;
        const char *picture;
    };
    static constexpr Button buttons[] = {
        {"Back", QT_TR_NOOP("Back"), ":/assets/nav-back.svg"},
        {"Forward", QT_TR_NOOP("Forward"), ":/assets/nav-forward.svg"},
        {"Stop", QT_TR_NOOP("Stop"), ":/assets/nav-stop.svg"},
        {"Refresh", QT_TR_NOOP("Refresh"), ":/assets/nav-refresh.svg"},
        {"Home", QT_TR_NOOP("Home"), ":/assets/nav-home.svg"},
        {"Search", QT_TR_NOOP("Search"), ":/assets/nav-search.svg"},
    };
    for (const Button &b : buttons) {
        QAction *a = m_tbToolBar->addAction(QIcon(QLatin1String(b.picture)), tr(b.hint));
        a->setObjectName(QLatin1String(b.key));
        a->setData(QLatin1String(b.key));
        a->setToolTip(tr(b.hint));
    }
    connect(m_tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction *a) { tbToolBar_ButtonClick(a->data().toString()); });
}

void BrowserWindow::buildAddressStrip()
{
    m_picAddress = new QFrame(centralWidget());
    m_picAddress->setObjectName(QStringLiteral("picAddress"));
    m_picAddress->setGeometry(Twips::rect(0, AddressStripTopTwips, 0, AddressStripHeightTwips));

    m_lblAddress = new QLabel(tr("&Address:"), m_picAddress);
    m_lblAddress->setObjectName(QStringLiteral("lblAddress"));
    m_lblAddress->move(Twips::point(LabelLeftTwips, LabelTopTwips));
    m_lblAddress->resize(m_lblAddress->sizeHint().width(), Twips::toPixels(LabelHeightTwips));

    // Editable text and an unsorted list. Only the program adds entries, repeats included:
    // Enter neither inserts the typed text nor picks a matching entry, and nothing is
    // completed while typing.
    m_cboAddress = new QComboBox(m_picAddress);
    m_cboAddress->setObjectName(QStringLiteral("cboAddress"));
    m_cboAddress->setEditable(true);
    m_cboAddress->setInsertPolicy(QComboBox::NoInsert);
    m_cboAddress->setDuplicatesEnabled(true);
    m_cboAddress->setCompleter(nullptr);
    m_cboAddress->lineEdit()->setObjectName(QStringLiteral("cboAddressText"));
    m_cboAddress->installEventFilter(this);
    m_lblAddress->setBuddy(m_cboAddress);
    m_cboAddress->lineEdit()->setAccessibleName(tr("Address"));
    // Left to itself, the box picks the entry matching the typed text whenever editing ends
    // (Enter, or the focus leaving it) and reports that as a choice. Only picking an entry
    // from the list, or stepping to one with the arrow keys, is a choice here; Enter has its
    // own meaning, and leaving the box opens nothing.
    disconnect(m_cboAddress->lineEdit(), &QLineEdit::editingFinished, m_cboAddress, nullptr);
    connect(m_cboAddress, &QComboBox::activated, this, &BrowserWindow::cboAddress_Click);
}

void BrowserWindow::setHomeAndSearchPages(const QString &home, const QString &search)
{
    m_homePage = home;
    m_searchPage = search;
}

void BrowserWindow::Form_Load(const QString &linkAddress)
{
    // Shown modeless and maximised, the tool bar drawn and the parts laid out.
    showMaximized();
    m_tbToolBar->update();
    Form_Resize();
    // The address box goes under its label, keeping its width and height.
    m_cboAddress->move(Twips::point(AddressBoxLeftTwips, LabelTopTwips + LabelHeightTwips + 15));
    // It shows the link's address, lists it, and the page opens under the busy title.
    m_cboAddress->setEditText(linkAddress);
    m_cboAddress->addItem(m_cboAddress->currentText());
    m_timTimer->start();
    navigate(linkAddress);
}

void BrowserWindow::stretchTopBars()
{
    // The tool bar and the address strip are aligned to the top: always the full width.
    const int w = centralWidget()->width();
    m_tbToolBar->resize(w, Twips::toPixels(ToolBarHeightTwips));
    m_picAddress->resize(w, Twips::toPixels(AddressStripHeightTwips));
}

void BrowserWindow::Form_Resize()
{
    const int W = Twips::fromPixels(centralWidget()->width());
    const int H = Twips::fromPixels(centralWidget()->height());
    // A window made very small gives negative results; no control is made smaller than
    // nothing.
    const auto notNegative = [](float twips) { return std::max(0, static_cast<int>(twips)); };

    // The address box and the web view take the width less a margin of 100; the view takes
    // the height left under the address strip, less a margin of 100.
    const int addressWidth = notNegative(static_cast<float>(W) - 100.0f);
    m_cboAddress->resize(Twips::toPixels(addressWidth), m_cboAddress->height());
    const int viewWidth = notNegative(static_cast<float>(W) - 100.0f);
    const int viewHeight = notNegative(static_cast<float>(H) -
                                       (AddressStripTopTwips + AddressStripHeightTwips) - 100.0f);
    m_brwWebBrowser->resize(Twips::toPixels(viewWidth), Twips::toPixels(viewHeight));
    m_lblRefused->setGeometry(m_brwWebBrowser->geometry());
}

void BrowserWindow::Form_Activate()
{
    setWindowState(Qt::WindowMaximized);
}

bool BrowserWindow::busy() const
{
    return m_brwWebBrowser->page()->isLoading() ||
           (m_requested && m_requestClock.elapsed() < RequestGraceMs);
}

void BrowserWindow::request(const QUrl &url)
{
    m_requested = true;
    m_requestedUrl = url;
    m_requestClock.start();
}

void BrowserWindow::navigate(const QString &address)
{
    // A bare word or host name becomes a web address; a bare path becomes a file's.
    const QUrl url = QUrl::fromUserInput(address);
    if (!BrowserPage::isWebPage(url)) {
        showRefusal(url.isEmpty() ? address : url.toString());
        return;
    }
    request(url);
    m_brwWebBrowser->load(url);
}

void BrowserWindow::loadingChanged(const QWebEngineLoadingInfo &info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        // The engine has taken a request up. (The end of a load may be one asked for before.)
        m_requested = false;
        m_loadStartTold = true;
        // A new page shows, unless this is the start of the very load whose page was refused
        // something meanwhile (the engine tells of the start later than it begins).
        if (!std::exchange(m_refusedDuringStart, false)) {
            m_downloadTold = false;
            m_refusedAddress.clear();
            m_lblRefused->hide();
        }
        return;
    }
    m_loadStartTold = false;
    // Every navigation that ends shows where it ended, also at the address already shown.
    brwWebBrowser_NavigateComplete2();
    brwWebBrowser_DownloadComplete();
    // Where the engine stopped at an address of another kind (a redirect or a meta refresh
    // to mailto: or a scheme no one here knows), or refused to follow a redirect at all (to
    // a local file or a data: page), the page shown is the window's own.
    static constexpr int unsafeRedirect = -311; // the engine's ERR_UNSAFE_REDIRECT
    if (!BrowserPage::isWebPage(info.url()))
        showRefusal(info.url().toString());
    else if (info.status() == QWebEngineLoadingInfo::LoadFailedStatus &&
             info.errorCode() == unsafeRedirect)
        showRefusal(info.url().toString(),
                    tr("This page sent the window on to an address that is not a web page."));
}

void BrowserWindow::newWindowAsked(const QUrl &url)
{
    // What a page would open in a new window opens here, as a link the page followed would.
    if (BrowserPage::isWebPage(url))
        m_brwWebBrowser->load(url);
    else
        showRefusal(url.isEmpty() ? QStringLiteral("about:blank") : url.toString());
}

void BrowserWindow::showRefusal(const QString &address, const QString &why)
{
    // Shown as a page that cannot be loaded is: nothing is loading, and the address box and
    // the title follow the page shown.
    m_requested = false;
    m_refusedDuringStart = m_brwWebBrowser->page()->isLoading() && !m_loadStartTold;
    m_refusedAddress = address.size() > RefusedAddressShown
                           ? address.left(RefusedAddressShown) + QChar(0x2026)
                           : address;
    QString text =
        QStringLiteral("<p><b>%1</b></p><p>%2</p>")
            .arg(tr("This window opens web pages only (http and https).").toHtmlEscaped(),
                 m_refusedAddress.toHtmlEscaped());
    if (!why.isEmpty())
        text += QStringLiteral("<p>%1</p>").arg(why.toHtmlEscaped());
    m_lblRefused->setText(text);
    m_lblRefused->setAccessibleName(text);
    m_lblRefused->show();
    m_lblRefused->raise();
    brwWebBrowser_NavigateComplete2();
    brwWebBrowser_DownloadComplete();
}

void BrowserWindow::tellDownloadRefused(const QString &fileName)
{
    // Once for each page: one that starts many downloads gets one box, for the first.
    if (std::exchange(m_downloadTold, true))
        return;
    const QString body = MsgBox::lines(
        {tr("\"%1\" was not saved.").arg(fileName), tr("This window does not save files.")});
    QMetaObject::invokeMethod(
        this, [this, body] { MsgBox::info(this, body, tr("Info.")); }, Qt::QueuedConnection);
}

QString BrowserWindow::locationName() const
{
    return m_lblRefused->isHidden() ? m_brwWebBrowser->title() : m_refusedAddress;
}

QString BrowserWindow::locationUrl() const
{
    return m_lblRefused->isHidden() ? m_brwWebBrowser->url().toString() : m_refusedAddress;
}

void BrowserWindow::timTimer_Timer()
{
    // A load under way has taken the request up.
    if (m_brwWebBrowser->page()->isLoading())
        m_requested = false;
    if (busy()) {
        setWindowTitle(tr("Working..."));
    } else {
        m_timTimer->stop();
        setWindowTitle(locationName());
    }
}

void BrowserWindow::brwWebBrowser_NavigateComplete2()
{
    m_cboAddress->setEditText(locationUrl());
}

void BrowserWindow::brwWebBrowser_DownloadComplete()
{
    setWindowTitle(locationName());
}

void BrowserWindow::cboAddress_Click()
{
    m_timTimer->start();
    navigate(m_cboAddress->currentText());
}

void BrowserWindow::cboAddress_KeyPress(int keyAscii)
{
    if (keyAscii == 13)
        cboAddress_Click();
}

void BrowserWindow::tbToolBar_ButtonClick(const QString &key)
{
    m_timTimer->start();
    QWebEngineHistory *history = m_brwWebBrowser->history();
    if (key == QLatin1String("Back")) {
        // No earlier page: nothing happens.
        if (history->canGoBack()) {
            request(history->backItem().url());
            m_brwWebBrowser->back();
        }
    } else if (key == QLatin1String("Forward")) {
        if (history->canGoForward()) {
            request(history->forwardItem().url());
            m_brwWebBrowser->forward();
        }
    } else if (key == QLatin1String("Refresh")) {
        request(m_brwWebBrowser->url());
        m_brwWebBrowser->reload();
    } else if (key == QLatin1String("Home")) {
        navigate(m_homePage);
    } else if (key == QLatin1String("Search")) {
        navigate(m_searchPage);
    } else if (key == QLatin1String("Stop")) {
        m_timTimer->stop();
        m_requested = false;
        m_brwWebBrowser->stop();
        setWindowTitle(locationName());
    }
}

void BrowserWindow::mnuFileExit_Click()
{
    do {
        m_timTimer->stop();
    } while (m_timTimer->isActive());
    close();
}

bool BrowserWindow::event(QEvent *e)
{
    if (e->type() == QEvent::WindowActivate)
        Form_Activate();
    return QMainWindow::event(e);
}

void BrowserWindow::closeEvent(QCloseEvent *e)
{
    // Unloaded at once, however it was closed; the address list goes with the window.
    m_timTimer->stop();
    e->accept();
    if (!m_unloading) {
        m_unloading = true;
        Q_EMIT unloaded();
    }
}

bool BrowserWindow::eventFilter(QObject *watched, QEvent *e)
{
    if (!m_cboAddress || !m_brwWebBrowser)
        return QMainWindow::eventFilter(watched, e);
    if (watched == centralWidget() && e->type() == QEvent::Resize) {
        stretchTopBars();
        Form_Resize();
    } else if (watched == m_cboAddress && e->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(e);
        // Enter acts, and still reaches the box like every other key. The box has the
        // keyboard and hands each key to its text part directly, past any filter there; a
        // key sent to the text part itself comes on to the box as the text part leaves Enter
        // alone. Either way Enter is seen here once.
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            cboAddress_KeyPress(13);
    }
    return QMainWindow::eventFilter(watched, e);
}

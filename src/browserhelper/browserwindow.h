#pragma once

#include <QElapsedTimer>
#include <QMainWindow>
#include <QString>
#include <QUrl>

class BrowserWebView;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QWebEngineLoadingInfo;
class QWebEngineProfile;
class QWebEngineView;

// frmBrowser: the built-in browser window. A top-level, modeless window that always comes
// up maximised: menu bar (File, Exit), tool bar of six navigation buttons, the address
// strip with its editable address box and drop-down list, and the web view below.
// While a navigation the window (or a link command) asked for is loading, the title reads
// "Working..."; otherwise it is the current page's name. Closing it deletes it, and with
// it the address list.
// It opens web pages only (http and https): any other address, typed or asked for by a page
// (a link, a new window, a redirect, a meta refresh), shows a short page of the window's own
// saying so in the page area, lblRefused, and that page's name and address are the refused
// address. A page never opens a second window: the address it asks for opens in this one. It
// saves no files: a download is refused, and the user told so, once for each page.
class BrowserWindow : public QMainWindow
{
    Q_OBJECT
public:
    // Design geometry, in twips, in the client area (below the menu bar) or in picAddress.
    static constexpr int ToolBarHeightTwips = 540;
    static constexpr int AddressStripTopTwips = 540;
    static constexpr int AddressStripHeightTwips = 675;
    static constexpr int LabelLeftTwips = 45;
    static constexpr int LabelTopTwips = 60;
    static constexpr int LabelHeightTwips = 255;
    static constexpr int AddressBoxLeftTwips = 50;
    static constexpr int ViewLeftTwips = 50;
    static constexpr int ViewTopTwips = 1215;
    static constexpr int BusyPollMs = 5;
    // How long a navigation the window asked for counts as under way while the engine shows
    // no sign of it: one inside the page that leaves the address as it was gives none.
    static constexpr int RequestGraceMs = 1000;
    // The longest refused address shown in full.
    static constexpr int RefusedAddressShown = 2000;

    // The pages are of `profile`, which must outlive the window.
    explicit BrowserWindow(QWebEngineProfile *profile, QWidget *parent = nullptr);
    ~BrowserWindow() override;

    // Runs when the window is loaded: shows it and opens `linkAddress`.
    void Form_Load(const QString &linkAddress);

    // Pages of the Home and Search buttons.
    void setHomeAndSearchPages(const QString &home, const QString &search);

    // The web view's Navigate: starts loading `address` and returns at once.
    void navigate(const QString &address);
    // The web view's Busy: a navigation is requested or under way.
    bool busy() const;

    QComboBox *cboAddress() const { return m_cboAddress; }
    QTimer *timTimer() const { return m_timTimer; }
    QWebEngineView *brwWebBrowser() const;
    QLabel *lblRefused() const { return m_lblRefused; }

    // Tells the user that the download of `fileName` was refused (from the event loop).
    void tellDownloadRefused(const QString &fileName);

public Q_SLOTS:
    void Form_Activate();
    void Form_Resize();
    void brwWebBrowser_NavigateComplete2();
    void brwWebBrowser_DownloadComplete();
    void cboAddress_Click();
    void cboAddress_KeyPress(int keyAscii);
    void tbToolBar_ButtonClick(const QString &key);
    void timTimer_Timer();
    void mnuFileExit_Click();

Q_SIGNALS:
    // The window is closing and will be deleted: it counts as not loaded from now on.
    void unloaded();

protected:
    bool event(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildAddressStrip();
    void stretchTopBars();
    QString locationName() const;
    QString locationUrl() const;
    void request(const QUrl &url);
    void loadingChanged(const QWebEngineLoadingInfo &info);
    void newWindowAsked(const QUrl &url);
    void showRefusal(const QString &address, const QString &why = {});

    QToolBar *m_tbToolBar = nullptr;
    QFrame *m_picAddress = nullptr;
    QLabel *m_lblAddress = nullptr;
    QComboBox *m_cboAddress = nullptr;
    BrowserWebView *m_brwWebBrowser = nullptr;
    QLabel *m_lblRefused = nullptr;
    // The address lblRefused shows as refused, while it is not hidden.
    QString m_refusedAddress;
    QTimer *m_timTimer = nullptr;
    QMenu *m_mnuFile = nullptr;

    QString m_homePage;
    QString m_searchPage;
    // Busy: m_requested from the moment the window asks for m_requestedUrl until the engine
    // starts loading, or shows that address of the same page, or RequestGraceMs pass without
    // either; then for as long as the page loads.
    bool m_requested = false;
    QUrl m_requestedUrl;
    QElapsedTimer m_requestClock;
    bool m_unloading = false;
    // The start of the load under way has been told (loadingChanged), and a refusal came
    // between the load's start and that news.
    bool m_loadStartTold = false;
    bool m_refusedDuringStart = false;
    // The page shown has had its box telling of a refused download.
    bool m_downloadTold = false;
};

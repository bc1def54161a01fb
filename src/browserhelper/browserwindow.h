#pragma once

#include <QMainWindow>
#include <QString>

class BrowserWebView;
class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class QToolBar;
class QWebEngineProfile;
class QWebEngineView;

// frmBrowser: the built-in browser window. A top-level, modeless window that always comes
// up maximised: menu bar (File, Exit), tool bar of six navigation buttons, the address
// strip with its editable address box and drop-down list, and the web view below.
// While a navigation the window (or a link command) asked for is loading, the title reads
// "Working..."; otherwise it is the current page's name. Closing it deletes it, and with
// it the address list.
// It opens web pages only (http and https): any other address, typed or asked for by a page,
// shows a short page of the window's own saying so in the page area, lblRefused, and that
// page's name and address are the refused address. It saves no files: a download is
// refused, and the user told so.
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
    bool busy() const { return m_requested || m_loading; }

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
    void showRefusal(const QString &address);

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
    // Busy: m_requested from the moment the window asks for a page until the engine starts
    // (or finishes) it, m_loading from loadStarted to loadFinished.
    bool m_requested = false;
    bool m_loading = false;
    bool m_unloading = false;
};

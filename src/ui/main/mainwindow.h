#pragma once

#include "ui/main/catalogue.h"

#include <QMainWindow>
#include <QPointer>
#include <array>

class GamePanel;
class Picture;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QTimer;
class SelectionPanel;
struct GameInfo;
struct WindowHooks;
struct LinkRow;

// frmmain: the program's one long-lived window. Seven panels of equal size stacked at
// the same place (exactly one visible), the status strip in front of them, a menu bar.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    // `hooks`, when given, steers the Generate runs, Print and the link sites (tests and
    // measurements); it must outlive the window.
    explicit MainWindow(const WindowHooks *hooks = nullptr);
    ~MainWindow() override;

    // The main window of this run, if one exists.
    static MainWindow *instance();

    // Client area: 8190 x 4500 twips below the menu bar.
    static constexpr int ClientWidthTwips = 8190;
    static constexpr int ClientHeightTwips = 4500;
    // The status strip: 5655 x 855 twips.
    static constexpr int StatusWidthTwips = 5655;
    static constexpr int StatusHeightTwips = 855;

    // Panel p (0 to 6) and its game panel (1 to 6), for the other windows and the tests.
    QFrame *fraMenu(int index) const;
    GamePanel *gamePanel(int index) const;
    SelectionPanel *selection() const { return m_selection; }
    // The panel now shown (the index of the one visible member of fraMenu).
    PanelIndex visiblePanel() const;

    QFrame *picstatus() const { return m_picstatus; }
    QLabel *lblstatus() const { return m_lblstatus; }
    QTimer *timer1() const { return m_timer1; }
    QMenu *mnuFile() const { return m_mnuFile; }
    QMenu *mnuAbout() const { return m_mnuAbout; }

    // Where Form_Load puts a panel, the selection screen's title and the status strip, in
    // twips, given the sizes in pixels of the client area and of those controls: each
    // centred in what holds it.
    struct Layout
    {
        QPoint panel;
        int titleLeft;
        QPoint status;
    };
    static Layout layoutTwips(QSize client, QSize panel, int titleWidth, QSize status);

public Q_SLOTS:
    // Navigation.
    void imgpic_Click(int index);
    void Label1_Click();
    void cmdback_Click(int index);

    // Number generation, clearing and the status strip.
    void cmdgenerate_Click(int index);
    void cmdclear_Click(int index);
    void Timer1_Timer();

    // Rules and the luck-word editor.
    void cmdrules_Click(int index);
    void cmdAddVorla_Click(int index);

    // Menu commands.
    void mnuFileVorla_Click();
    void mnuPrint_Click();
    void mnuFileExit_Click();
    void mnuAboutHelp_Click();
    void mnuAboutAbout_Click();

    // Link commands: the five results pictures and the Internet submenu.
    void imglotto649_Click();
    void imgpick3_Click();
    void imgontario49_Click();
    void imgsuper7_Click();
    void imglottario_Click();
    void mnuInternetResult_Click();
    void mnuFileInternetEverWon_Click();
    void mnuFileInternetAnalysis_Click();
    void mnuFileInternetZodiac_Click();
    void mnuFileCndInfo_Click();

Q_SIGNALS:
    // The menu commands that reach beyond this window. The start-up code connects them
    // (WindowWiring::connectMainWindow): Help, About, and File, Exit once confirmed.
    void helpRequested();
    void aboutRequested();
    void endRequested();

protected:
    void closeEvent(QCloseEvent *event) override; // Form_Unload
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenus();
    void buildStatusStrip();
    void Form_Load();
    void Form_KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void HighlightPic(int index);
    void runLink(const LinkRow &row);
    const WindowHooks &hooks() const;
    QString luckText() const;
    void yieldToEvents() const;
    void runLinkOf(const char *handler);
    void runLinkHandler(const LinkRow &row);

    const WindowHooks *m_hooks = nullptr;
    SelectionPanel *m_selection = nullptr;
    std::array<QFrame *, Panel::Count> m_panels{};

    QFrame *m_picstatus = nullptr;
    QLabel *m_lblstatus = nullptr;
    QTimer *m_timer1 = nullptr;
    QMenu *m_mnuFile = nullptr;
    QMenu *m_mnuAbout = nullptr;
    // Counts the panel changes the user asked for; Back yields between its steps and stops
    // when another change arrived in between (see cmdback_Click).
    quint64 m_navigations = 0;
};

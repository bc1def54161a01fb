#pragma once

#include <QDialog>

class QCloseEvent;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTimer;

// frmVorla: the luck-word editor. One window for the whole run, created on first use;
// closing it only hides it, so the text in Text1 lives until the program ends. Every way
// out of it (OK, the close box, the system close command, Esc) runs Form_Unload, which
// sets Lotto.VorlaAdded.
//
// Heights. The window's heights are outer heights in twips: the client area plus the title
// bar and borders. The title bar and borders belong to the window manager (and do not exist
// at all on some platforms), so their real size is unknown until the window is mapped and
// may change under the program. The window therefore counts them as a fixed allowance of
// 375 twips, the difference between the design height 7335 and its client area 6960:
//   client height = outer height - 375, outer height = client height + 375.
// The collapsed form (outer 3540) has a client area 3165 twips tall, the expanded bound
// (outer 7335) one 6960 twips tall, whatever the decoration looks like.
class VorlaWindow : public QDialog
{
    Q_OBJECT
public:
    // Client width; only the height ever changes.
    static constexpr int ClientWidthTwips = 9330;
    // Outer heights and the animation step.
    static constexpr int CollapsedHeightTwips = 3540;
    static constexpr int ExpandedHeightTwips = 7335;
    static constexpr int StepTwips = 100;
    // Title bar and borders, counted as a fixed allowance (see above).
    static constexpr int TitleAllowanceTwips = 7335 - 6960;
    // The most characters Text1 takes in (a line break counts one): 2^20, a little over a
    // million, so a pasted megabyte stays whole. Text pasted or dropped beyond it is cut off
    // there: a pasted book of 20 MB would otherwise freeze the window for seconds and take
    // hundreds of megabytes. Only the text's length seeds the draw, and no one types a
    // million characters, so the cap changes no draw a person can make.
    static constexpr int MaxTextLength = 1 << 20;

    // The one editor of the run, created hidden on first use.
    static VorlaWindow *instance();
    // The editor if it was created, else null.
    static VorlaWindow *existing();

    // The open-editor steps: show modally with no owner, then hide.
    void openEditor(QWidget *anchor = nullptr);

    // The outer height in twips as read back from the window (client height + allowance).
    int heightTwips() const;
    // Sets the outer height; the client height is rounded to whole pixels.
    void setHeightTwips(int twips);

    // The Tag text of lblinstruct: "0" collapse, "1" expand.
    QString tag() const;

    QLabel *lblinstruct() const { return m_lblinstruct; }
    QPlainTextEdit *text1() const { return m_text1; }
    QPushButton *sampleWordsButton() const { return m_sampleWordsButton; }
    QPushButton *clearButton() const { return m_clearButton; }
    QPushButton *okButton() const { return m_okButton; }
    QGroupBox *frame1() const { return m_frame1; }
    QTimer *timer1() const { return m_timer1; }

    // The luck text as typed, line breaks as '\n'.
    QString text() const;

    // Esc, accept() and reject() close the window the same way as the close box.
    void done(int r) override;

public Q_SLOTS:
    void Form_Activate();
    void lblinstruct_Click();
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void CMDOK_Click();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override; // Form_Unload
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    VorlaWindow();
    void Form_Unload(QCloseEvent *event);
    void setTag(const QString &tag);
    void centreOver(QWidget *anchor);

    QLabel *m_lblinstruct = nullptr;
    QPlainTextEdit *m_text1 = nullptr;
    QPushButton *m_sampleWordsButton = nullptr;
    QPushButton *m_clearButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QGroupBox *m_frame1 = nullptr;
    QTimer *m_timer1 = nullptr;
    // The outer height the program last asked for. The animation steps from it, not from
    // the height the window reports: under a window manager each resize is confirmed a while
    // later, and a tick may still read an earlier size.
    int m_askedHeight = CollapsedHeightTwips;
    // The text as last read, kept until the next edit: Generate reads it at every run and
    // a pasted book makes a fresh copy cost milliseconds.
    mutable QString m_textCache;
    mutable bool m_textCacheValid = false;
    // A modal show is on the stack (it may still be returning after the window was hidden),
    // and whether the editor was asked for again meanwhile.
    bool m_inExec = false;
    bool m_openAgain = false;
    // Placed over the main window at its first opening; after that it opens where the user
    // last left it.
    bool m_placed = false;
};

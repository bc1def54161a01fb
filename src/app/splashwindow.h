#pragma once

#include <QWidget>

class Picture;
class QFrame;
class QLabel;
class QTimer;

// frmSplash: the window the program starts with. After five seconds, or at once on any key
// or mouse press on it, it hands over to the main window and unloads itself.
class SplashWindow : public QWidget
{
    Q_OBJECT
public:
    // How long the splash stays up without input.
    static constexpr int HandOverMs = 5000;

    // `handOverMs` is for tests that cannot wait five seconds; the program uses HandOverMs.
    explicit SplashWindow(int handOverMs = HandOverMs, QWidget *parent = nullptr);

    // Client area in twips.
    static constexpr int ClientWidthTwips = 7380;
    static constexpr int ClientHeightTwips = 4245;

    QTimer *timer1() const { return m_timer1; }
    QFrame *frame1() const { return m_frame1; }

public Q_SLOTS:
    // The hand-over: stop the timer, load and show the main window, unload the splash.
    void Timer1_Timer();

    void Form_KeyDown();
    void Form_MouseDown();
    void Frame1_MouseDown();
    void imgLogo_MouseDown();
    void Image1_MouseDown();
    void lblCompanyProduct_MouseDown();
    void lblPlatform_MouseDown();
    void lblVersion_MouseDown();
    void lblWarning_MouseDown();
    void lblCompany_MouseDown();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    bool mouseDownOn(QObject *control);

    QFrame *m_frame1 = nullptr;
    Picture *m_imgLogo = nullptr;
    Picture *m_image1 = nullptr;
    QLabel *m_lblCompanyProduct = nullptr;
    QLabel *m_lblPlatform = nullptr;
    QLabel *m_lblVersion = nullptr;
    QLabel *m_lblWarning = nullptr;
    QLabel *m_lblCompany = nullptr;
    QTimer *m_timer1 = nullptr;
    bool m_handingOver = false;
};

#pragma once

#include <QDialog>

class Picture;
class QFrame;
class QLabel;
class QPushButton;

// frmabout: the version, the company line and the author's contact address. Shown modally
// and destroyed when it closes; every opening creates it afresh.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);

    // Client area in twips.
    static constexpr int ClientWidthTwips = 6105;
    static constexpr int ClientHeightTwips = 3285;

    QLabel *label4() const { return m_label4; }
    QLabel *label5() const { return m_label5; }
    QLabel *lblemail() const { return m_lblemail; }
    QFrame *picture1() const { return m_picture1; }
    QLabel *label1() const { return m_label1; }
    QPushButton *cmdOk() const { return m_cmdOk; }

public Q_SLOTS:
    void CMDOK_Click();
    void lblemail_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Picture *m_background = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_lblemail = nullptr;
    QFrame *m_picture1 = nullptr;
    QLabel *m_label1 = nullptr;
    QPushButton *m_cmdOk = nullptr;
};

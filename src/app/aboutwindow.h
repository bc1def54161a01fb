#pragma once

#include <QDialog>

class Picture;
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

    QLabel *lblemail() const { return m_lblemail; }
    QPushButton *okButton() const { return m_okButton; }

public Q_SLOTS:
    void CMDOK_Click();
    void lblemail_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Picture *m_background = nullptr;
    QLabel *m_lblemail = nullptr;
    QPushButton *m_okButton = nullptr;
};

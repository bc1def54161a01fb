#include "app/aboutwindow.h"

#include "app/contact.h"
#include "shared/picture.h"
#include "shared/twips.h"

#include <QDesktopServices>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

namespace {
QLabel *label(const QString &text, const char *name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setTextFormat(Qt::PlainText);
    return l;
}
} // namespace

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmabout"));
    setWindowTitle(tr("About Orvek's Lotto Worla Generator"));
    // Fixed dialog border with a close box only.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::size(ClientWidthTwips, ClientHeightTwips));

    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPointSizeF(8.25);
    setFont(windowFont);

    // The background picture is larger than the window: only its top-left part shows.
    m_background = new Picture(QStringLiteral(":/assets/about-background.svg"), this);
    m_background->setObjectName(QStringLiteral("imgBackground"));
    m_background->setGeometry(0, 0, 640, 480);

    m_label4 = label(tr("Version 1.0"), "Label4", this);
    m_label4->move(Twips::point(120, 120));
    m_label4->adjustSize();

    m_label5 = label(QString(), "Label5", this);
    m_label5->setWordWrap(true);
    m_label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label5->setGeometry(Twips::rect(120, 480, 5865, 1335));

    m_lblemail = label(Contact::address(), "lblemail", this);
    QPalette pal = m_lblemail->palette();
    pal.setColor(QPalette::WindowText, QColor(0, 0, 192));
    m_lblemail->setPalette(pal);
    m_lblemail->setCursor(Qt::PointingHandCursor);
    m_lblemail->move(Twips::point(3120, 1920));
    m_lblemail->adjustSize();
    m_lblemail->installEventFilter(this);
    // Reachable without a mouse too: Tab moves from OK to it, Enter or Space opens the page,
    // and it shows it has the focus with an underline.
    m_lblemail->setFocusPolicy(Qt::TabFocus);
    m_lblemail->setAccessibleName(tr("Write to %1").arg(Contact::address()));

    m_picture1 = new QFrame(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_picture1->setGeometry(Twips::rect(120, 2520, 2895, 615));
    m_label1 = label(tr("Talmar Software Inc."), "Label1", m_picture1);
    m_label1->move(Twips::point(120, 180));
    m_label1->adjustSize();

    m_cmdOk = new QPushButton(tr("&OK"), this);
    m_cmdOk->setObjectName(QStringLiteral("CMDOK"));
    QFont okFont(QStringLiteral("MS Sans Serif"));
    okFont.setPointSizeF(9.75);
    okFont.setBold(true);
    m_cmdOk->setFont(okFont);
    m_cmdOk->setGeometry(Twips::rect(4680, 2760, 1215, 375));
    m_cmdOk->setDefault(true);
    connect(m_cmdOk, &QPushButton::clicked, this, &AboutWindow::CMDOK_Click);

    // First in the tab order, then the contact address: the OK button has the focus when
    // the window opens.
    setTabOrder(m_cmdOk, m_lblemail);
    m_cmdOk->setFocus(Qt::OtherFocusReason);
}

void AboutWindow::CMDOK_Click()
{
    close();
}

void AboutWindow::lblemail_Click()
{
    // The web-mail service's home page, in the user's default web browser. Whether it
    // opens is the desktop's business; the window stays as it is.
    QDesktopServices::openUrl(QUrl(Contact::webMailHome()));
}

bool AboutWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_lblemail)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        QFont font = m_lblemail->font();
        font.setUnderline(event->type() == QEvent::FocusIn);
        m_lblemail->setFont(font);
        break;
    }
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            lblemail_Click();
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_lblemail->rect().contains(mouse->position().toPoint())) {
            lblemail_Click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

#include "app/aboutwindow.h"

#include "app/contact.h"
#include "shared/fonts.h"
#include "shared/palettes.h"
#include "shared/picture.h"
#include "shared/pointer.h"
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

    setFont(Fonts::msSansSerif(8.25));
    // The texts lie on the light background picture: black on every desktop palette. The OK
    // button draws its own face and follows the desktop.
    Palettes::paintOwn(this, Palettes::LightFace);

    // The background picture is larger than the window: only its top-left part shows.
    m_background = new Picture(QStringLiteral(":/assets/about-background.svg"), this);
    m_background->setObjectName(QStringLiteral("imgBackground"));
    m_background->setGeometry(0, 0, 640, 480);

    auto *label4 = label(tr("Version 1.0"), "Label4", this);
    label4->move(Twips::point(120, 120));
    label4->adjustSize();

    auto *label5 = label(QString(), "Label5", this);
    label5->setWordWrap(true);
    label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label5->setGeometry(Twips::rect(120, 480, 5865, 1335));

    m_lblemail = label(Contact::address(), "lblemail", this);
    Palettes::keepText(m_lblemail, QColor(0, 0, 192));
    m_lblemail->setCursor(Qt::PointingHandCursor);
    m_lblemail->move(Twips::point(3120, 1920));
    m_lblemail->adjustSize();
    m_lblemail->installEventFilter(this);
    // Reachable without a mouse too: Tab moves from OK to it, Enter or Space opens the page,
    // and it shows it has the focus with an underline.
    m_lblemail->setFocusPolicy(Qt::TabFocus);
    m_lblemail->setAccessibleName(tr("Write to %1").arg(Contact::address()));

    auto *picture1 = new QFrame(this);
    picture1->setObjectName(QStringLiteral("Picture1"));
    picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture1->setGeometry(Twips::rect(120, 2520, 2895, 615));
    auto *label1 = label(tr("Talmar Software Inc."), "Label1", picture1);
    label1->move(Twips::point(120, 180));
    label1->adjustSize();

    m_okButton = new QPushButton(tr("&OK"), this);
    m_okButton->setObjectName(QStringLiteral("CMDOK"));
    m_okButton->setFont(Fonts::msSansSerif(9.75, true));
    m_okButton->setGeometry(Twips::rect(4680, 2760, 1215, 375));
    m_okButton->setDefault(true);
    connect(m_okButton, &QPushButton::clicked, this, &AboutWindow::CMDOK_Click);

    // First in the tab order, then the contact address: the OK button has the focus when
    // the window opens.
    setTabOrder(m_okButton, m_lblemail);
    m_okButton->setFocus(Qt::OtherFocusReason);
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
    case QEvent::MouseButtonRelease:
        if (Pointer::completesClick(m_lblemail, event)) {
            lblemail_Click();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

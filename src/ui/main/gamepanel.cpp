#include "ui/main/gamepanel.h"

#include "shared/fonts.h"
#include "shared/palettes.h"
#include "shared/picture.h"
#include "shared/twips.h"
#include "ui/browser/linktable.h"
#include "ui/main/numberlabel.h"
#include "ui/main/panelstyle.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using PanelStyle::elementName;
using PanelStyle::setShadowFace;
using PanelStyle::trGame;

namespace {
// "MS Sans Serif" 8.25 pt bold, the face of the Add/Remove, Generate and Clear buttons.
QFont boldButtonFont()
{
    return Fonts::msSansSerif(8.25, true);
}

QFont jokermanFont()
{
    QFont f(QStringLiteral("Jokerman"));
    f.setPointSizeF(14.25);
    return f;
}

QFont numberFont()
{
    QFont f(QStringLiteral("Bradley Hand ITC"));
    f.setPointSizeF(20.25);
    f.setBold(true);
    return f;
}
} // namespace

GamePanel::GamePanel(PanelIndex index, const GameInfo *game, QWidget *parent)
    : QFrame(parent), m_index(index), m_game(game)
{
    PanelStyle::styleContainer(this, index);
    if (m_game)
        buildGame();
    else
        buildCustom();
}

void GamePanel::buildCommonButtons(PanelIndex addVorlaIndex)
{
    const QFont bold = boldButtonFont();

    addVorla = new QPushButton(tr("&Add/Remove Vorla"), this);
    addVorla->setObjectName(elementName("cmdAddVorla", addVorlaIndex));
    addVorla->setToolTip(tr("Click here to add/remove vorla from the number generation."));
    addVorla->setFont(bold);
    addVorla->setGeometry(Twips::rect(2640, 3360, 2055, 375));

    generate = new QPushButton(tr("&Generate"), this);
    generate->setObjectName(elementName("cmdgenerate", m_index));
    generate->setToolTip(tr("Click here to generate your lotto numbers."));
    generate->setFont(bold);
    generate->setGeometry(Twips::rect(4800, 3360, 1215, 375));

    clear = new QPushButton(tr("&Clear"), this);
    clear->setObjectName(elementName("cmdclear", m_index));
    clear->setToolTip(tr("Click this button to clear the board."));
    clear->setFont(bold);
    clear->setGeometry(Twips::rect(6120, 3360, 1215, 375));
    clear->setEnabled(false);

    back = new QToolButton(this);
    back->setObjectName(elementName("cmdback", m_index));
    back->setText(tr("&Back"));
    back->setToolTip(tr("Click here to return to the main menu."));
    back->setIcon(QIcon(QStringLiteral(":/assets/back.svg")));
    back->setIconSize(QSize(16, 16));
    back->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    back->setGeometry(Twips::rect(120, 3240, 1455, 495));
    back->setFocusPolicy(Qt::StrongFocus);

    vorlaStatus = new QLabel(tr("These numbers are filled with Worla."), this);
    vorlaStatus->setObjectName(elementName("lblVorlaStatus", m_index));
    vorlaStatus->setFont(jokermanFont());
    vorlaStatus->hide();

    for (QAbstractButton *b : buttons())
        b->setMouseTracking(true);

    // Enter presses the button with the focus, as Space does: the push buttons take it as
    // default buttons would, the Back tool button through the panel.
    for (QPushButton *b : {addVorla, generate, clear})
        b->setAutoDefault(true);
    back->installEventFilter(this);
}

bool GamePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == back && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat() &&
            back->isEnabled()) {
            back->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

void GamePanel::buildGame()
{
    const GameInfo &g = *m_game;

    rules = new QPushButton(tr("&Rules"), this);
    rules->setObjectName(elementName("cmdrules", m_index));
    rules->setToolTip(tr("Click here to learn the rules/regulations of this lottery system."));
    rules->setGeometry(Twips::rect(120, g.rulesTop, 1455, 375));
    rules->setAutoDefault(true);

    buildCommonButtons(m_index);
    vorlaStatus->setGeometry(Twips::rect(g.vorlaStatusLeft, g.vorlaStatusTop, 5205, 420));

    frame = new QGroupBox(trGame(g.frameCaption), this);
    frame->setObjectName(QLatin1String(g.frameName));
    const TwipRect &fr = g.frameRect;
    frame->setGeometry(Twips::rect(fr.left, fr.top, fr.width, fr.height));
    // The frames take the colour of an active window's border from the desktop, and its
    // numbers the text colour the desktop gives that face, on the panel's own green.
    Palettes::followDesktop(frame, QPalette::Button, QPalette::ButtonText);

    // One row of labels, index 0 leftmost, centred in the frame. Each slot is 300 twips
    // wide on a 720-twip pitch; the label itself spans most of the pitch so two-digit
    // numbers in the large face are not cut off.
    const int rowWidth =
        (g.draw.count - 1) * Catalogue::NumberLabelPitch + Catalogue::NumberLabelWidth;
    const int firstLeft = (fr.width - rowWidth) / 2;
    const int shownWidth = Catalogue::NumberLabelPitch - 60;
    const QFont font = numberFont();
    for (int i = 0; i < g.draw.count; ++i) {
        auto *label = new NumberLabel(i + 1, g.draw.count, frame);
        label->setObjectName(elementName(g.labelBase, i));
        label->setFont(font);
        label->setAlignment(Qt::AlignCenter);
        const int slotCentre =
            firstLeft + i * Catalogue::NumberLabelPitch + Catalogue::NumberLabelWidth / 2;
        label->setGeometry(Twips::rect(slotCentre - shownWidth / 2, Catalogue::NumberLabelTop,
                                       shownWidth, Catalogue::NumberLabelHeight));
        numbers.append(label);
    }

    linkImage = new Picture(QLatin1String(g.picture), this);
    linkImage->setObjectName(QLatin1String(g.linkImageName));
    // Its hint is the caption of its row in the link table.
    if (const LinkRow *link = LinkTable::find(g.linkImageName))
        linkImage->setToolTip(LinkTable::caption(*link));
    linkImage->setAccessibleName(tr("%1 results").arg(QLatin1String(g.name)));
    linkImage->setAccessibleDescription(linkImage->toolTip());
    linkImage->setKeyboardActivation(true);
    const TwipRect &lr = g.linkImageRect;
    linkImage->setGeometry(Twips::rect(lr.left, lr.top, lr.width, lr.height));
    linkImage->setCursor(Qt::PointingHandCursor);

    pointer = new QLabel(trGame(g.pointerText), this);
    pointer->setObjectName(QLatin1String(g.pointerName));
    pointer->setTextFormat(Qt::PlainText);
    pointer->setGeometry(Twips::rect(1680, 240, 4695, 255));
}

void GamePanel::buildCustom()
{
    auto *caption = new QLabel(tr("Custom"), this);
    caption->setObjectName(QStringLiteral("Label2"));
    setShadowFace(caption);
    caption->move(Twips::point(120, 840));
    caption->adjustSize();

    auto *icon = new Picture(QLatin1String(Catalogue::CustomIcon), this);
    icon->setObjectName(elementName("imgcustom", m_index));
    icon->setGeometry(Twips::rect(360, 240, 720, 600));
    icon->setAccessibleName(tr("Custom"));

    // Its Add/Remove button carries index 0.
    buildCommonButtons(0);
    vorlaStatus->setGeometry(Twips::rect(1890, 2400, 5205, 420));
}

QList<QAbstractButton *> GamePanel::buttons() const
{
    QList<QAbstractButton *> list;
    for (QAbstractButton *b :
         {static_cast<QAbstractButton *>(generate), static_cast<QAbstractButton *>(back),
          static_cast<QAbstractButton *>(clear), static_cast<QAbstractButton *>(addVorla),
          static_cast<QAbstractButton *>(rules)})
        if (b)
            list.append(b);
    return list;
}

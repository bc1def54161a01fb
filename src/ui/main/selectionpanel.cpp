#include "ui/main/selectionpanel.h"

#include "shared/picture.h"
#include "shared/twips.h"
#include "ui/main/catalogue.h"
#include "ui/main/panelstyle.h"

#include <QLabel>

using PanelStyle::elementName;
using PanelStyle::setShadowFace;
using PanelStyle::trGame;

SelectionPanel::SelectionPanel(QWidget *parent) : QFrame(parent)
{
    PanelStyle::styleContainer(this, Panel::Selection);

    title = new QLabel(tr("Choose a lotto system from below!"), this);
    title->setObjectName(QStringLiteral("lbltitle"));
    setShadowFace(title);
    title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    title->setGeometry(Twips::rect(0, 240, 5235, 420)); // left set when the window loads

    for (const GameInfo &g : Catalogue::games()) {
        auto *pic = new Picture(QLatin1String(g.picture), this);
        pic->setObjectName(elementName("imgpic", g.selectionPicture()));
        pic->setToolTip(trGame(g.selectionTip));
        pic->setAccessibleName(QLatin1String(g.name)); // game names are not translated
        pic->setAccessibleDescription(pic->toolTip());
        pic->setKeyboardActivation(true);
        const TwipRect &r = g.selectionRect;
        pic->setGeometry(Twips::rect(r.left, r.top, r.width, r.height));
        pic->setCursor(Qt::PointingHandCursor);
        pictures.append(pic);
    }
    auto *custom = new Picture(QLatin1String(Catalogue::CustomIcon), this);
    custom->setObjectName(elementName("imgpic", Catalogue::CustomPicture));
    custom->setToolTip(trGame(Catalogue::CustomTip));
    custom->setAccessibleName(tr("Custom"));
    custom->setAccessibleDescription(custom->toolTip());
    custom->setKeyboardActivation(true);
    custom->setGeometry(Twips::rect(5640, 2520, 720, 600));
    custom->setCursor(Qt::PointingHandCursor);
    pictures.append(custom);

    customLabel = new QLabel(tr("Custom"), this);
    customLabel->setObjectName(QStringLiteral("Label1"));
    setShadowFace(customLabel);
    customLabel->setToolTip(trGame(Catalogue::CustomTip));
    customLabel->setGeometry(Twips::rect(5400, 3120, 1215, 420));
    customLabel->setCursor(Qt::PointingHandCursor);
}

#include "ui/main/panelstyle.h"

#include "shared/palettes.h"
#include "shared/twips.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>

QString PanelStyle::trGame(const char *text)
{
    return QCoreApplication::translate("Catalogue", text);
}

QString PanelStyle::elementName(const char *base, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(base)).arg(index);
}

// "Imprint MT Shadow" 18 pt. The face that stands in for it has no shadow of its own, so
// the label draws one.
void PanelStyle::setShadowFace(QLabel *label)
{
    QFont f(QStringLiteral("Imprint MT Shadow"));
    f.setPointSizeF(18);
    label->setFont(f);
    auto *shadow = new QGraphicsDropShadowEffect(label);
    shadow->setOffset(1.5, 1.5);
    shadow->setBlurRadius(0);
    shadow->setColor(QColor(0, 64, 0));
    label->setGraphicsEffect(shadow);
}

void PanelStyle::styleContainer(QFrame *panel, int index)
{
    panel->setObjectName(elementName("fraMenu", index));
    panel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    panel->setLineWidth(1);
    // The panels' own green, with black texts on every desktop palette.
    Palettes::paintOwn(panel, QColor(0, 192, 0));
    panel->resize(Twips::size(WidthTwips, HeightTwips));
}

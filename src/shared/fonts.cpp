#include "shared/fonts.h"

QFont Fonts::msSansSerif(qreal points, bool bold)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

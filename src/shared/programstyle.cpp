#include "shared/programstyle.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

QIcon ProgramStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    if (standardIcon == SP_ToolBarHorizontalExtensionButton)
        return QIcon(QStringLiteral(":/assets/toolbar-extension.svg"));
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}

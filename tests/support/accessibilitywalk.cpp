#include "support/accessibilitywalk.h"

#include <QAccessible>
#include <QWidget>

namespace {
using TestSupport::Walk;

bool actionable(QAccessibleInterface *iface)
{
    switch (iface->role()) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::Link:
    case QAccessible::PageTab:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
        return true;
    default:
        break;
    }
    QAccessibleActionInterface *actions = iface->actionInterface();
    return actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
}

QString describe(QAccessibleInterface *iface)
{
    QObject *o = iface->object();
    return QStringLiteral("role %1, object %2 (%3)")
        .arg(int(iface->role()))
        .arg(o ? o->objectName() : QStringLiteral("-"))
        .arg(o ? QLatin1String(o->metaObject()->className()) : QLatin1String("-"));
}

void walk(QAccessibleInterface *iface, Walk &out, int depth = 0)
{
    if (!iface || !iface->isValid() || depth > 40)
        return;
    if (QObject *o = iface->object()) {
        // Menu items share their menu's object; the item interfaces are told apart by action.
        if (iface->role() != QAccessible::MenuItem) {
            if (out.seenObjects.contains(o))
                return;
            out.seenObjects.insert(o);
        }
    }
    // A control hidden on its own (the tool bar's overflow button while everything fits)
    // cannot be acted on; one on a panel not shown now can, once the panel shows.
    auto *widget = qobject_cast<QWidget *>(iface->object());
    const bool hiddenItself =
        widget && widget->isHidden() && iface->role() != QAccessible::MenuItem;
    if (actionable(iface) && iface->role() != QAccessible::Separator && !hiddenItself) {
        ++out.actionableCount;
        if (iface->text(QAccessible::Name).trimmed().isEmpty())
            out.unnamed << describe(iface);
        if (qobject_cast<QWidget *>(iface->object()) &&
            iface->text(QAccessible::Description).trimmed().isEmpty())
            out.undescribed << describe(iface);
    }
    // What a web view holds is the page's own content, not a control of the program; its
    // interfaces come from the web engine's private classes, so the walk stops at the view.
    if (iface->object() && iface->object()->inherits("QWebEngineView"))
        return;
    for (int i = 0; i < iface->childCount(); ++i)
        walk(iface->child(i), out, depth + 1);
}

} // namespace

Walk TestSupport::walkWindow(QWidget *window)
{
    Walk out;
    walk(QAccessible::queryAccessibleInterface(window), out);
    return out;
}

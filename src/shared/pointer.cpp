#include "shared/pointer.h"

#include <QMouseEvent>
#include <QWidget>

bool Pointer::completesClick(const QWidget *control, const QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<const QMouseEvent *>(event);
    return mouse->button() == Qt::LeftButton &&
           control->rect().contains(mouse->position().toPoint());
}

void Pointer::takeFocus(QWidget *control)
{
    if (control->isEnabled() && control->isVisible())
        control->setFocus(Qt::MouseFocusReason);
}

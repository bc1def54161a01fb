#pragma once

class QEvent;
class QWidget;

// The two things the windows do with the mouse beyond buttons.
namespace Pointer {
// Whether `event`, delivered to `control`, completes a click on it: the left button released
// with the pointer still over it. Labels that act on a click use it in their event filter.
bool completesClick(const QWidget *control, const QEvent *event);

// Focus follows the mouse: the control under the pointer takes the keyboard focus, again at
// every move. A disabled or hidden control never takes it.
void takeFocus(QWidget *control);
} // namespace Pointer

#pragma once

class QWidget;

// Where top-level windows go on the screen. The window manager's frame counts: its size is
// only known once the window is on the screen, so each rule is applied when the window first
// shows and once more when the frame is known. After that the window stays where the user
// puts it: restoring it from the task bar, or hiding and showing it, does not place it again.
// Where the platform places every window itself (Wayland), moving has no effect and the
// compositor's placement stands.
namespace Placement {

// The window, frame included, centred on its screen's available area.
void centreOnScreen(QWidget *window);

// The window, frame included, fills its screen's available area, fixed at that size. Not on
// Wayland, where the compositor sizes a maximised window.
void fillScreenFixed(QWidget *window);

} // namespace Placement

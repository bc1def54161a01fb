#include "shared/placement.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace {

QMargins frameOf(QWidget *window)
{
    return window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
}

QRect availableArea(QWidget *window)
{
    const QScreen *screen = window->screen();
    return screen ? screen->availableGeometry() : QRect();
}

// Applies a rule at every show, and once more as soon as the window system reports a frame
// (at the latest when the window is first exposed), within a few seconds of the show: later
// moves are the user's.
class FrameWatcher : public QObject
{
public:
    FrameWatcher(QWidget *window, std::function<void(QWidget *)> rule)
        : QObject(window), m_window(window), m_rule(std::move(rule))
    {
        window->installEventFilter(this);
        m_settle.setSingleShot(true);
        m_settle.setInterval(SettleMs);
        connect(&m_settle, &QTimer::timeout, this, [this] { m_waiting = false; });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show) {
            m_rule(m_window);
            m_waiting = frameOf(m_window).isNull();
            if (m_waiting) {
                QWindow *handle = m_window->windowHandle();
                if (handle && handle != m_handle) {
                    m_handle = handle;
                    handle->installEventFilter(this);
                }
                m_settle.start();
            }
        } else if (watched == m_handle && m_waiting &&
                   (event->type() == QEvent::Expose || event->type() == QEvent::Move ||
                    event->type() == QEvent::Resize) &&
                   !frameOf(m_window).isNull()) {
            m_waiting = false;
            m_rule(m_window);
        }
        return false;
    }

private:
    static constexpr int SettleMs = 3000;
    QWidget *m_window;
    QWindow *m_handle = nullptr;
    std::function<void(QWidget *)> m_rule;
    QTimer m_settle;
    bool m_waiting = false;
};

} // namespace

void Placement::centreOnScreen(QWidget *window)
{
    new FrameWatcher(window, [](QWidget *w) {
        const QRect area = availableArea(w);
        if (area.isEmpty())
            return;
        const QMargins m = frameOf(w);
        const QSize outer = w->size().grownBy(m);
        // A top-level widget's position is its frame's.
        w->move(area.x() + (area.width() - outer.width()) / 2,
                area.y() + (area.height() - outer.height()) / 2);
    });
}

void Placement::fillScreenFixed(QWidget *window)
{
    new FrameWatcher(window, [](QWidget *w) {
        const QRect area = availableArea(w);
        if (area.isEmpty())
            return;
        w->setFixedSize(area.size().shrunkBy(frameOf(w)));
        w->move(area.topLeft());
    });
}

#include "shared/placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace {

// The frame's margins once the window system knows them; none before (a window not yet
// framed can report nonsense).
QMargins frameOf(QWidget *window)
{
    const QMargins m = window->windowHandle() ? window->windowHandle()->frameMargins() : QMargins();
    const bool sane = m.left() >= 0 && m.top() >= 0 && m.right() >= 0 && m.bottom() >= 0;
    return sane ? m : QMargins();
}

QRect availableArea(QWidget *window)
{
    const QScreen *screen = window->screen();
    return screen ? screen->availableGeometry() : QRect();
}

// Applies a rule at the first show, and once more as soon as the window system reports a
// frame (at the latest when the window is first exposed), within a few seconds of that show.
// Later shows (a restore from the task bar sends one) and moves are the user's.
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
        if (watched == m_window && event->type() == QEvent::Show && !m_placed) {
            m_placed = true;
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
    bool m_placed = false;
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
        // The client area's rectangle: the widget's idea of its frame can lag behind.
        const QPoint frameTopLeft(area.x() + (area.width() - outer.width()) / 2,
                                  area.y() + (area.height() - outer.height()) / 2);
        w->setGeometry(QRect(frameTopLeft + QPoint(m.left(), m.top()), w->size()));
    });
}

void Placement::fillScreenFixed(QWidget *window)
{
    // A Wayland compositor gives a maximised window its size and ends the program when the
    // window keeps another: there the size stays the compositor's.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    new FrameWatcher(window, [](QWidget *w) {
        const QRect area = availableArea(w);
        if (area.isEmpty())
            return;
        const QMargins m = frameOf(w);
        w->setFixedSize(area.size().shrunkBy(m));
        w->setGeometry(QRect(area.topLeft() + QPoint(m.left(), m.top()), w->size()));
    });
}

#include "shared/palettes.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>
#include <utility>

namespace {
// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double luminance(const QColor &colour)
{
    auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    const QColor c = colour.toRgb();
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

// Keeps the colours the program gives one widget through every change of the desktop's
// palette. Qt itself keeps a widget's own colours when the application palette changes, but
// a theme plug-in may answer a new colour scheme by giving every widget the whole new palette
// as its own (qt6ct does on Debian 12), which would leave the panels dark and About's texts
// white on its light picture. So once a theme change is through, the widgets on this one that
// carry nothing but the desktop's palette go back to inheriting, and this one sets its own
// colours again.
class KeptColours : public QObject
{
public:
    using Colours = std::function<void(QPalette &)>;

    KeptColours(QWidget *widget, Colours colours)
        : QObject(widget), m_widget(widget), m_colours(std::move(colours))
    {
        apply();
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            apply();
        else if (event->type() == QEvent::ThemeChange)
            QTimer::singleShot(0, this, [this] { restore(); });
        return false;
    }

private:
    void apply() const
    {
        QPalette own; // no role of its own but those set here
        m_colours(own);
        m_widget->setPalette(own);
    }

    void restore() const
    {
        // A widget given every role the desktop's palette sets carries that palette only.
        const QPalette::ResolveMask desktopOnly = QApplication::palette().resolveMask();
        for (QWidget *w : m_widget->findChildren<QWidget *>()) {
            const QObjectList &attached = w->children();
            const bool keepsOwn = std::any_of(attached.cbegin(), attached.cend(), [](QObject *o) {
                return dynamic_cast<KeptColours *>(o) != nullptr;
            });
            if (!keepsOwn && desktopOnly && w->testAttribute(Qt::WA_SetPalette) &&
                (w->palette().resolveMask() & desktopOnly) == desktopOnly)
                w->setPalette(QPalette());
        }
        apply();
    }

    QWidget *m_widget;
    Colours m_colours;
};
} // namespace

void Palettes::paintOwn(QWidget *surface, const QColor &background, const QColor &text)
{
    new KeptColours(surface, [background, text](QPalette &pal) {
        pal.setColor(QPalette::Window, background);
        pal.setColor(QPalette::WindowText, text);
    });
    surface->setAutoFillBackground(true);
}

void Palettes::followDesktop(QWidget *surface, QPalette::ColorRole background,
                             QPalette::ColorRole text)
{
    new KeptColours(surface, [surface, background, text](QPalette &pal) {
        const QPalette desktop = QApplication::palette(surface);
        pal.setColor(QPalette::Window, desktop.color(QPalette::Active, background));
        pal.setColor(QPalette::WindowText, desktop.color(QPalette::Active, text));
    });
    surface->setAutoFillBackground(true);
}

void Palettes::keepText(QWidget *widget, const QColor &text)
{
    new KeptColours(widget, [text](QPalette &pal) { pal.setColor(QPalette::WindowText, text); });
}

QColor Palettes::focusRing(const QPalette &palette)
{
    const QColor highlight = palette.color(QPalette::Highlight);
    return contrast(highlight, QColor(255, 255, 255)) >= 3 ? highlight : LightText;
}

double Palettes::contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

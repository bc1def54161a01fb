#include "shared/palettes.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <algorithm>
#include <cmath>

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

// Keeps a surface in the desktop's colours of two roles: now, and again whenever the
// application's palette changes (a new desktop theme changes it too).
class DesktopColours : public QObject
{
public:
    DesktopColours(QWidget *surface, QPalette::ColorRole background, QPalette::ColorRole text)
        : QObject(surface), m_background(background), m_text(text)
    {
        apply(surface);
        surface->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::ApplicationPaletteChange)
            apply(static_cast<QWidget *>(watched));
        return false;
    }

private:
    void apply(QWidget *surface) const
    {
        const QPalette desktop = QApplication::palette(surface);
        QPalette pal = surface->palette();
        pal.setColor(QPalette::Window, desktop.color(QPalette::Active, m_background));
        pal.setColor(QPalette::WindowText, desktop.color(QPalette::Active, m_text));
        surface->setPalette(pal);
    }

    QPalette::ColorRole m_background;
    QPalette::ColorRole m_text;
};
} // namespace

void Palettes::paintOwn(QWidget *surface, const QColor &background, const QColor &text)
{
    // Colours set on the widget itself outlive every change of the application's palette.
    QPalette pal = surface->palette();
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::WindowText, text);
    surface->setPalette(pal);
    surface->setAutoFillBackground(true);
}

void Palettes::followDesktop(QWidget *surface, QPalette::ColorRole background,
                             QPalette::ColorRole text)
{
    new DesktopColours(surface, background, text);
    surface->setAutoFillBackground(true);
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

#include "shared/picture.h"

#include "shared/palettes.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

namespace {
// What assistive technology sees of a picture: a button that can be pressed when the
// keyboard can activate it, a plain graphic otherwise.
class PictureAccessible : public QAccessibleWidget
{
public:
    explicit PictureAccessible(Picture *picture)
        : QAccessibleWidget(picture, picture->keyboardActivation() ? QAccessible::Button
                                                                   : QAccessible::Graphic)
    {
    }

    Picture *picture() const { return static_cast<Picture *>(widget()); }

    QAccessible::Role role() const override
    {
        return picture()->keyboardActivation() ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (picture()->keyboardActivation() && picture()->isEnabled())
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction() && picture()->keyboardActivation() &&
            picture()->isEnabled())
            picture()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface *pictureAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("Picture") && object && object->isWidgetType())
        return new PictureAccessible(static_cast<Picture *>(object));
    return nullptr;
}
} // namespace

Picture::Picture(const QString &resource, QWidget *parent) : QFrame(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pictureAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setFrameStyle(QFrame::NoFrame);
    setResource(resource);
}

void Picture::setResource(const QString &resource)
{
    m_resource = resource;
    delete m_svg;
    m_svg = nullptr;
    m_pixmap = QPixmap();
    if (resource.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        m_svg = new QSvgRenderer(resource, this);
        m_svg->setAspectRatioMode(Qt::IgnoreAspectRatio);
    } else if (!resource.isEmpty()) {
        m_pixmap = QPixmap(resource);
    }
    update();
}

void Picture::setBorderStyle(int style)
{
    m_borderStyle = style == 1 ? 1 : 0;
    setFrameStyle(m_borderStyle ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    setLineWidth(1);
    update();
}

void Picture::setKeyboardActivation(bool on)
{
    // Tab only: a click acts without taking the focus, as it always did.
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
}

void Picture::click()
{
    Q_EMIT clicked();
}

void Picture::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRect box = contentsRect();
    if (m_svg && m_svg->isValid())
        m_svg->render(&p, box);
    else if (!m_pixmap.isNull())
        p.drawPixmap(box, m_pixmap);
    if (hasFocus() && keyboardActivation()) {
        // The focus shows as a dashed ring inside the border, in the highlight colour (black
        // where the highlight is too pale) on a white one, so it is seen on light and dark
        // artwork alike.
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        const QRectF ring = QRectF(rect()).adjusted(2, 2, -2, -2);
        p.setPen(QPen(Qt::white, 2));
        p.drawRect(ring);
        p.setPen(QPen(Palettes::focusRing(palette()), 2, Qt::DashLine));
        p.drawRect(ring);
    }
}

void Picture::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    Q_EMIT mousePressed();
    event->accept();
}

void Picture::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void Picture::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved();
    QFrame::mouseMoveEvent(event);
}

void Picture::keyPressEvent(QKeyEvent *event)
{
    if (focusPolicy() != Qt::NoFocus && !event->isAutoRepeat() &&
        (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
         event->key() == Qt::Key_Space)) {
        event->accept();
        click();
        return;
    }
    QFrame::keyPressEvent(event);
}

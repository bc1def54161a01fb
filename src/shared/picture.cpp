#include "shared/picture.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSvgRenderer>

Picture::Picture(const QString &resource, QWidget *parent) : QFrame(parent)
{
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
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
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
    if (hasFocus() && focusPolicy() != Qt::NoFocus) {
        QPen pen(palette().color(QPalette::Highlight), 1, Qt::DotLine);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
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
        Q_EMIT clicked();
        return;
    }
    QFrame::keyPressEvent(event);
}

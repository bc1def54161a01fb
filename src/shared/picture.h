#pragma once

#include <QFrame>
#include <QString>

class QSvgRenderer;

// A picture control: shows one image of the program's artwork stretched to its box, with
// border style 0 (none) or 1 (a one-pixel single line around the picture). Vector artwork
// is drawn at the screen's resolution, so it stays crisp at every scale factor.
class Picture : public QFrame
{
    Q_OBJECT
public:
    explicit Picture(const QString &resource, QWidget *parent = nullptr);

    void setResource(const QString &resource);
    QString resource() const { return m_resource; }

    // 0: no border, 1: fixed single line.
    void setBorderStyle(int style);
    int borderStyle() const { return m_borderStyle; }

    // Lets the keyboard reach the picture: it takes the focus by Tab and Enter or Space
    // act like a click. A mouse click still does not move the focus. Such a picture is a
    // button to assistive technology (its accessible name says what it opens, its tooltip
    // describes it); any other picture is a graphic.
    void setKeyboardActivation(bool on);
    bool keyboardActivation() const { return focusPolicy() != Qt::NoFocus; }

    // Acts as a click with the mouse would (the keyboard and assistive technology use it).
    void click();

Q_SIGNALS:
    void clicked();
    void mouseMoved();
    void mousePressed();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QString m_resource;
    QSvgRenderer *m_svg = nullptr;
    QPixmap m_pixmap;
    int m_borderStyle = 0;
    bool m_pressed = false;
};

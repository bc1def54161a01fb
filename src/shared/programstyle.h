#pragma once

#include <QProxyStyle>

// The desktop's own style, with one change: the arrow a menu bar or a horizontal tool bar
// shows when its items do not fit is drawn from the program's artwork. The style's own arrow is a
// PNG, and reading it makes Qt open every image-format plugin it has to ask which one reads PNG (on
// Debian 13 that brings in Qt Pdf and its network and crypto libraries), which costs every window
// with a menu bar a few megabytes before anything is shown.
class ProgramStyle : public QProxyStyle
{
    Q_OBJECT
public:
    // Wraps the style the application uses now; install it with QApplication::setStyle.
    ProgramStyle();

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

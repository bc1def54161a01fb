#pragma once

#include <QString>

class QWidget;
class QMessageBox;

// Modal message boxes with fixed texts. Bodies are written the way the program keeps
// them: lines separated by a single carriage return (character 13), no line feed.
namespace MsgBox {
enum class Icon { Information, Question };
enum class Buttons { Ok, YesNo };

// What the box returns: the button pressed.
enum Result : int { Ok = 1, Yes = 6, No = 7 };

// Joins lines with carriage returns, the way every body is kept.
QString lines(std::initializer_list<QString> parts);

// Builds the box without showing it (tests and show() share this).
QMessageBox *create(QWidget *parent, const QString &body, const QString &title, Icon icon,
                    Buttons buttons);

// Shows the box modally and returns the button pressed (Esc or the close box: Ok for an
// information box, No for a question).
int show(QWidget *parent, const QString &body, const QString &title, Icon icon,
         Buttons buttons = Buttons::Ok);

inline int info(QWidget *parent, const QString &body, const QString &title)
{
    return show(parent, body, title, Icon::Information, Buttons::Ok);
}

inline bool ask(QWidget *parent, const QString &body, const QString &title)
{
    return show(parent, body, title, Icon::Question, Buttons::YesNo) == Yes;
}
} // namespace MsgBox

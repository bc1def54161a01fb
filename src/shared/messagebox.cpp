#include "shared/messagebox.h"

#include <QMessageBox>
#include <QPointer>

QString MsgBox::lines(std::initializer_list<QString> parts)
{
    QString out;
    bool first = true;
    for (const QString &p : parts) {
        if (!first)
            out += QChar(13);
        out += p;
        first = false;
    }
    return out;
}

QMessageBox *MsgBox::create(QWidget *parent, const QString &body, const QString &title, Icon icon,
                            Buttons buttons)
{
    auto *box = new QMessageBox(parent);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->setWindowTitle(title);
    box->setTextFormat(Qt::PlainText);
    // A carriage return starts a new line of the body.
    QString shown = body;
    shown.replace(QChar(13), QChar(10));
    box->setText(shown);
    box->setIcon(icon == Icon::Question ? QMessageBox::Question : QMessageBox::Information);
    if (buttons == Buttons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
        box->setEscapeButton(QMessageBox::No);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
        box->setDefaultButton(QMessageBox::Ok);
        box->setEscapeButton(QMessageBox::Ok);
    }
    return box;
}

int MsgBox::show(QWidget *parent, const QString &body, const QString &title, Icon icon,
                 Buttons buttons)
{
    QPointer<QMessageBox> box = create(parent, body, title, icon, buttons);
    box->exec();
    // The box may have gone with its parent while it was open.
    const auto clicked = box ? box->standardButton(box->clickedButton()) : QMessageBox::NoButton;
    delete box;
    if (buttons == Buttons::YesNo)
        return clicked == QMessageBox::Yes ? Yes : No;
    return Ok;
}

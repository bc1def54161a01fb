#include "ui/luck/luckwords.h"

#include "ui/luck/vorlawindow.h"

QString LuckWords::text()
{
    // The first read creates the editor hidden, with an empty box.
    return VorlaWindow::instance()->text();
}

void LuckWords::openEditor(QWidget *anchor)
{
    VorlaWindow::instance()->openEditor(anchor);
}

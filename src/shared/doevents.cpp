#include "shared/doevents.h"

#include <QCoreApplication>

void doEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

#pragma once

#include <QSet>
#include <QStringList>

class QObject;
class QWidget;

namespace TestSupport {
// What assistive technology finds in a window: its actionable controls, and those of them
// without a name or (for widgets) a description. A web view's page content is not walked.
struct Walk
{
    QStringList unnamed;     // actionable controls without a name
    QStringList undescribed; // actionable widgets without a description
    int actionableCount = 0;
    QSet<QObject *> seenObjects;
};

Walk walkWindow(QWidget *window);
} // namespace TestSupport

#include "ui/main/numberlabel.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace {
// The number labels tell assistive technology where they stand and what they show. The
// name is worked out each time it is asked for, so it follows every new caption (QLabel
// announces each change of its text).
class NumberLabelAccessible : public QAccessibleWidget
{
public:
    explicit NumberLabelAccessible(NumberLabel *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        auto *label = static_cast<NumberLabel *>(widget());
        if (t == QAccessible::Name && label->accessibleName().isEmpty())
            return label->spokenName();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *numberLabelAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("NumberLabel") && object && object->isWidgetType())
        return new NumberLabelAccessible(static_cast<NumberLabel *>(object));
    return nullptr;
}
} // namespace

NumberLabel::NumberLabel(int position, int count, QWidget *parent)
    : QLabel(QStringLiteral("*"), parent), m_position(position), m_count(count)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(numberLabelAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

QString NumberLabel::spokenName() const
{
    return spokenName(m_position, m_count, text());
}

QString NumberLabel::spokenName(int position, int count, const QString &caption)
{
    const QString shown = caption.trimmed();
    return tr("Number %1 of %2: %3")
        .arg(position)
        .arg(count)
        .arg(shown.isEmpty() || shown == QLatin1String("*") ? tr("empty") : shown);
}

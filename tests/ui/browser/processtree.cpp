#include "processtree.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace {
// The fields of /proc/PID/stat after the command name: state first, then the parent's id.
QList<QByteArray> statFields(const QString &pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = stat.readAll();
    return text.mid(text.lastIndexOf(')') + 2).split(' ');
}
} // namespace

QList<qint64> ProcessTree::withDescendants(qint64 pid)
{
    QHash<qint64, qint64> parentOf;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        const QList<QByteArray> fields = statFields(entry);
        if (fields.size() > 1 && fields.at(0) != "Z")
            parentOf.insert(entry.toLongLong(), fields.at(1).toLongLong());
    }
    QList<qint64> found{pid};
    for (qsizetype i = 0; i < found.size(); ++i)
        for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it)
            if (it.value() == found.at(i))
                found << it.key();
    return found;
}

bool ProcessTree::running(qint64 pid)
{
    const QList<QByteArray> fields = statFields(QString::number(pid));
    return !fields.isEmpty() && fields.at(0) != "Z";
}

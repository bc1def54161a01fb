#pragma once

#include <QList>

// The processes of a program, read from /proc: the browser tests and the browser benchmark
// follow the helper and the web engine's processes below it.
namespace ProcessTree {
// `pid` first, then every live process below it (a zombie waiting to be collected has ended).
QList<qint64> withDescendants(qint64 pid);
// Whether `pid` still runs.
bool running(qint64 pid);
} // namespace ProcessTree

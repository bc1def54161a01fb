#pragma once

#include <QString>
#include <QStringList>

// Where the program finds its browser helper, lottoworla-browser.
namespace HelperFile {
// The helper program to start: the file named by the environment variable
// LOTTOWORLA_BROWSER_HELPER when it is set (the one place to point the program at another
// helper, for tests and packagers), otherwise the first of candidates() that exists (the
// first candidate when none does).
QString path();

// The helper files tried, in order: beside the program, in the program's install folder
// relative to it (the build tree has the same layout), in the configured install folder.
QStringList candidates();
} // namespace HelperFile

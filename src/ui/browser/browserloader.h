#pragma once

#include <QString>
#include <QStringList>

class BrowserClient;
class BrowserWindowInterface;
class QWidget;

// The program's one browser window, behind its helper process.
namespace BrowserLoader {
// The browser, with the Home and Search pages set; its helper is started if need be, without
// waiting for it: the steps sent meanwhile go to it once it answers. When the helper cannot
// start, the user is told so in a message box over `parent`, from the event loop, and the
// steps are dropped; the next call tries again. Returns nullptr when the helper program is
// missing.
BrowserWindowInterface *browser(QWidget *parent);

// The program's client, created on first use; starts nothing by itself.
BrowserClient &client();

// The helper program to start: the file named by the environment variable
// LOTTOWORLA_BROWSER_HELPER when it is set (the one place to point the program at another
// helper, for tests and packagers), otherwise the first of candidateFiles() that exists
// (the first candidate when none does).
QString helperFile();

// The helper files tried, in order: beside the program, in the program's install folder,
// in the build tree, in the configured install folder.
QStringList candidateFiles();
} // namespace BrowserLoader

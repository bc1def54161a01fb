#pragma once

#include <QString>
#include <QStringList>

class BrowserClient;
class BrowserWindowInterface;
class QWidget;

// The program's one browser window, behind its helper process.
namespace BrowserLoader {
// The browser, its helper started first if need be (with the Home and Search pages set).
// When the helper cannot start, tells the user so in a message box over `parent` and
// returns nullptr; the next call tries again.
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

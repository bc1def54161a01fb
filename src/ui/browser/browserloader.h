#pragma once

#include <QString>
#include <QStringList>

class BrowserWindowInterface;
class QWidget;

// Loads the browser plugin (and with it the web engine) the first time it is asked for.
namespace BrowserLoader {
// The browser, loading the plugin first if need be. When the plugin cannot be loaded or
// the web engine cannot run here, tells the user so in a message box over `parent` and
// returns nullptr; the next call tries again.
BrowserWindowInterface *browser(QWidget *parent);

// Whether the plugin is in the process.
bool isPluginLoaded();

// The plugin files tried, in order: beside the program, in the program's install folder,
// in the build tree, in the configured install folder.
QStringList candidateFiles();

// Tests load the plugin from this file alone (an empty name restores the normal search).
void setPluginFileForTesting(const QString &file);
} // namespace BrowserLoader

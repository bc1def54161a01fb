#pragma once

#include <QProcessEnvironment>
#include <QString>

// The environment the browser helper runs in. The web engine and the libraries below it keep
// databases and caches in the user's home (certificates in ~/.pki, compiled shaders and font
// caches in ~/.cache): the helper is given a home and XDG folders of its own instead, in a
// private folder (mode 0700) that the program makes before it starts the helper and removes
// once the helper has ended, however it ended. Nothing of a run is left in the user's files:
// a folder whose program died before it could remove it (killed, or crashed) is removed at the
// program's next start. Its lock (see lock) tells a folder in use from one left behind.
namespace HelperEnvironment {
// The template (for QTemporaryDir) of a helper's private folder: in the user's runtime
// folder, XDG_RUNTIME_DIR of `env`, when that is a folder; else in the temporary folder.
QString privateFolderTemplate(const QProcessEnvironment &env);

// `env` as the helper gets it:
//  - HOME is `privateFolder`; XDG_CONFIG_HOME, XDG_CACHE_HOME, XDG_DATA_HOME and
//    XDG_STATE_HOME are the usual folders inside it.
//  - The user's own config and data folders come first in XDG_CONFIG_DIRS and XDG_DATA_DIRS,
//    where they are read but never written; XAUTHORITY keeps naming the X server's key in
//    the user's home, where X clients look for it when it is not set.
//  - The graphics drivers keep no shader cache (MESA_SHADER_CACHE_DISABLE,
//    __GL_SHADER_DISK_CACHE).
//  - No SESSION_MANAGER: the desktop's session manager is not to save the helper and start it
//    again at the next login, on its own.
QProcessEnvironment forHelper(QProcessEnvironment env, const QString &privateFolder);

// Makes the lock file in `privateFolder` and takes a shared lock on it, which the helper takes
// too; returns its descriptor (closed on exec), or -1. Close it once the folder is removed.
int lock(const QString &privateFolder);

// Removes the private folders of `env`'s runtime folder (see privateFolderTemplate) that no
// running helper uses: their lock is free, or, without a lock file, they are older than a
// minute. Returns how many it removed.
int removeLeftFolders(const QProcessEnvironment &env);
} // namespace HelperEnvironment

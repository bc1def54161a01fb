#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// What the exerciser's state machine, actions and invariants share.
namespace ExerciserDetail {
// The window names of the program's single-instance windows.
inline constexpr const char *SingleWindows[] = {"frmHelp", "frmabout", "frmVorla", "frmBrowser"};

// The program ends through WindowWiring::endNow(), which ends every event loop: run() sees its own
// loop end early and the sequence ends there, with the program's windows as they were. So a
// Yes to the exit question may be given like any other answer.
inline constexpr bool ExitCanBeObserved = true;

// The Qt warnings seen since the last call that are not on the allowed list.
QStringList takeMessageFaults();
// The luck-word editor's text box while the editor is on screen.
QWidget *luckTextBox();
// A shown top-level window of a kind the user works with.
bool isUserWindow(const QWidget *w);
// A text cut short for the log, line breaks visible.
QString shortText(QString s);
// A typed text for the log, control characters escaped.
QString escaped(const QString &text);
} // namespace ExerciserDetail

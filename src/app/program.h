#pragma once

class MainWindow;

// Start-up of the program: the application object, fonts, translations and the first window.
namespace Program {
int run(int argc, char *argv[]);

// Maps the face names the windows ask for onto the fonts the system has.
void installFontSubstitutes();

// Connects the main window's Help, About and Exit commands to the windows and the ending
// they open. Whoever creates a main window calls this once.
void connectMainWindow(MainWindow *main);

// Ends the program at once: every event loop stops, no window's close handler runs.
void endNow();

// Destroys every window that is left once the event loop has ended, without asking them.
void destroyAllWindows();
} // namespace Program

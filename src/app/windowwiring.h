#pragma once

class MainWindow;

// How the windows reach each other: the main window's requests lead to Help, About and the
// end of the program.
namespace WindowWiring {
// Connects the main window's Help, About and Exit commands to the windows and the ending
// they open. Whoever creates a main window calls this once.
void connectMainWindow(MainWindow *main);

// Ends the program at once: every event loop stops, no window's close handler runs.
void endNow();
} // namespace WindowWiring

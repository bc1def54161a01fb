#pragma once

// Start-up of the program: the application object, fonts, translations and the first window.
namespace Program {
int run(int argc, char *argv[]);

// Maps the face names the windows ask for onto the fonts the system has.
void installFontSubstitutes();

// Destroys every window that is left once the event loop has ended, without asking them.
void destroyAllWindows();
} // namespace Program

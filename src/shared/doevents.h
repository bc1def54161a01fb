#pragma once

// Runs every pending event of the program, then returns. Long work on the user-interface
// thread calls this between its steps so the windows stay painted and answer.
void doEvents();

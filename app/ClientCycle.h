#pragma once

// The program from its entry point on: translation, first-run network
// defaults, splash screen, then the login / read / main-window cycle, run
// again in the same process whenever the main window ends with the restart
// code (a language change or a factory restore).

class QApplication;

namespace ClientCycle {

// Runs until the user quits; returns the process exit code: 0 for a
// cancelled login, otherwise the code the last main window ended with.
int run(QApplication &app);

} // namespace ClientCycle

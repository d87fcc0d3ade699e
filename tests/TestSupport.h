#pragma once

// Shared by every test executable: a message handler that fails the run on
// Qt's cross-thread warnings, and a clean settings store per test.

class QSettings;

namespace TestSupport {

// Installed on the first turn of the event loop and by freshSettings(), on
// top of QTest's handler; tests may call it to be sure of it earlier.
void installStrictMessageHandler();

// Empties the process-wide store (each test binary has its own directory).
QSettings &freshSettings();

} // namespace TestSupport

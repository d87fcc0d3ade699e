#pragma once

// Shared by every test executable: a message handler that fails the run on
// Qt's cross-thread warnings, and a clean settings store per test.

class QSettings;

namespace TestSupport {

// Installed before main() runs; kept here so tests can say they rely on it.
void installStrictMessageHandler();

// Empties the process-wide store (each test binary has its own directory).
QSettings &freshSettings();

} // namespace TestSupport

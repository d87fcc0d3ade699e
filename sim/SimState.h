#pragma once

// pumpsim's state file: indented JSON with every served slave's four tables, so that a pump
// keeps what was written to it from one run to the next. Loading adds the slaves the file
// lists and changes nothing when the file is unreadable or incomplete.

#include <QString>

class PumpSimulator;

namespace SimState {

bool load(PumpSimulator &simulator, const QString &path, QString *error = nullptr);
bool save(const PumpSimulator &simulator, const QString &path, QString *error = nullptr);

} // namespace SimState

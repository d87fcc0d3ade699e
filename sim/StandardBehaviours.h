#pragma once

// The parts every simulated pump is built with, and how pumpsim's command line sets them up
// once the pumps are served: motors that log, sensors forced or following their bottles, a
// thermometer pinned or with gaps in its history, and the master's boot loader with its faults.

#include "SimBehaviour.h"
#include "SimBootLoader.h"

#include <QVector>

#include <optional>

class PumpSimulator;

namespace StandardBehaviours {

struct Settings
{
    // Each motor run and stop goes to the log.
    bool log = false;
    // The states of the four liquid sensors; empty: the tables' own.
    QVector<int> sensorStates;
    // Sensors turn active while their bottle holds less than this; -1: they don't follow it.
    int sensorBelowMl = -1;
    std::optional<double> temperature;
    // Hourly temperature samples that hold no reading.
    QVector<int> historyGaps;
    SimBootFaults bootFaults;
    bool startInBootLoader = false;
};

// In the order they see a request.
SimBehaviours make();
// For every pump served now and the master's boot loader.
void apply(const Settings &settings, PumpSimulator &simulator);

} // namespace StandardBehaviours

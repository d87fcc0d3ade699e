#include "StandardBehaviours.h"

#include "PumpSimulator.h"
#include "SimClock.h"
#include "SimMotors.h"
#include "SimSensors.h"
#include "SimThermometer.h"

namespace StandardBehaviours {

SimBehaviours make()
{
    SimBehaviours behaviours;
    // Motors before sensors: a sensor that follows its bottle sees the level the motor left.
    behaviours.push_back(std::make_shared<SimMotors>());
    behaviours.push_back(std::make_shared<SimSensors>());
    behaviours.push_back(std::make_shared<SimClock>());
    behaviours.push_back(std::make_shared<SimThermometer>());
    return behaviours;
}

void apply(const Settings &settings, PumpSimulator &simulator)
{
    for (int address : simulator.slaves()) {
        SimPump *pump = simulator.pump(address);
        pump->behaviour<SimMotors>()->setLog(address, settings.log);
        auto *sensors = pump->behaviour<SimSensors>();
        for (int k = 0; k < settings.sensorStates.size(); ++k)
            sensors->force(k, settings.sensorStates.at(k));
        if (settings.sensorBelowMl >= 0)
            sensors->followBelow(settings.sensorBelowMl * 10);
        auto *thermometer = pump->behaviour<SimThermometer>();
        thermometer->setHistoryGaps(settings.historyGaps);
        if (settings.temperature)
            thermometer->pinTemperature(*settings.temperature);
    }
    simulator.bootLoader().setFaults(settings.bootFaults);
    if (settings.startInBootLoader)
        simulator.bootLoader().startInBootLoader();
}

} // namespace StandardBehaviours

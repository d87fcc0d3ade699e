#include "SimBehaviour.h"

#include "SimClock.h"
#include "SimMotors.h"
#include "SimSensors.h"
#include "SimThermometer.h"

SimBehaviour::~SimBehaviour() = default;

void SimBehaviour::refresh(PumpTables &tables)
{
    Q_UNUSED(tables)
}

void SimBehaviour::written(PumpTables &tables, PumpTables::Table table, int index, int count)
{
    Q_UNUSED(tables)
    Q_UNUSED(table)
    Q_UNUSED(index)
    Q_UNUSED(count)
}

SimBehaviours makeStandardBehaviours()
{
    SimBehaviours behaviours;
    // Motors before sensors: a sensor that follows its bottle sees the level the motor left.
    behaviours.push_back(std::make_shared<SimMotors>());
    behaviours.push_back(std::make_shared<SimSensors>());
    behaviours.push_back(std::make_shared<SimClock>());
    behaviours.push_back(std::make_shared<SimThermometer>());
    return behaviours;
}

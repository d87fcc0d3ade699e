#include "StandardBehaviours.h"

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

} // namespace StandardBehaviours

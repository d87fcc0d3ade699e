#pragma once

#include "SimBehaviour.h"

#include <array>
#include <optional>

// The four liquid sensors of one pump, discrete inputs 0..3 (0 normal, 1
// active). By default they keep whatever the tables hold. A sensor can be
// forced to a state, or made to follow its bottle: active while the liquid
// left (holding 70 + k, 0.1 ml) is below a threshold. Forcing wins.
class SimSensors : public SimBehaviour
{
public:
    static constexpr int kSensorCount = 4;
    static constexpr int kLiquidLeftFirst = 70;

    void refresh(PumpTables &tables) override;

    void force(int sensor, int state);
    void release(int sensor);
    // Every sensor not forced follows its bottle; a negative value stops that.
    void followBelow(int thresholdTenths);

private:
    std::array<std::optional<int>, kSensorCount> m_forced;
    int m_thresholdTenths = -1;
};

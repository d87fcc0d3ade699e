#include "SimSensors.h"

void SimSensors::refresh(PumpTables &tables)
{
    using Table = PumpTables::Table;
    for (int k = 0; k < kSensorCount; ++k) {
        if (m_forced.at(k)) {
            tables.setValue(Table::DiscreteInputs, k, *m_forced.at(k));
        } else if (m_thresholdTenths >= 0) {
            const int left = tables.value(Table::HoldingRegisters, kLiquidLeftFirst + k);
            tables.setValue(Table::DiscreteInputs, k, left < m_thresholdTenths ? 1 : 0);
        }
    }
}

void SimSensors::force(int sensor, int state)
{
    if (sensor >= 0 && sensor < kSensorCount)
        m_forced[sensor] = state;
}

void SimSensors::release(int sensor)
{
    if (sensor >= 0 && sensor < kSensorCount)
        m_forced[sensor].reset();
}

void SimSensors::followBelow(int thresholdTenths)
{
    m_thresholdTenths = thresholdTenths;
}

#include "ChemicalInterval.h"

#include "CommandString.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"

#include <algorithm>
#include <numeric>

namespace ChemicalInterval {

bool withinTotal(const Intervals &intervals)
{
    return std::accumulate(intervals.begin(), intervals.end(), 0) <= kMaxTotal;
}

Intervals load(const RegisterImage &image)
{
    Intervals intervals {};
    std::copy_n(image.holdingRegisters + kFirstRegister, kChannelCount, intervals.begin());
    return intervals;
}

void store(const Intervals &intervals, RegisterImage &image)
{
    std::copy(intervals.begin(), intervals.end(), image.holdingRegisters + kFirstRegister);
}

void copy(const RegisterImage &from, RegisterImage &to)
{
    std::copy_n(from.holdingRegisters + kFirstRegister, kChannelCount,
                to.holdingRegisters + kFirstRegister);
}

QString readCommand()
{
    return CommandString::format(kMasterAddress, Modbus::ReadHoldingRegisters, kFirstRegister,
                                 kChannelCount);
}

QString writeCommand()
{
    return CommandString::format(kMasterAddress, Modbus::WriteMultipleRegisters, kFirstRegister,
                                 kChannelCount);
}

} // namespace ChemicalInterval

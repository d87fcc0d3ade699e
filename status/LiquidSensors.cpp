#include "LiquidSensors.h"

#include "CommandString.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"

namespace LiquidSensors {

namespace {

// Margins of the circle inside the lamp, in pixels.
constexpr int kCircleLeft = 2;
constexpr int kCircleTop = 4;
constexpr int kCircleRightInset = 6;
constexpr int kCircleBottomInset = 4;
constexpr int kNameGap = 3;

} // namespace

QStringList read(int address)
{
    return {CommandString::format(address, Modbus::ReadDiscreteInputs, kSensorFirst, kSensorCount)};
}

void take(const RegisterImage &shared, RegisterImage &device)
{
    for (int i = kSensorFirst; i < kSensorFirst + kSensorCount; ++i)
        device.discreteInputs[i] = shared.discreteInputs[i];
}

QVector<int> states(const RegisterImage &device)
{
    QVector<int> list;
    for (int i = kSensorFirst; i < kSensorFirst + kSensorCount; ++i)
        list.append(device.discreteInputs[i]);
    return list;
}

QRect circleRect(const QSize &size)
{
    const int h = size.height() - 1;
    return QRect(QPoint(kCircleLeft, kCircleTop),
                 QPoint(h - kCircleRightInset, h - kCircleBottomInset));
}

QRect nameRect(const QSize &size)
{
    const int h = size.height() - 1;
    const int w = size.width() - 1;
    return QRect(QPoint(h + kNameGap, 0), QPoint(w, h));
}

} // namespace LiquidSensors

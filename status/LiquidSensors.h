#pragma once

// What the "Liquid sensor" page knows of a pump's four liquid sensors: they
// are discrete inputs 0..3 (0 normal, anything else active), read in one
// request, and each is drawn as a lamp whose circle and caption follow the
// lamp's size.

#include <QRect>
#include <QStringList>
#include <QVector>

struct RegisterImage;

namespace LiquidSensors {

constexpr int kSensorFirst = 0;
constexpr int kSensorCount = 4;

// [A 2 0 4].
QStringList read(int address);
// Takes the sensor inputs from shared into device after a read.
void take(const RegisterImage &shared, RegisterImage &device);
// The state of each sensor, input 0 first.
QVector<int> states(const RegisterImage &device);

inline bool isActive(int state)
{
    return state != 0;
}

// The lamp's circle for a widget of size: from (2, 4) to (H - 6, H - 4),
// both inclusive, with H the height - 1.
QRect circleRect(const QSize &size);
// Where the name goes: from (H + 3, 0) to (W, H), W the width - 1.
QRect nameRect(const QSize &size);

} // namespace LiquidSensors

#include "SimMotors.h"

#include <QTime>
#include <QTimer>

#include <cstdio>

namespace {

QElapsedTimer &simulatorClock()
{
    static QElapsedTimer timer;
    if (!timer.isValid())
        timer.start();
    return timer;
}

} // namespace

SimMotors::SimMotors() = default;

SimMotors::~SimMotors() = default;

qint64 SimMotors::nowMs()
{
    return simulatorClock().elapsed();
}

void SimMotors::setLog(int address, bool on)
{
    m_address = address;
    m_log = on;
}

bool SimMotors::isRunning(int channel) const
{
    const Motor &motor = m_motors.at(channel);
    if (!motor.running)
        return false;
    return motor.plannedMs == 0 || nowMs() - motor.startMs < motor.plannedMs;
}

double SimMotors::deliveredMl(int channel) const
{
    const Motor &motor = m_motors.at(channel);
    return motor.running ? deliveredAt(motor, nowMs()) : motor.deliveredMl;
}

int SimMotors::startCount(int channel) const
{
    return m_motors.at(channel).starts;
}

qint64 SimMotors::startedAtMs(int channel) const
{
    return m_motors.at(channel).startMs;
}

qint64 SimMotors::stoppedAtMs(int channel) const
{
    const Motor &motor = m_motors.at(channel);
    if (motor.running && !isRunning(channel))
        return motor.startMs + motor.plannedMs;
    return motor.stopMs;
}

qint64 SimMotors::plannedMs(int channel) const
{
    return m_motors.at(channel).plannedMs;
}

double SimMotors::deliveredAt(const Motor &motor, qint64 atMs) const
{
    qint64 ran = atMs - motor.startMs;
    if (motor.plannedMs > 0)
        ran = qMin(ran, motor.plannedMs);
    // msPer10Ml milliseconds make 10 ml.
    return 10.0 * double(qMax<qint64>(ran, 0)) / motor.msPer10Ml;
}

void SimMotors::refresh(PumpTables &tables)
{
    using Table = PumpTables::Table;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        settle(channel);
        Motor &motor = m_motors[channel];
        // Take off the bottle what was delivered since the last request.
        const int deliveredTenths = int(10.0 * deliveredMl(channel));
        const int step = deliveredTenths - motor.appliedTenths;
        if (step > 0) {
            const int left = tables.value(Table::HoldingRegisters, kLiquidLeftFirst + channel);
            tables.setValue(Table::HoldingRegisters, kLiquidLeftFirst + channel,
                            qMax(0, left - step));
            motor.appliedTenths = deliveredTenths;
        }
        if (motor.clearCoil) {
            tables.setValue(Table::Coils, kRunCoilFirst + channel, 0);
            motor.clearCoil = false;
        }
    }
}

void SimMotors::written(PumpTables &tables, PumpTables::Table table, int index, int count)
{
    if (table != PumpTables::Table::Coils)
        return;
    for (int channel = 0; channel < kChannelCount; ++channel) {
        const int coil = kRunCoilFirst + channel;
        if (coil < index || coil >= index + count)
            continue;
        const bool on = tables.value(PumpTables::Table::Coils, coil) != 0;
        Motor &motor = m_motors[channel];
        if (on && !motor.running) {
            start(tables, channel);
        } else if (!on && motor.running) {
            // refresh() ran before this request: the bottle is up to date.
            stop(channel, nowMs(), "stopped by coil");
        }
    }
}

void SimMotors::start(PumpTables &tables, int channel)
{
    using Table = PumpTables::Table;
    Motor &motor = m_motors[channel];
    int gear = tables.value(Table::HoldingRegisters, kGearFirst + channel);
    if (gear < 0 || gear >= kGearCount)
        gear = 0;
    const int calibration =
        tables.value(Table::HoldingRegisters, kCalibrationFirst + kGearCount * channel + gear);
    const int volume = tables.value(Table::HoldingRegisters, kVolumeFirst + channel);
    motor.running = true;
    motor.startMs = nowMs();
    motor.stopMs = -1;
    motor.msPer10Ml = calibration > 0 ? calibration : kUncalibratedMsPer10Ml;
    motor.plannedMs = qint64(volume) * motor.msPer10Ml / 10;
    if (volume > 0 && motor.plannedMs == 0)
        motor.plannedMs = 1;
    motor.appliedTenths = 0;
    motor.deliveredMl = 0;
    motor.clearCoil = false;
    ++motor.starts;
    if (motor.plannedMs > 0) {
        if (!motor.endTimer) {
            motor.endTimer = std::make_unique<QTimer>();
            motor.endTimer->setSingleShot(true);
            motor.endTimer->setTimerType(Qt::PreciseTimer);
            QObject::connect(motor.endTimer.get(), &QTimer::timeout,
                             [this, channel] { settle(channel); });
        }
        motor.endTimer->start(int(motor.plannedMs));
    } else if (motor.endTimer) {
        motor.endTimer->stop();
    }
    log(QStringLiteral("motor %1 started: %2 ml at gear %3, %4 ms per 10 ml, %5")
            .arg(channel + 1)
            .arg(volume)
            .arg(gear)
            .arg(motor.msPer10Ml)
            .arg(motor.plannedMs > 0 ? QStringLiteral("for %1 ms").arg(motor.plannedMs)
                                     : QStringLiteral("until stopped")));
}

void SimMotors::settle(int channel)
{
    Motor &motor = m_motors[channel];
    if (motor.running && motor.plannedMs > 0 && nowMs() - motor.startMs >= motor.plannedMs) {
        stop(channel, motor.startMs + motor.plannedMs, "finished");
        // The pump clears its run coil itself once the volume is out.
        motor.clearCoil = true;
    }
}

void SimMotors::stop(int channel, qint64 atMs, const char *why)
{
    Motor &motor = m_motors[channel];
    motor.deliveredMl = deliveredAt(motor, atMs);
    motor.running = false;
    motor.stopMs = atMs;
    if (motor.endTimer)
        motor.endTimer->stop();
    log(QStringLiteral("motor %1 %2 after %3 ms: %4 ml")
            .arg(channel + 1)
            .arg(QLatin1String(why))
            .arg(atMs - motor.startMs)
            .arg(motor.deliveredMl, 0, 'f', 1));
}

void SimMotors::log(const QString &text) const
{
    if (!m_log)
        return;
    const QString time = QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz"));
    std::fprintf(stderr, "%s pump %d %s\n", qPrintable(time), m_address, qPrintable(text));
    std::fflush(stderr);
}

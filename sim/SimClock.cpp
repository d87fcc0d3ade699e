#include "SimClock.h"

#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcSimClock, "pumpsim.clock", QtWarningMsg)

using Table = PumpTables::Table;

constexpr int kDaysPerWeek = 7;

bool overlaps(int index, int count, int first, int size)
{
    return index < first + size && first < index + count;
}

} // namespace

SimClock::SimClock() = default;

SimClock::Registers SimClock::read(const PumpTables &tables)
{
    Registers registers {};
    for (int i = 0; i < kRegisterCount; ++i)
        registers[i] = tables.value(Table::HoldingRegisters, kFirstRegister + i);
    return registers;
}

QDateTime SimClock::now() const
{
    if (!m_running)
        return QDateTime();
    const QDateTime moment = m_setMoment.addMSecs(m_sinceSet.elapsed());
    // Handed out as a local time, the way the client reads the PC clock.
    return QDateTime(moment.date(), moment.time());
}

int SimClock::dayOfWeek() const
{
    if (!m_running)
        return 0;
    const qint64 days =
        m_setMoment.date().daysTo(m_setMoment.addMSecs(m_sinceSet.elapsed()).date());
    return int((m_setDayOfWeek - 1 + days) % kDaysPerWeek) + 1;
}

void SimClock::take(PumpTables &tables)
{
    const Registers r = read(tables);
    const QDate date(r[0], r[1], r[2]);
    const QTime time(r[3], r[4], r[5]);
    const bool valid = date.isValid() && time.isValid() && r[6] >= 1 && r[6] <= kDaysPerWeek;
    m_shown = r;
    if (!valid) {
        if (m_running)
            qCInfo(lcSimClock, "clock stopped: %d-%d-%d %d:%d:%d day %d is no time", r[0], r[1],
                   r[2], r[3], r[4], r[5], r[6]);
        m_running = false;
        return;
    }
    m_running = true;
    m_setMoment = QDateTime(date, time, Qt::UTC);
    m_setDayOfWeek = r[6];
    m_sinceSet.start();
    m_settings.append({QDateTime(date, time), r[6]});
    qCInfo(lcSimClock, "clock set to %s, day %d",
           qPrintable(m_setMoment.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))), r[6]);
}

void SimClock::show(PumpTables &tables)
{
    if (!m_running)
        return;
    const QDateTime moment = m_setMoment.addMSecs(m_sinceSet.elapsed());
    const QDate date = moment.date();
    const QTime time = moment.time();
    m_shown = {date.year(),   date.month(),  date.day(), time.hour(),
               time.minute(), time.second(), dayOfWeek()};
    for (int i = 0; i < kRegisterCount; ++i)
        tables.setValue(Table::HoldingRegisters, kFirstRegister + i, m_shown[i]);
}

void SimClock::refresh(PumpTables &tables)
{
    // Registers that no longer hold what the clock showed were set from
    // outside (a loaded state, a test): they are the clock's new setting.
    if (!m_seenTables || read(tables) != m_shown) {
        m_seenTables = true;
        take(tables);
    }
    show(tables);
}

void SimClock::written(PumpTables &tables, PumpTables::Table table, int index, int count)
{
    if (table == Table::HoldingRegisters &&
        overlaps(index, count, kFirstRegister, kRegisterCount)) {
        m_seenTables = true;
        take(tables);
        return;
    }
    if (table == Table::Coils && overlaps(index, count, kCommitCoil, 1) &&
        tables.value(Table::Coils, kCommitCoil) == 1) {
        m_commitRequests.append(requestNumber());
        qCInfo(lcSimClock, "clock commit (coil %d) #%d at request %d", kCommitCoil,
               int(m_commitRequests.size()), requestNumber());
        tables.setValue(Table::Coils, kCommitCoil, 0);
    }
}

#pragma once

#include "SimBehaviour.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QVector>

#include <array>

// The pump's real-time clock in holding registers 152..158: year, month,
// day, hour, minute, second and day of week (1 Monday .. 7 Sunday). A pump
// leaves the factory with the registers at 0 and its clock stopped. Whatever
// lands in them, by a client's write or put there directly, sets the clock:
// valid values make it run from that moment on, invalid ones stop it and
// are left as they are. The day of week is kept as it was set and moves on
// at each midnight, as a real clock chip does. The commit coil 33 that a
// client writes after a setting is counted, logged with its request number
// and cleared.
class SimClock : public SimBehaviour
{
public:
    static constexpr int kFirstRegister = 152;
    static constexpr int kRegisterCount = 7;
    static constexpr int kCommitCoil = 33;

    struct Setting
    {
        QDateTime moment; // as the registers named it
        int dayOfWeek = 0;
    };

    SimClock();

    void refresh(PumpTables &tables) override;
    void written(PumpTables &tables, PumpTables::Table table, int index, int count) override;

    bool isRunning() const { return m_running; }
    // The clock's time now; invalid while it is stopped.
    QDateTime now() const;
    int dayOfWeek() const;
    // Every setting taken, oldest first.
    const QVector<Setting> &settings() const { return m_settings; }
    int commitCount() const { return m_commitRequests.size(); }
    // The number of the request that carried each commit, oldest first.
    const QVector<int> &commitRequests() const { return m_commitRequests; }

private:
    using Registers = std::array<int, kRegisterCount>;

    static Registers read(const PumpTables &tables);
    void take(PumpTables &tables);
    void show(PumpTables &tables);

    bool m_running = false;
    QDateTime m_setMoment; // UTC as a plain calendar time, free of daylight saving
    int m_setDayOfWeek = 0;
    QElapsedTimer m_sinceSet;
    bool m_seenTables = false;
    Registers m_shown {};
    QVector<Setting> m_settings;
    QVector<int> m_commitRequests;
};

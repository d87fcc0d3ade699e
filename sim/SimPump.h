#pragma once

#include "PumpTables.h"
#include "SimBehaviour.h"

#include <QByteArray>

// One simulated pump: its tables and the Modbus slave that serves them. Everything a pump
// keeps lives here, so that later parts of the pump can grow beside the tables.
class SimPump
{
public:
    SimPump();

    enum ExceptionCode {
        IllegalFunction = 0x01,
        IllegalDataAddress = 0x02,
        IllegalDataValue = 0x03,
        ServerDeviceFailure = 0x04,
    };

    struct Result
    {
        QByteArray reply; // complete frame with CRC, addressed as the request was
        int exceptionCode = 0; // 0 when the request was carried out
        bool wrote = false; // a write request changed (or rewrote) the tables
    };

    // The first behaviour of type T, or null.
    template<typename T> T *behaviour() const
    {
        for (const auto &b : m_behaviours) {
            if (auto *found = dynamic_cast<T *>(b.get()))
                return found;
        }
        return nullptr;
    }
    void addBehaviour(std::shared_ptr<SimBehaviour> behaviour);
    // Brings live values (clock, temperature, motors) up to date now.
    void refresh();

    PumpTables &tables() { return m_tables; }
    const PumpTables &tables() const { return m_tables; }

    // Carries out one request frame whose CRC has been checked; requestNumber
    // is what the behaviours record it under.
    Result execute(const QByteArray &frame, int requestNumber = 0);

    static bool isWriteFunction(int function);
    // The table a function addresses; false for a function the pump doesn't know.
    static bool tableOf(int function, PumpTables::Table *table);
    static QByteArray exceptionReply(int slave, int function, int code);

private:
    Result readTable(const QByteArray &frame, PumpTables::Table table);
    Result writeSingle(const QByteArray &frame, PumpTables::Table table);
    Result writeMultiple(const QByteArray &frame, PumpTables::Table table);

    PumpTables m_tables;
    SimBehaviours m_behaviours;
};

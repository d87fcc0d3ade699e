#pragma once

#include <QVector>
#include <QtGlobal>

#include <array>

// One pump's four Modbus tables, addressed by table index. Bits are kept as 0/1 in the same
// 16-bit cells as registers so that every table is handled alike.
class PumpTables
{
public:
    enum class Table { DiscreteInputs, Coils, InputRegisters, HoldingRegisters };
    static constexpr int kTableCount = 4;

    static constexpr int kDiscreteInputCount = 16;
    static constexpr int kCoilCount = 60;
    static constexpr int kInputRegisterCount = 40;
    static constexpr int kHoldingRegisterCount = 386;

    // Registers whose meaning the simulator knows; the rest are plain factory values.
    static constexpr int kTemperatureRegister = 0; // input: tenths of a degree C plus 500
    static constexpr int kFirmwareVersionRegister = 29; // input: major<<12 | minor<<8 | patch
    static constexpr int kFirmwareBuildRegister = 30; // input
    static constexpr int kPasswordLengthRegister = 161; // holding
    static constexpr int kPasswordFirstRegister = 162; // holding: two ASCII bytes each, high first
    static constexpr int kPasswordRegisterCount = 3;

    static constexpr int kDefaultTemperatureCode = 750; // 25.0 degrees C
    static constexpr int kDefaultFirmwareVersion = 0x1102;
    static constexpr int kDefaultFirmwareBuild = 7;
    static constexpr char kDefaultPassword[] = "572913";

    PumpTables();

    void restoreFactoryDefaults();

    static int size(Table table);
    // The wire address of index 0 of each table.
    static int wireBase(Table table);
    static bool holdsBits(Table table);
    static const char *name(Table table);

    // -1 outside the table.
    int value(Table table, int index) const;
    // Ignored outside the table; bits keep value != 0, registers the low 16 bits.
    void setValue(Table table, int index, int value);

    QVector<int> values(Table table) const;

private:
    const QVector<quint16> &cells(Table table) const;
    QVector<quint16> &cells(Table table);
    void fill(Table table, int first, int last, quint16 value);
    void put(Table table, int first, std::initializer_list<quint16> values);

    std::array<QVector<quint16>, kTableCount> m_tables;
};

#include "PumpTables.h"

namespace {

int slot(PumpTables::Table table)
{
    return static_cast<int>(table);
}

} // namespace

PumpTables::PumpTables()
{
    restoreFactoryDefaults();
}

void PumpTables::restoreFactoryDefaults()
{
    for (int i = 0; i < kTableCount; ++i) {
        const auto table = static_cast<Table>(i);
        m_tables[slot(table)] = QVector<quint16>(size(table), 0);
    }

    // The values a pump leaves the factory with.
    fill(Table::Coils, 27, 32, 1);
    put(Table::Coils, 35, {1, 0, 1, 1, 0, 1, 0, 1, 0});
    put(Table::Coils, 46, {1});

    fill(Table::HoldingRegisters, 1, 6, 1);
    fill(Table::HoldingRegisters, 9, 14, 3);
    // Six floats of 100.0 (0x42C80000), high word first.
    for (int index = 17; index <= 27; index += 2)
        put(Table::HoldingRegisters, index, {0x42C8, 0});
    fill(Table::HoldingRegisters, 31, 36, 24);
    put(Table::HoldingRegisters, 42, {8, 0, 0, 8, 4, 0, 8, 8, 0, 8, 12, 0, 8, 16});
    fill(Table::HoldingRegisters, 63, 74, 10000);
    fill(Table::HoldingRegisters, 79, 84, 1);
    fill(Table::HoldingRegisters, 111, 128, 10000);
    put(Table::HoldingRegisters, 132, {6});
    put(Table::HoldingRegisters, 134, {60});
    put(Table::HoldingRegisters, 142, {3, 3392, 0, 500, 650, 850});

    const int passwordLength = int(sizeof(kDefaultPassword)) - 1;
    setValue(Table::HoldingRegisters, kPasswordLengthRegister, passwordLength);
    for (int i = 0; i < kPasswordRegisterCount; ++i) {
        const int high = static_cast<uchar>(kDefaultPassword[2 * i]);
        const int low = static_cast<uchar>(kDefaultPassword[2 * i + 1]);
        setValue(Table::HoldingRegisters, kPasswordFirstRegister + i, high << 8 | low);
    }

    setValue(Table::InputRegisters, kTemperatureRegister, kDefaultTemperatureCode);
    setValue(Table::InputRegisters, kFirmwareVersionRegister, kDefaultFirmwareVersion);
    setValue(Table::InputRegisters, kFirmwareBuildRegister, kDefaultFirmwareBuild);
}

int PumpTables::size(Table table)
{
    switch (table) {
    case Table::DiscreteInputs:
        return kDiscreteInputCount;
    case Table::Coils:
        return kCoilCount;
    case Table::InputRegisters:
        return kInputRegisterCount;
    case Table::HoldingRegisters:
        return kHoldingRegisterCount;
    }
    return 0;
}

int PumpTables::wireBase(Table table)
{
    switch (table) {
    case Table::DiscreteInputs:
        return 0x2001;
    case Table::Coils:
        return 0x1001;
    case Table::InputRegisters:
        return 0x4001;
    case Table::HoldingRegisters:
        return 0x3001;
    }
    return 0;
}

bool PumpTables::holdsBits(Table table)
{
    return table == Table::DiscreteInputs || table == Table::Coils;
}

const char *PumpTables::name(Table table)
{
    switch (table) {
    case Table::DiscreteInputs:
        return "discreteInputs";
    case Table::Coils:
        return "coils";
    case Table::InputRegisters:
        return "inputRegisters";
    case Table::HoldingRegisters:
        return "holdingRegisters";
    }
    return "";
}

int PumpTables::value(Table table, int index) const
{
    const QVector<quint16> &data = cells(table);
    if (index < 0 || index >= data.size())
        return -1;
    return data.at(index);
}

void PumpTables::setValue(Table table, int index, int value)
{
    QVector<quint16> &data = cells(table);
    if (index < 0 || index >= data.size())
        return;
    data[index] = holdsBits(table) ? quint16(value != 0) : quint16(value & 0xFFFF);
}

QVector<int> PumpTables::values(Table table) const
{
    QVector<int> result;
    result.reserve(size(table));
    for (quint16 cell : cells(table))
        result.append(cell);
    return result;
}

const QVector<quint16> &PumpTables::cells(Table table) const
{
    return m_tables[slot(table)];
}

QVector<quint16> &PumpTables::cells(Table table)
{
    return m_tables[slot(table)];
}

void PumpTables::fill(Table table, int first, int last, quint16 value)
{
    for (int index = first; index <= last; ++index)
        setValue(table, index, value);
}

void PumpTables::put(Table table, int first, std::initializer_list<quint16> values)
{
    int index = first;
    for (quint16 value : values)
        setValue(table, index++, value);
}

#include "SimBehaviour.h"

SimBehaviour::~SimBehaviour() = default;

void SimBehaviour::refresh(PumpTables &tables)
{
    Q_UNUSED(tables)
}

void SimBehaviour::written(PumpTables &tables, PumpTables::Table table, int index, int count)
{
    Q_UNUSED(tables)
    Q_UNUSED(table)
    Q_UNUSED(index)
    Q_UNUSED(count)
}

#pragma once

#include "PumpTables.h"

#include <memory>
#include <vector>

// A part of the pump that lives beside its Modbus tables: a clock, a
// thermometer, the motors, the sensors. A behaviour keeps its own state and
// is told about every request before it is carried out (so it can bring
// live values up to date) and about every write after it (so it can react).
// It holds no pointer to the tables: they are handed in on each call.
class SimBehaviour
{
public:
    virtual ~SimBehaviour();

    // The number the simulator gave the request being carried out (0 for a
    // request carried out without one), so that what a behaviour records can
    // be placed among the requests of a batch.
    void setRequestNumber(int number) { m_requestNumber = number; }
    int requestNumber() const { return m_requestNumber; }

    // Before any request is carried out.
    virtual void refresh(PumpTables &tables);
    // After a write request changed [index, index + count) of table.
    virtual void written(PumpTables &tables, PumpTables::Table table, int index, int count);

private:
    int m_requestNumber = 0;
};

using SimBehaviours = std::vector<std::shared_ptr<SimBehaviour>>;

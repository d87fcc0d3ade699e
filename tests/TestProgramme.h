#pragma once

// A dose programme with everything a plain encoder would get wrong: kept
// registers with values of their own, a start time that is no whole hour, a
// dose count the span does not offer, a volume with two decimals, plans out
// of time order, low bytes beside the plan counts. Every cell as an index
// and value, so that any pump stand-in can be loaded with it.

#include <QPair>
#include <QVector>

struct TestProgramme
{
    QVector<QPair<int, int>> holdingRegisters;
    QVector<QPair<int, int>> coils;

    static TestProgramme make(int seed);
};

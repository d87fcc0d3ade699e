#include "TestProgramme.h"

namespace {
// 12.5, 2.55, 100.0 and 30.0 as single-precision patterns.
constexpr quint32 kVolumes[4] = {0x41480000, 0x40233333, 0x42C80000, 0x41F00000};
} // namespace

TestProgramme TestProgramme::make(int seed)
{
    TestProgramme p;
    auto &regs = p.holdingRegisters;
    for (int reg = 1; reg <= 366; ++reg)
        regs.append({reg, (seed * 131 + reg * 7) & 0xFFFF});
    const int coils[7] = {1, 0, 1, 1, 1, 0, 0}; // coils 28..34
    for (int i = 0; i < 7; ++i)
        p.coils.append({28 + i, coils[i]});
    const int runModes[4] = {1, 2, 4, 3};
    const int masks[4] = {0x7F, 0x15, 0x41, 0x00};
    const int doses[4] = {4, 5, 1, 2};
    const int speeds[4] = {0, 1, 2, 1};
    const int times[8] = {0x0800, 0x133B, 0x081E, 0x143B, 0x0000, 0x173B, 0x0A00, 0x0D3B};
    for (int i = 0; i < 4; ++i) {
        regs.append({2 + i, runModes[i]});
        regs.append({10 + i, masks[i]});
        regs.append({19 + 2 * i, int(kVolumes[i] >> 16)});
        regs.append({20 + 2 * i, int(kVolumes[i] & 0xFFFF)});
        regs.append({32 + i, doses[i]});
        regs.append({80 + i, speeds[i]});
        regs.append({165 + 2 * i, times[2 * i]});
        regs.append({166 + 2 * i, times[2 * i + 1]});
    }
    regs.append({148, 0x0000});
    regs.append({149, 0x025A});
    regs.append({150, 0x00A5});
    regs.append({151, 0x0300});
    // Channel 2 (223..270): 09:15 5 ml, then 07:00 7 ml.
    regs.append({223, 0x090F});
    regs.append({224, 0x0700});
    regs.append({247, 5});
    regs.append({248, 7});
    // Channel 4 (319..366): 06:00, 12:00, 18:00 with 10, 20, 30 ml.
    for (int j = 0; j < 3; ++j) {
        regs.append({319 + j, (6 + 6 * j) << 8});
        regs.append({343 + j, 10 * (j + 1)});
    }
    return p;
}

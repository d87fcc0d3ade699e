#pragma once

#include <QtGlobal>

// The client's mirror of one pump's four Modbus tables, addressed by a
// zero-based image index. Replies are decoded into the process-wide image;
// pages put the values they want written there before queueing a write.
struct RegisterImage
{
    static constexpr int kDiscreteInputCount = 16;
    static constexpr int kCoilCount = 60;
    static constexpr int kInputRegisterCount = 40;
    static constexpr int kHoldingRegisterCount = 386;

    // How much of each table the full read of a pump fills, from index 0;
    // copying one device image into another copies exactly these counts.
    static constexpr int kReadCoilCount = 47;
    static constexpr int kReadDiscreteInputCount = 5;
    static constexpr int kReadHoldingRegisterCount = 367;
    static constexpr int kReadInputRegisterCount = 31;

    quint8 discreteInputs[kDiscreteInputCount] = {};
    quint8 coils[kCoilCount] = {};
    int inputRegisters[kInputRegisterCount] = {};
    int holdingRegisters[kHoldingRegisterCount] = {};
    // The PC's time, in ms since the epoch, at which the clock registers
    // held what they hold: when a full read filled them or the clock was
    // set; 0 when neither happened. A pump's clock difference is measured
    // then, not when someone looks at it.
    qint64 clockTakenAtMs = 0;

    // Copies the ranges a full read fills.
    void copyReadRangesFrom(const RegisterImage &other);

    // The process-wide image where replies land. Created on first use.
    static RegisterImage *shared();

    // The master pump's device image of the current login cycle, set by the
    // orchestrator; null between cycles.
    static RegisterImage *working();
    static void setWorking(RegisterImage *image);
};

#pragma once

// Shared by the manual, calibration, liquid status and sensor page tests:
// the real queue on its worker thread against the in-process simulator,
// prompts recorded instead of shown, and the device image a pump's full
// read would leave.

#include "AppSettings.h"
#include "LinkFixture.h"
#include "MyMessageBox.h"
#include "RegisterImage.h"

#include <QStringList>
#include <QVector>
#include <QtTest>

class PageFixture
{
public:
    PageFixture()
    {
        MyMessageBox::setPromptObserver([this](QWidget *, int number) { prompts.append(number); });
    }
    ~PageFixture() { MyMessageBox::setPromptObserver(nullptr); }

    bool start()
    {
        if (!link.start())
            return false;
        AppSettings::writeClientDefaults(AppSettings::store());
        return true;
    }

    PumpSimulator &sim() { return link.sim(); }

    // Waits for the queue to be idle and forgets what came before.
    void reset()
    {
        QTRY_VERIFY(link.queue().isIdle());
        QTRY_VERIFY(sim().hasClient());
        sim().setFaults(SimFaults());
        sim().clearRequests();
        prompts.clear();
    }

    // What the orchestrator's full read would leave in a device image.
    void loadImage(int address, RegisterImage &image)
    {
        PumpSimulator &s = sim();
        for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
            image.holdingRegisters[i] = s.holdingRegister(address, i);
        for (int i = 0; i < RegisterImage::kCoilCount; ++i)
            image.coils[i] = quint8(s.coil(address, i));
        for (int i = 0; i < RegisterImage::kDiscreteInputCount; ++i)
            image.discreteInputs[i] = quint8(s.discreteInput(address, i));
    }

    // One entry per request the simulator saw: "slave function index count"
    // (the count is the value for single writes).
    QStringList seen()
    {
        QStringList list;
        for (const PumpSimulator::Request &r : sim().requests())
            list << QStringLiteral("%1 %2 %3 %4")
                        .arg(r.slave)
                        .arg(r.function)
                        .arg(r.index)
                        .arg(r.count);
        return list;
    }

    LinkFixture link;
    QVector<int> prompts;
};

// The value a write single coil request carries for 1.
constexpr int kCoilOnValue = 0xFF00;

#pragma once

#include <QSet>
#include <QtGlobal>

// The faults the simulator injects. Rates are shares from 0 to 1; every random choice comes
// from one generator seeded with seed, so the same requests meet the same faults again.
struct SimFaults
{
    quint32 seed = 1;
    // Every reply is sent this much after its request arrived.
    int replyDelayMs = 0;
    // Requests left unanswered; their writes still apply.
    double dropRate = 0.0;
    // Replies with one CRC byte flipped.
    double corruptRate = 0.0;
    // Replies sent as two TCP writes, cut at a random byte inside the frame, splitGapMs apart.
    double splitRate = 0.0;
    int splitGapMs = 30;
    // Requests answered with exception 04 (server device failure) instead of being carried out.
    double exceptionRate = 0.0;
    // Each connection is closed after this many requests; 0: never.
    int closeAfterRequests = 0;
    // Served addresses that never answer; their pumps still carry out what they hear.
    QSet<int> silentSlaves;
    // Replies sent twice, the copy duplicateDelayMs after the original.
    double duplicateRate = 0.0;
    int duplicateDelayMs = 2500;
};

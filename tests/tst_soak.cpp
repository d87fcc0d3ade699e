#include "SoakRun.h"
#include "TestSupport.h"

#include <QtTest>

// The link under every fault at once for a short while: the same soak the
// benchmark runs for minutes (bench/bench_soak.cpp).
class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void faultyLineForTwentySecondsGivesNoWrongValueAndNoHang();
};

void TestSoak::faultyLineForTwentySecondsGivesNoWrongValueAndNoHang()
{
    TestSupport::freshSettings();
    // Longer by hand: TIDEWELL_SOAK_SECONDS=120 tests/tst_soak
    const int seconds = qEnvironmentVariableIsSet("TIDEWELL_SOAK_SECONDS")
        ? qEnvironmentVariableIntValue("TIDEWELL_SOAK_SECONDS")
        : 20;
    SoakRun soak;
    const SoakFigures f = soak.run(seconds);
    QVERIFY(f.linkCameUp);
    qInfo("batches %d, succeeded %d, failed cleanly %d, wrong values %d, hangs %d, "
          "reconnects %d, requests %lld, longest batch %lld ms",
          f.batches, f.succeeded, f.failedCleanly, f.wrongValues, f.hangs, f.reconnects, f.requests,
          f.longestBatchMs);
    for (const QString &sample : f.wrongSamples)
        qWarning("wrong: %s", qPrintable(sample));
    QCOMPARE(f.wrongValues, 0);
    QCOMPARE(f.hangs, 0);
    // Every batch ended one way or the other, and the faults really struck:
    // more requests than commands, lost connections taken up again, and
    // batches that failed part way through.
    QCOMPARE(f.succeeded + f.failedCleanly, f.batches);
    QVERIFY(f.batches >= 8);
    QVERIFY(f.requests > f.batches);
    QVERIFY(f.reconnects >= 1);
    QVERIFY(f.failedCleanly >= 1);
}

QTEST_GUILESS_MAIN(TestSoak)
#include "tst_soak.moc"

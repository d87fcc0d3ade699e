#include "BatchOutcome.h"
#include "Communication.h"
#include "LinkFixture.h"
#include "RegisterImage.h"
#include "TestSupport.h"

#include <QRandomGenerator>
#include <QtTest>

// The command queue against the simulator: retries, abandoning a batch,
// address masking, and that faults on the line never end in wrong data.
class TestQueue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void failingTwiceThenSucceedingSendsOneTwoTwoTwoThree();
    void fourTimeoutsAbandonTheBatch();
    void slaveAddressKeepsItsLowEightBits();
    void singleCoilWriteTakesTheImageValue();
    void splitReplyIsAcceptedOnTheFirstAttempt();
    void lateReplyAfterATimeoutNeverLandsOnTheNextRequest();
    void repeatedReplyLandingOnTheNextRequestIsNeverStored();
    void strayBytesAfterTheLastReplySendItAgain();
    void progressCountsEachRequestOnceItIsOverBeforeTheOutcome();
    void progressStopsAtTheRequestThatFinallyFailed();
    void progressTakesBackAReplySentAgainAfterStrayBytes();
    void repeatedCopyLongAfterTheBatchChangesNothing();
    void requestOutsideItsTableFailsTheBatchWithoutSending();
    void unknownFunctionFailsTheBatch();
    void emptyTransmissionLeavesTheQueueIdle();
    void busyQueueRefusesASecondBatch();
    void outcomeReachesTheCallbackThatStartedTheBatch();
    void onlyStatusZeroIsDeliveredAsSuccess();
    void faultyLineEndsWithTrueDataOrCleanFailure_data();
    void faultyLineEndsWithTrueDataOrCleanFailure();

private:
    // The queue's progress and outcome as they reach the test's thread, in
    // order: "done/total" and "outcome N".
    QStringList recordProgress(const QStringList &commands);

    // One entry per request the simulator saw: "slave function index count".
    QStringList seen() const { return m_fixture.seen(); }
    void fillSimulatorWithDistinctValues(int slave, quint32 seed);

    LinkFixture m_fixture;
};

void TestQueue::initTestCase()
{
    QVERIFY(m_fixture.start());
}

void TestQueue::init()
{
    QTRY_VERIFY(m_fixture.queue().isIdle());
    QTRY_VERIFY(m_fixture.sim().hasClient());
    m_fixture.sim().setFaults(SimFaults());
    m_fixture.sim().clearRequests();
}

void TestQueue::fillSimulatorWithDistinctValues(int slave, quint32 seed)
{
    QRandomGenerator random(seed);
    PumpSimulator &sim = m_fixture.sim();
    for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
        sim.setHoldingRegister(slave, i, int(random.bounded(65536u)));
    for (int i = 0; i < RegisterImage::kInputRegisterCount; ++i)
        sim.setInputRegister(slave, i, int(random.bounded(65536u)));
    for (int i = 0; i < RegisterImage::kCoilCount; ++i)
        sim.setCoil(slave, i, int(random.bounded(2u)));
    for (int i = 0; i < RegisterImage::kDiscreteInputCount; ++i)
        sim.setDiscreteInput(slave, i, int(random.bounded(2u)));
}

void TestQueue::failingTwiceThenSucceedingSendsOneTwoTwoTwoThree()
{
    m_fixture.sim().scriptCorrupt(2);
    m_fixture.sim().scriptCorrupt(3);
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 3 0 4", "1 3 10 4", "1 3 20 4"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({0}));
    QCOMPARE(seen(), QStringList({"1 3 0 4", "1 3 10 4", "1 3 10 4", "1 3 10 4", "1 3 20 4"}));
}

void TestQueue::fourTimeoutsAbandonTheBatch()
{
    m_fixture.sim().scriptDrop(1);
    m_fixture.sim().scriptDrop(2);
    m_fixture.sim().scriptDrop(3);
    m_fixture.sim().scriptDrop(4);
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 3 0 4", "1 3 10 4"}, &callback));
    // Four response times, with the pauses and quiet-line waits between.
    QTRY_VERIFY_WITH_TIMEOUT(!callback.outcomes.isEmpty(), 15000);
    QCOMPARE(callback.outcomes, QVector<int>({6}));
    QVERIFY(m_fixture.queue().isIdle());
    QCOMPARE(seen(), QStringList({"1 3 0 4", "1 3 0 4", "1 3 0 4", "1 3 0 4"}));

    // The queue is usable again at once.
    RecordingCallback next;
    QVERIFY(m_fixture.runBatch({"1 3 10 4"}, &next));
    QTRY_COMPARE(next.outcomes, QVector<int>({0}));
}

void TestQueue::slaveAddressKeepsItsLowEightBits()
{
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"257 3 0 22"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({0}));
    QCOMPARE(seen(), QStringList({"1 3 0 22"}));
}

void TestQueue::singleCoilWriteTakesTheImageValue()
{
    // Coil 50 drives nothing in the pump, so the write is all that happens.
    m_fixture.sim().setCoil(1, 50, 0);
    RegisterImage::shared()->coils[50] = 1;
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 5 50"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({0}));
    QCOMPARE(m_fixture.sim().coil(1, 50), 1);
    QCOMPARE(seen(), QStringList({"1 5 50 65280"}));
}

void TestQueue::splitReplyIsAcceptedOnTheFirstAttempt()
{
    m_fixture.sim().setHoldingRegister(1, 100, 4242);
    m_fixture.sim().scriptSplit(1, 100);
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 3 90 22"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({0}));
    QCOMPARE(m_fixture.sim().requestCount(), 1);
    QCOMPARE(RegisterImage::shared()->holdingRegisters[100], 4242);
}

void TestQueue::lateReplyAfterATimeoutNeverLandsOnTheNextRequest()
{
    // A slow line (200 ms per reply) and one reply that comes 2.5 s late,
    // after its timer fired: without a quiet line the late copy would be
    // taken for the retry, and the retry's own reply for the next request,
    // which has the same function and count.
    for (int i = 0; i < 10; ++i) {
        m_fixture.sim().setHoldingRegister(1, i, 1000 + i);
        m_fixture.sim().setHoldingRegister(1, 50 + i, 5000 + i);
    }
    SimFaults slow;
    slow.replyDelayMs = 200;
    m_fixture.sim().setFaults(slow);
    m_fixture.sim().scriptReplyDelay(1, 2500);

    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 3 0 10", "1 3 50 10"}, &callback));
    QTRY_VERIFY_WITH_TIMEOUT(!callback.outcomes.isEmpty(), 10000);
    QCOMPARE(callback.outcomes, QVector<int>({0}));
    for (int i = 0; i < 10; ++i) {
        QCOMPARE(RegisterImage::shared()->holdingRegisters[i], 1000 + i);
        QCOMPARE(RegisterImage::shared()->holdingRegisters[50 + i], 5000 + i);
    }
    // The retry went out only after the late reply had come and gone.
    const QVector<PumpSimulator::Request> requests = m_fixture.sim().requests();
    QCOMPARE(requests.size(), 3);
    QVERIFY(requests.at(1).receivedMs - requests.at(0).receivedMs >= 2500 + 300);
}

void TestQueue::repeatedReplyLandingOnTheNextRequestIsNeverStored()
{
    // Every reply 40 ms late and repeated 80 ms after itself: the copy
    // arrives 20 ms after the next request went out, and the next request
    // has the same slave, function and count, so its content alone cannot
    // betray it. Its own reply then comes with nothing pending.
    fillSimulatorWithDistinctValues(1, 99);
    RegisterImage &image = *RegisterImage::shared();
    image = RegisterImage();
    SimFaults faults;
    faults.replyDelayMs = 40;
    faults.duplicateRate = 1.0;
    faults.duplicateDelayMs = 80;
    m_fixture.sim().setFaults(faults);

    QStringList commands;
    for (int index = 0; index < 6 * 22; index += 22)
        commands << QStringLiteral("1 3 %1 22").arg(index);
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch(commands, &callback));
    QTRY_VERIFY_WITH_TIMEOUT(!callback.outcomes.isEmpty(), 30000);
    QCOMPARE(callback.outcomes.size(), 1);

    // A success means every register is the pump's; a failure may leave a
    // register untouched (zero), never another register's value.
    const bool success = callback.outcomes.first() == 0;
    int wrong = 0;
    for (int i = 0; i < 6 * 22; ++i) {
        const int got = image.holdingRegisters[i];
        if (got != m_fixture.sim().holdingRegister(1, i) && (success || got != 0))
            ++wrong;
    }
    QCOMPARE(wrong, 0);
    QVERIFY(success);
    // The suspect commands really were sent again.
    QVERIFY(m_fixture.sim().requestCount() > commands.size());
    // The last copy is still on its way (40 + 80 ms after the last request);
    // let it pass before the next test's requests.
    QTest::qWait(200);
}

void TestQueue::strayBytesAfterTheLastReplySendItAgain()
{
    // The copy of the only reply comes 20 ms after it, inside the pause that
    // confirms a reply: the command goes again before the batch reports.
    m_fixture.sim().setHoldingRegister(1, 5, 555);
    m_fixture.sim().scriptDuplicate(1, 20);
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 3 0 10"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({0}));
    QCOMPARE(seen(), QStringList({"1 3 0 10", "1 3 0 10"}));
    QCOMPARE(RegisterImage::shared()->holdingRegisters[5], 555);
}

QStringList TestQueue::recordProgress(const QStringList &commands)
{
    QStringList events;
    bool offThread = false;
    QObject context;
    connect(&m_fixture.queue(), &CommSend::requestProgress, &context, [&](int done, int total) {
        offThread = offThread || QThread::currentThread() != thread();
        events << QStringLiteral("%1/%2").arg(done).arg(total);
    });
    connect(&m_fixture.queue(), &CommSend::returnStatus, &context,
            [&](int status) { events << QStringLiteral("outcome %1").arg(status); });
    RecordingCallback callback;
    if (!m_fixture.runBatch(commands, &callback))
        return {QStringLiteral("refused")};
    if (!QTest::qWaitFor([&] { return !callback.outcomes.isEmpty(); }, 15000))
        return {QStringLiteral("no outcome")};
    if (offThread)
        events << QStringLiteral("emitted off the test's thread");
    return events;
}

void TestQueue::progressCountsEachRequestOnceItIsOverBeforeTheOutcome()
{
    // The second request fails twice: its tries are not counted as requests.
    m_fixture.sim().scriptCorrupt(2);
    m_fixture.sim().scriptCorrupt(3);
    QCOMPARE(recordProgress({"1 3 0 4", "1 3 10 4", "1 3 20 4"}),
             QStringList({"0/3", "1/3", "2/3", "3/3", "outcome 0"}));
}

void TestQueue::progressStopsAtTheRequestThatFinallyFailed()
{
    for (int request = 2; request <= 5; ++request)
        m_fixture.sim().scriptException(request, 4);
    QCOMPARE(recordProgress({"1 3 0 4", "1 3 10 4", "1 3 20 4"}),
             QStringList({"0/3", "1/3", "2/3", "outcome 3"}));
}

void TestQueue::progressTakesBackAReplySentAgainAfterStrayBytes()
{
    m_fixture.sim().scriptDuplicate(1, 20);
    QCOMPARE(recordProgress({"1 3 0 10"}), QStringList({"0/1", "1/1", "0/1", "1/1", "outcome 0"}));
}

void TestQueue::repeatedCopyLongAfterTheBatchChangesNothing()
{
    m_fixture.sim().setHoldingRegister(1, 5, 556);
    m_fixture.sim().scriptDuplicate(1, 300);
    RecordingCallback callback;
    QSignalSpy outcome(&m_fixture.queue(), &CommSend::returnStatus);
    QVERIFY(m_fixture.runBatch({"1 3 0 10"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({0}));
    // The copy comes 300 ms after the reply; wait past it.
    QTest::qWait(400);
    QCOMPARE(callback.outcomes, QVector<int>({0}));
    QCOMPARE(outcome.count(), 1);
    QCOMPARE(m_fixture.sim().requestCount(), 1);
    QCOMPARE(RegisterImage::shared()->holdingRegisters[5], 556);
}

void TestQueue::requestOutsideItsTableFailsTheBatchWithoutSending()
{
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 3 0 4", "1 3 380 10", "1 3 20 4"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({1}));
    QVERIFY(m_fixture.queue().isIdle());
    QCOMPARE(seen(), QStringList({"1 3 0 4"}));
}

void TestQueue::unknownFunctionFailsTheBatch()
{
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 7 0 4", "1 3 0 4"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({1}));
    QVERIFY(m_fixture.queue().isIdle());
    QCOMPARE(m_fixture.sim().requestCount(), 0);
}

void TestQueue::emptyTransmissionLeavesTheQueueIdle()
{
    QSignalSpy outcome(&m_fixture.queue(), &CommSend::returnStatus);
    Q_EMIT m_fixture.transmission();
    // Nothing was queued, so nothing may be reported; the next batch runs.
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 3 0 4"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({0}));
    QCOMPARE(outcome.count(), 1);
}

void TestQueue::busyQueueRefusesASecondBatch()
{
    RecordingCallback first;
    RecordingCallback second;
    QVERIFY(m_fixture.runBatch({"1 3 0 22", "1 3 22 22"}, &first));
    QVERIFY(!m_fixture.runBatch({"1 3 44 22"}, &second));
    QTRY_COMPARE(first.outcomes, QVector<int>({0}));
    QCOMPARE(second.outcomes, QVector<int>());
    QCOMPARE(seen(), QStringList({"1 3 0 22", "1 3 22 22"}));
}

void TestQueue::outcomeReachesTheCallbackThatStartedTheBatch()
{
    // A second caller that starts its batch the moment the queue turns idle
    // must not receive the first caller's outcome, nor lose its own.
    RecordingCallback first;
    RecordingCallback second;
    QVERIFY(m_fixture.runBatch({"1 3 0 4"}, &first));
    QTRY_VERIFY(m_fixture.queue().isIdle());
    QVERIFY(m_fixture.runBatch({"1 3 4 4"}, &second));
    QTRY_COMPARE(second.outcomes, QVector<int>({0}));
    QCOMPARE(first.outcomes, QVector<int>({0}));
}

void TestQueue::onlyStatusZeroIsDeliveredAsSuccess()
{
    // Which operation is called matters, not only the status it carries: a
    // failure reported as success would show a page a write that never landed.
    class Calls : public CommBackOperate
    {
    public:
        void operateSuccess() override { calls << QStringLiteral("success"); }
        void operateFailure(int status) override
        {
            calls << QStringLiteral("failure %1").arg(status);
        }
        QStringList calls;
    };
    Calls target;
    for (const int status : {0, 1, 3, 6})
        BatchOutcome::deliver(&target, status);
    BatchOutcome::deliver(nullptr, 6);
    QCOMPARE(target.calls, QStringList({"success", "failure 1", "failure 3", "failure 6"}));
}

void TestQueue::faultyLineEndsWithTrueDataOrCleanFailure_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::newRow("seed 7") << 7u;
    QTest::newRow("seed 12") << 12u;
}

void TestQueue::faultyLineEndsWithTrueDataOrCleanFailure()
{
    QFETCH(quint32, seed);
    fillSimulatorWithDistinctValues(1, seed);
    RegisterImage &image = *RegisterImage::shared();
    image = RegisterImage();

    SimFaults faults;
    faults.seed = seed;
    faults.replyDelayMs = 5;
    faults.dropRate = 0.04;
    faults.corruptRate = 0.1;
    faults.splitRate = 0.3;
    faults.splitGapMs = 20;
    faults.exceptionRate = 0.04;
    m_fixture.sim().setFaults(faults);

    // The full read of one pump.
    QStringList commands = {"1 1 0 22", "1 1 22 22", "1 1 44 3", "1 2 0 5"};
    for (int index = 0; index <= 330; index += 22)
        commands << QStringLiteral("1 3 %1 22").arg(index);
    commands << "1 3 352 15"
             << "1 4 0 22"
             << "1 4 22 9";

    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch(commands, &callback));
    QTRY_VERIFY_WITH_TIMEOUT(!callback.outcomes.isEmpty(), 60000);
    QCOMPARE(callback.outcomes.size(), 1);
    QVERIFY(m_fixture.queue().isIdle());

    // Every value in the image is either the simulator's own or untouched
    // (zero, because the image was cleared); a success means all are true.
    const bool success = callback.outcomes.first() == 0;
    PumpSimulator &sim = m_fixture.sim();
    int wrong = 0;
    const auto check = [&](int got, int truth) {
        if (got != truth && (success || got != 0))
            ++wrong;
    };
    for (int i = 0; i < RegisterImage::kReadHoldingRegisterCount; ++i)
        check(image.holdingRegisters[i], sim.holdingRegister(1, i));
    for (int i = 0; i < RegisterImage::kReadInputRegisterCount; ++i)
        check(image.inputRegisters[i], sim.inputRegister(1, i));
    for (int i = 0; i < RegisterImage::kReadCoilCount; ++i)
        check(image.coils[i], sim.coil(1, i));
    for (int i = 0; i < RegisterImage::kReadDiscreteInputCount; ++i)
        check(image.discreteInputs[i], sim.discreteInput(1, i));
    QCOMPARE(wrong, 0);
    // The faults must really have been exercised: more sends than commands.
    QVERIFY(sim.requestCount() > commands.size());
}

QTEST_GUILESS_MAIN(TestQueue)
#include "tst_queue.moc"

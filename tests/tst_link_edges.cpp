#include "CommSend.h"
#include "LinkFixture.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"
#include "TestSupport.h"

#include <QtTest>

#include <climits>

// Edges of the link that the fuzz targets and the soak ran into.
class TestLinkEdges : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void requestFarPastTheTableEndIsRefused();
    void batchStartedAtOnceAfterAnotherStillWaitsThePause();

private:
    LinkFixture m_fixture;
};

void TestLinkEdges::initTestCase()
{
    QVERIFY(m_fixture.start());
}

void TestLinkEdges::requestFarPastTheTableEndIsRefused()
{
    // Index and count whose sum leaves the int range: checked as a sum, the
    // range wrapped round and passed, and a coil write read far outside
    // the image.
    const RegisterImage &image = *RegisterImage::shared();
    QVERIFY(Modbus::buildRead(1, Modbus::ReadHoldingRegisters, INT_MAX, 1).isEmpty());
    QVERIFY(Modbus::buildRead(1, Modbus::ReadCoils, INT_MAX - 10, 100).isEmpty());
    QVERIFY(Modbus::buildWriteMultipleCoils(1, INT_MAX - 50, 100, image).isEmpty());
    QVERIFY(Modbus::buildWriteMultipleRegisters(1, INT_MAX - 50, 100, image).isEmpty());
    QVERIFY(Modbus::buildWriteMultipleCoils(1, 1, INT_MAX, image).isEmpty());
    // The largest ranges that do fit still build.
    QVERIFY(!Modbus::buildRead(1, Modbus::ReadCoils, 0, RegisterImage::kCoilCount).isEmpty());
    QVERIFY(!Modbus::buildWriteMultipleRegisters(1, RegisterImage::kHoldingRegisterCount - 127, 127,
                                                 image)
                 .isEmpty());
    // Through the queue, such a command fails its batch without a send.
    m_fixture.sim().clearRequests();
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 15 2147483600 100"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({1}));
    QCOMPARE(m_fixture.sim().requestCount(), 0);
}

void TestLinkEdges::batchStartedAtOnceAfterAnotherStillWaitsThePause()
{
    // A page that starts its batch the moment another one ends must not
    // rush the pump: its bus needs the pause after every reply, and a
    // reply's late copy is dropped in it instead of meeting a new request.
    QTRY_VERIFY(m_fixture.queue().isIdle());
    m_fixture.sim().setFaults(SimFaults());
    m_fixture.sim().clearRequests();
    RecordingCallback second;
    struct StartsNext : CommBackOperate
    {
        LinkFixture *fixture = nullptr;
        CommBackOperate *next = nullptr;
        QVector<int> outcomes;
        void operateSuccess() override { startNext(0); }
        void operateFailure(int status) override { startNext(status); }
        void startNext(int status)
        {
            outcomes.append(status);
            QVERIFY(fixture->runBatch({"1 3 10 4"}, next));
        }
    } first;
    first.fixture = &m_fixture;
    first.next = &second;
    QVERIFY(m_fixture.runBatch({"1 3 0 4"}, &first));
    QTRY_COMPARE(second.outcomes, QVector<int>({0}));
    QCOMPARE(first.outcomes, QVector<int>({0}));
    const QVector<PumpSimulator::Request> requests = m_fixture.sim().requests();
    QCOMPARE(requests.size(), 2);
    // The simulator answers at once, so the gap between the two requests
    // is the gap after the first reply; its clock counts whole ms.
    QVERIFY2(requests.at(1).receivedMs - requests.at(0).receivedMs >= CommSend::kPauseMs - 1,
             qPrintable(QStringLiteral("%1 ms apart")
                            .arg(requests.at(1).receivedMs - requests.at(0).receivedMs)));
}

QTEST_GUILESS_MAIN(TestLinkEdges)
#include "tst_link_edges.moc"

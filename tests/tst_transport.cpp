#include "Communication.h"
#include "LinkFixture.h"
#include "TestSupport.h"

#include <QtTest>

// The transport against the simulator over loopback: connecting, a refused
// port, and the single reconnect after a loss.
class TestTransport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void connectsAndReportsConnected();
    void refusedPortReportsUnconnectedInTime();
    void reconnectsExactlyOnceAfterTheBridgeDrops();
    void failedReconnectIsNotRetried();
    void noReconnectAfterStop();

private:
    QVector<int> states() const { return m_states; }

    LinkFixture m_fixture;
    QVector<int> m_states;
};

void TestTransport::initTestCase()
{
    QVERIFY(m_fixture.start());
    QVERIFY(m_fixture.link());
    connect(
        m_fixture.link(), &Communication::conStatus, this,
        [this](int state) { m_states.append(state); }, Qt::QueuedConnection);
}

void TestTransport::connectsAndReportsConnected()
{
    QCOMPARE(m_fixture.sim().connectionCount(), 1);
    QTRY_COMPARE(m_fixture.link()->socketState(), 3);
    // A round trip proves the connection carries frames both ways.
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 3 161 4"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({0}));
}

void TestTransport::refusedPortReportsUnconnectedInTime()
{
    // A port nobody listens on: bind one and close it again.
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const int closedPort = probe.serverPort();
    probe.close();

    m_states.clear();
    // The diagnostic line as it stands, without quote marks; 0 is the
    // socket's "connection refused".
    QTest::ignoreMessage(QtWarningMsg, "tcp Error:0");
    QElapsedTimer clock;
    clock.start();
    m_fixture.reconnectTo(QStringLiteral("127.0.0.1"), closedPort);
    QTRY_VERIFY_WITH_TIMEOUT(!m_states.isEmpty() && m_states.last() == 0, 5000);
    QVERIFY(clock.elapsed() <= 5000);
    QVERIFY(!m_states.contains(3));

    // Back to the simulator for the tests that follow.
    m_states.clear();
    m_fixture.reconnectTo(QStringLiteral("127.0.0.1"), m_fixture.sim().port());
    QTRY_VERIFY(m_states.contains(3));
    QTRY_VERIFY(m_fixture.sim().hasClient());
}

void TestTransport::reconnectsExactlyOnceAfterTheBridgeDrops()
{
    const int before = m_fixture.sim().connectionCount();
    m_fixture.sim().dropClient();
    QTRY_COMPARE(m_fixture.sim().connectionCount(), before + 1);
    // Give a second, wrong, reconnect time to show up: a connect on
    // loopback takes well under a millisecond, so 500 ms is ample.
    QTest::qWait(500);
    QCOMPARE(m_fixture.sim().connectionCount(), before + 1);
    QTRY_COMPARE(m_fixture.link()->socketState(), 3);
    RecordingCallback callback;
    QVERIFY(m_fixture.runBatch({"1 3 0 22"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({0}));
}

void TestTransport::failedReconnectIsNotRetried()
{
    const quint16 port = m_fixture.sim().port();
    const int before = m_fixture.sim().connectionCount();
    m_states.clear();
    m_fixture.sim().close(); // the bridge goes away: the one attempt is refused
    QTRY_VERIFY(!m_states.isEmpty() && m_states.last() == 0);
    QVERIFY(m_fixture.sim().listen(port));
    // A retrying transport would connect within milliseconds of the
    // listener coming back; a second is far beyond that.
    QTest::qWait(1000);
    QCOMPARE(m_fixture.sim().connectionCount(), before);

    m_fixture.reconnectTo(QStringLiteral("127.0.0.1"), port);
    QTRY_COMPARE(m_fixture.sim().connectionCount(), before + 1);
}

void TestTransport::noReconnectAfterStop()
{
    QTRY_VERIFY(m_fixture.sim().hasClient());
    const int before = m_fixture.sim().connectionCount();
    QSignalSpy gone(&m_fixture.sim(), &PumpSimulator::clientDisconnected);
    Q_EMIT m_fixture.stopQueue();
    QVERIFY(gone.wait(5000));
    // As above: a reconnect would arrive within milliseconds.
    QTest::qWait(500);
    QCOMPARE(m_fixture.sim().connectionCount(), before);
    QVERIFY(!m_fixture.sim().hasClient());
}

QTEST_GUILESS_MAIN(TestTransport)
#include "tst_transport.moc"

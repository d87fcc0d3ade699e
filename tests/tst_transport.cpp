#include "Communication.h"
#include "LinkFixture.h"
#include "ModbusCodec.h"
#include "TcpClient.h"
#include "TestSupport.h"

#include <QMutex>
#include <QtTest>

// The transport against the simulator over loopback: connecting, a refused
// port, the reconnect after a loss and the tries that follow it.
class TestTransport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void connectsAndReportsConnected();
    void refusedPortReportsUnconnectedInTime();
    void reconnectsExactlyOnceAfterTheBridgeDrops();
    void retryPausesGrowToEvery30Seconds();
    void failedReconnectIsRetriedWithGrowingPauses();
    void reconnectRestartsTheCycleOfTries();
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

void TestTransport::retryPausesGrowToEvery30Seconds()
{
    const QVector<int> expected = {1000, 2000, 5000, 10000, 30000, 30000, 30000};
    QVector<int> pauses;
    for (int tries = 0; tries < expected.size(); ++tries)
        pauses << TcpClient::retryPauseMs(tries);
    QCOMPARE(pauses, expected);
}

namespace {

// The link's announced tries as they happen on its thread: the pause and the
// moment, so that a slow test thread neither merges nor misses any.
class TryRecorder
{
public:
    explicit TryRecorder(Communication *link)
    {
        m_clock.start();
        m_connection = QObject::connect(
            link, &Communication::reconnectScheduled, link,
            [this](int delayMs) {
                const QMutexLocker lock(&m_mutex);
                m_tries.append({delayMs, m_clock.elapsed()});
            },
            Qt::DirectConnection);
    }
    ~TryRecorder() { QObject::disconnect(m_connection); }

    struct Try
    {
        int delayMs;
        qint64 atMs;
    };
    QVector<Try> tries() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_tries;
    }
    int count() const { return tries().size(); }
    int delayAt(int index) const { return tries().value(index).delayMs; }

private:
    mutable QMutex m_mutex;
    QElapsedTimer m_clock;
    QVector<Try> m_tries;
    QMetaObject::Connection m_connection;
};

// Puts the simulator back on its port, whatever a test left behind.
struct Relisten
{
    PumpSimulator &sim;
    quint16 port;
    ~Relisten()
    {
        if (!sim.isListening())
            sim.listen(port);
    }
};

} // namespace

void TestTransport::failedReconnectIsRetriedWithGrowingPauses()
{
    const quint16 port = m_fixture.sim().port();
    const Relisten relisten {m_fixture.sim(), port};
    const int before = m_fixture.sim().connectionCount();
    TryRecorder tries(m_fixture.link());
    m_states.clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^tcp Error:")));
    m_fixture.sim().close(); // the bridge goes away: the reconnect at once is refused
    QTRY_VERIFY_WITH_TIMEOUT(tries.count() >= 1, 5000);
    QCOMPARE(tries.delayAt(0), 1000);
    // The loss and the refused reconnect report as they always have; the
    // tries after them only schedule the next, or each would raise a prompt.
    QTRY_VERIFY(!m_states.isEmpty() && m_states.last() == 0);
    const QVector<int> reported = m_states;
    QTRY_VERIFY_WITH_TIMEOUT(tries.count() >= 2, 5000);
    QCOMPARE(tries.delayAt(1), 2000);
    QVERIFY2(tries.tries().at(1).atMs - tries.tries().at(0).atMs >= 900,
             "the second try came before its pause");
    QCOMPARE(m_states, reported);

    // A batch while the link is down fails at once and sends nothing.
    RecordingCallback callback;
    const int requests = m_fixture.sim().requestCount();
    QElapsedTimer batch;
    batch.start();
    QVERIFY(m_fixture.runBatch({"1 3 0 22"}, &callback));
    QTRY_COMPARE(callback.outcomes, QVector<int>({Modbus::StatusTimeout}));
    QVERIFY2(batch.elapsed() < Communication::kResponseTimeoutMs, "the batch waited on the link");
    QCOMPARE(m_fixture.sim().requestCount(), requests);

    // The bridge comes back: a later try finds it (the pauses by then are
    // at most 10 s).
    QVERIFY(m_fixture.sim().listen(port));
    QTRY_COMPARE_WITH_TIMEOUT(m_fixture.link()->socketState(), 3, 12000);
    QTRY_COMPARE(m_fixture.sim().connectionCount(), before + 1);
    QTRY_COMPARE(m_states, reported + QVector<int>({3}));
    RecordingCallback after;
    QVERIFY(m_fixture.runBatch({"1 3 0 22"}, &after));
    QTRY_COMPARE(after.outcomes, QVector<int>({0}));
}

void TestTransport::reconnectRestartsTheCycleOfTries()
{
    QTcpServer probe;
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    const int closedPort = probe.serverPort();
    probe.close();
    TryRecorder tries(m_fixture.link());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^tcp Error:")));
    m_fixture.reconnectTo(QStringLiteral("127.0.0.1"), closedPort);
    QTRY_VERIFY_WITH_TIMEOUT(tries.count() >= 2, 5000);
    QCOMPARE(tries.delayAt(0), 1000);
    QCOMPARE(tries.delayAt(1), 2000);
    // The user's Reconnect starts again from the shortest pause.
    const int before = tries.count();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^tcp Error:")));
    m_fixture.reconnectTo(QStringLiteral("127.0.0.1"), closedPort);
    const auto restarted = [&] {
        const QVector<TryRecorder::Try> all = tries.tries();
        for (int i = before; i < all.size(); ++i) {
            if (all.at(i).delayMs == 1000)
                return true;
        }
        return false;
    };
    QTRY_VERIFY(restarted());

    m_fixture.reconnectTo(QStringLiteral("127.0.0.1"), m_fixture.sim().port());
    QTRY_COMPARE(m_fixture.link()->socketState(), 3);
    QTRY_VERIFY(m_fixture.sim().hasClient());
    // Connected, nothing more is tried.
    const int count = tries.count();
    QTest::qWait(1200); // past the shortest pause
    QCOMPARE(tries.count(), count);
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

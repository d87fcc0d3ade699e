#include "Crc16.h"
#include "PumpSimulator.h"
#include "SimState.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Frames are written here without their CRC; the CRC is the only thing computed.
QByteArray frame(const QByteArray &hexWithoutCrc)
{
    QByteArray bytes = QByteArray::fromHex(hexWithoutCrc);
    Crc16::appendModbus(bytes);
    return bytes;
}

// Reading holding register 161 (the password length, 6) is the probe that shows the line is
// through: TCP keeps order, so any reply to an earlier request would arrive before its answer.
const char kProbeRequest[] = "010330A20001";
const char kProbeReply[] = "0103020006";

constexpr int kReplyTimeoutMs = 2000;

// Timers may fire a millisecond early on a coarse clock; the checks allow for that only.
constexpr int kTimerSlackMs = 2;

bool waitForBytes(QTcpSocket &socket, int count, int timeoutMs = kReplyTimeoutMs)
{
    QSignalSpy spy(&socket, &QTcpSocket::readyRead);
    QElapsedTimer timer;
    timer.start();
    while (socket.bytesAvailable() < count) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0 || !spy.wait(int(left)))
            return socket.bytesAvailable() >= count;
    }
    return true;
}

bool connectTo(QTcpSocket &socket, PumpSimulator &simulator)
{
    QSignalSpy connected(&simulator, &PumpSimulator::clientConnected);
    socket.connectToHost(QHostAddress::LocalHost, simulator.port());
    return connected.wait(kReplyTimeoutMs);
}

} // namespace

class TestSimulator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void readsReturnFactoryDefaults_data();
    void readsReturnFactoryDefaults();
    void refusedRequestsGetExceptions_data();
    void refusedRequestsGetExceptions();
    void writeSingleRegisterChangesTableAndEchoes();
    void writeSingleCoilSwitchesOnAndOff();
    void writeMultipleRegistersChangesTable();
    void writeMultipleCoilsUnpacksLowBitFirst();
    void requestSplitAcrossWritesIsAnswered();
    void garbageBeforeRequestIsSkipped();
    void badCrcRequestGetsNoReply();
    void garbageAnnouncingLongFrameDoesNotStall();
    void unservedAndSilentSlavesGetNoReply();
    void furtherSlaveAnswersWithItsAddress();
    void broadcastWriteIsCarriedOutWithoutReply();
    void scriptedDropLeavesWriteApplied();
    void scriptedDelayHoldsReply();
    void scriptedCorruptBreaksCrc();
    void scriptedSplitSendsTwoParts();
    void scriptedDuplicateArrivesAfterLaterReplies();
    void scriptedExceptionReplacesExecution();
    void replyForGoneConnectionIsDiscarded();
    void closeAfterRequestsClosesConnection();
    void seededFaultsRepeat();
    void requestLogRecordsEachRequest();
    void requestReceivedFiresOncePerRequest();
    void secondConnectionIsRefusedWhileOneIsOpen();
    void stateSurvivesSaveAndLoad();
    void loadStateRejectsIncompleteFile();
    void pumpsimPrintsItsPortAndServes();
    void pumpsimRejectsBadOptions();

private:
    // Sends a request and returns exactly as many bytes as the expected reply has.
    QByteArray exchange(const QByteArray &request, int replyLength);
    // Sends the probe and checks that its reply is all that arrived.
    bool onlyProbeArrives();

    std::unique_ptr<PumpSimulator> m_simulator;
    std::unique_ptr<QTcpSocket> m_socket;
};

void TestSimulator::init()
{
    m_simulator = std::make_unique<PumpSimulator>();
    QVERIFY(m_simulator->listen(0));
    QVERIFY(m_simulator->port() != 0);
    m_socket = std::make_unique<QTcpSocket>();
    QVERIFY(connectTo(*m_socket, *m_simulator));
}

void TestSimulator::cleanup()
{
    m_socket.reset();
    m_simulator.reset();
}

QByteArray TestSimulator::exchange(const QByteArray &request, int replyLength)
{
    m_socket->write(request);
    if (!waitForBytes(*m_socket, replyLength))
        return m_socket->readAll();
    return m_socket->read(replyLength);
}

bool TestSimulator::onlyProbeArrives()
{
    const QByteArray expected = frame(kProbeReply);
    m_socket->write(frame(kProbeRequest));
    if (!waitForBytes(*m_socket, expected.size()))
        return false;
    const QByteArray received = m_socket->readAll();
    if (received != expected) {
        qWarning("expected only the probe's reply, got %s", received.toHex().constData());
        return false;
    }
    return true;
}

void TestSimulator::readsReturnFactoryDefaults_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("password length and digits")
        << frame("010330A20004") << frame("0103080006353732393133");
    QTest::newRow("holding 0..14")
        << frame("01033001000F")
        << frame("01031E000000010001000100010001000100000000000300030003000300030003");
    QTest::newRow("first float of 100") << frame("010330120002") << frame("01030442C80000");
    QTest::newRow("holding 42..55")
        << frame("0103302B000E")
        << frame("01031C0008000000000008000400000008000800000008000C000000080010");
    QTest::newRow("holding 142..147")
        << frame("0103308F0006") << frame("01030C00030D40000001F4028A0352");
    QTest::newRow("last holding register") << frame("010331820001") << frame("0103020000");
    QTest::newRow("temperature code 750") << frame("010440010001") << frame("01040202EE");
    QTest::newRow("firmware version and build") << frame("0104401E0002") << frame("01040411020007");
    QTest::newRow("last input register") << frame("010440280001") << frame("0104020000");
    // Coils 27..46: 1 1 1 1 1 1 0 0 | 1 0 1 1 0 1 0 1 | 0 0 0 1, the first in the lowest bit.
    QTest::newRow("coils 27..46") << frame("0101101C0014") << frame("0101033FAD08");
    QTest::newRow("last coil") << frame("0101103C0001") << frame("01010100");
    QTest::newRow("liquid sensors") << frame("010220010010") << frame("0102020000");
}

void TestSimulator::readsReturnFactoryDefaults()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    QCOMPARE(exchange(request, reply.size()).toHex(), reply.toHex());
}

void TestSimulator::refusedRequestsGetExceptions_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("reply");

    QTest::newRow("unknown function 07") << frame("010700000001") << frame("018701");
    QTest::newRow("holding 380 count 10") << frame("0103317D000A") << frame("018302");
    QTest::newRow("below the holding base") << frame("010330000001") << frame("018302");
    QTest::newRow("discrete input at a coil address") << frame("010210010001") << frame("018202");
    QTest::newRow("coils past the end") << frame("0101103C0002") << frame("018102");
    QTest::newRow("input registers past the end") << frame("010440280002") << frame("018402");
    QTest::newRow("write register 386") << frame("010631830001") << frame("018602");
    QTest::newRow("zero quantity") << frame("010330010000") << frame("018303");
    QTest::newRow("126 registers") << frame("01033001007E") << frame("018303");
    QTest::newRow("coil value 1234") << frame("010510011234") << frame("018503");
    QTest::newRow("registers byte count 3 for 2")
        << frame("01103001000203000102") << frame("019003");
    QTest::newRow("coils byte count 1 for 10") << frame("010F1001000A01FF") << frame("018F03");
}

void TestSimulator::refusedRequestsGetExceptions()
{
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, reply);
    QCOMPARE(exchange(request, reply.size()).toHex(), reply.toHex());
    // A refused write leaves the tables alone.
    QCOMPARE(m_simulator->holdingRegister(1, 0), 0);
    QCOMPARE(m_simulator->holdingRegister(1, 1), 1);
    QCOMPARE(m_simulator->coil(1, 0), 0);
}

void TestSimulator::writeSingleRegisterChangesTableAndEchoes()
{
    const QByteArray request = frame("010630A11234");
    QCOMPARE(exchange(request, request.size()).toHex(), request.toHex());
    QCOMPARE(m_simulator->holdingRegister(1, 160), 0x1234);
}

void TestSimulator::writeSingleCoilSwitchesOnAndOff()
{
    const QByteArray on = frame("0105100BFF00");
    QCOMPARE(exchange(on, on.size()).toHex(), on.toHex());
    QCOMPARE(m_simulator->coil(1, 10), 1);

    const QByteArray off = frame("0105100B0000");
    QCOMPARE(exchange(off, off.size()).toHex(), off.toHex());
    QCOMPARE(m_simulator->coil(1, 10), 0);
}

void TestSimulator::writeMultipleRegistersChangesTable()
{
    const QByteArray reply = frame("011030020002");
    QCOMPARE(exchange(frame("01103002000204ABCD0102"), reply.size()).toHex(), reply.toHex());
    QCOMPARE(m_simulator->holdingRegister(1, 0), 0);
    QCOMPARE(m_simulator->holdingRegister(1, 1), 0xABCD);
    QCOMPARE(m_simulator->holdingRegister(1, 2), 0x0102);
    QCOMPARE(m_simulator->holdingRegister(1, 3), 1);
}

void TestSimulator::writeMultipleCoilsUnpacksLowBitFirst()
{
    // 0xCD = 1100 1101: coils 0..7 = 1 0 1 1 0 0 1 1; 0x02: coil 8 = 0, coil 9 = 1.
    const QByteArray reply = frame("010F1001000A");
    QCOMPARE(exchange(frame("010F1001000A02CD02"), reply.size()).toHex(), reply.toHex());
    const QVector<int> expected = {1, 0, 1, 1, 0, 0, 1, 1, 0, 1};
    for (int index = 0; index < expected.size(); ++index)
        QCOMPARE(m_simulator->coil(1, index), expected.at(index));
    QCOMPARE(m_simulator->coil(1, 10), 0);
}

void TestSimulator::requestSplitAcrossWritesIsAnswered()
{
    const QByteArray request = frame(kProbeRequest);
    m_socket->write(request.left(3));
    m_socket->flush();
    // Long enough for the first three bytes to reach the simulator on their own.
    QTest::qWait(50);
    QCOMPARE(m_simulator->requestCount(), 0);
    QCOMPARE(m_socket->bytesAvailable(), qint64(0));
    const QByteArray reply = frame(kProbeReply);
    QCOMPARE(exchange(request.mid(3), reply.size()).toHex(), reply.toHex());
    QCOMPARE(m_simulator->requestCount(), 1);
}

void TestSimulator::garbageBeforeRequestIsSkipped()
{
    const QByteArray reply = frame(kProbeReply);
    QCOMPARE(exchange(QByteArray::fromHex("FF") + frame(kProbeRequest), reply.size()).toHex(),
             reply.toHex());
    QCOMPARE(m_simulator->requestCount(), 1);
}

void TestSimulator::badCrcRequestGetsNoReply()
{
    QByteArray request = frame("010630A11234");
    request[request.size() - 1] = static_cast<char>(request.at(request.size() - 1) ^ 0x01);
    m_socket->write(request);
    QVERIFY(onlyProbeArrives());
    QCOMPARE(m_simulator->holdingRegister(1, 160), 0);
    QCOMPARE(m_simulator->requestCount(), 1);
    QCOMPARE(m_simulator->requests().first().frame.toHex(), frame(kProbeRequest).toHex());
}

void TestSimulator::garbageAnnouncingLongFrameDoesNotStall()
{
    // Fails its CRC; one byte on, it reads as function 16 with a byte count of 0xC8, a frame
    // of 209 bytes that never comes. The request behind it is still found.
    m_socket->write(QByteArray::fromHex("010610000000"
                                        "00C8"));
    QVERIFY(onlyProbeArrives());
    QCOMPARE(m_simulator->requestCount(), 1);
}

void TestSimulator::unservedAndSilentSlavesGetNoReply()
{
    m_simulator->addSlave(2);
    SimFaults faults;
    faults.silentSlaves = {2};
    m_simulator->setFaults(faults);

    m_socket->write(frame("030330A20001"));
    m_socket->write(frame("020330A20001"));
    m_socket->write(frame("020630A10077"));
    QVERIFY(onlyProbeArrives());
    QVERIFY(m_simulator->serves(2));
    QVERIFY(!m_simulator->serves(3));
    // A silent pump still carries out what it hears.
    QCOMPARE(m_simulator->holdingRegister(2, 160), 0x77);
    QCOMPARE(m_simulator->holdingRegister(3, 160), -1);
    QCOMPARE(m_simulator->requestCount(), 4);
}

void TestSimulator::furtherSlaveAnswersWithItsAddress()
{
    m_simulator->addSlave(4);
    const QByteArray reply = frame("0403020006");
    QCOMPARE(exchange(frame("040330A20001"), reply.size()).toHex(), reply.toHex());
    const QByteArray write = frame("040630A10005");
    QCOMPARE(exchange(write, write.size()).toHex(), write.toHex());
    QCOMPARE(m_simulator->holdingRegister(4, 160), 5);
    QCOMPARE(m_simulator->holdingRegister(1, 160), 0);
}

void TestSimulator::broadcastWriteIsCarriedOutWithoutReply()
{
    m_simulator->addSlave(2);
    QSignalSpy written(m_simulator.get(), &PumpSimulator::tablesWritten);
    m_socket->write(frame("000630A10042"));
    m_socket->write(frame("000330A20001"));
    QVERIFY(onlyProbeArrives());
    QCOMPARE(m_simulator->holdingRegister(1, 160), 0x42);
    QCOMPARE(m_simulator->holdingRegister(2, 160), 0x42);
    QCOMPARE(written.count(), 2);
}

void TestSimulator::scriptedDropLeavesWriteApplied()
{
    m_simulator->scriptDrop(1);
    m_socket->write(frame("010630A10009"));
    QVERIFY(onlyProbeArrives());
    QCOMPARE(m_simulator->holdingRegister(1, 160), 9);
    // One-shot: the same request again is answered.
    m_simulator->clearRequests();
    const QByteArray write = frame("010630A1000A");
    QCOMPARE(exchange(write, write.size()).toHex(), write.toHex());
}

void TestSimulator::scriptedDelayHoldsReply()
{
    constexpr int kDelayMs = 300;
    m_simulator->scriptReplyDelay(1, kDelayMs);
    const QByteArray reply = frame(kProbeReply);
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(exchange(frame(kProbeRequest), reply.size()).toHex(), reply.toHex());
    QVERIFY2(timer.elapsed() >= kDelayMs - kTimerSlackMs,
             qPrintable(QString::number(timer.elapsed())));
    // The write of a delayed request applies on arrival, before its reply goes out.
    m_simulator->scriptReplyDelay(2, kDelayMs);
    QSignalSpy received(m_simulator.get(), &PumpSimulator::requestReceived);
    m_socket->write(frame("010630A10003"));
    QVERIFY(received.wait(kReplyTimeoutMs));
    QCOMPARE(m_simulator->holdingRegister(1, 160), 3);
    QCOMPARE(m_socket->bytesAvailable(), qint64(0));
    QVERIFY(waitForBytes(*m_socket, 8));
}

void TestSimulator::scriptedCorruptBreaksCrc()
{
    m_simulator->scriptCorrupt(1);
    const QByteArray good = frame(kProbeReply);
    const QByteArray received = exchange(frame(kProbeRequest), good.size());
    QCOMPARE(received.size(), good.size());
    QVERIFY(!Crc16::hasValidModbusCrc(received));
    QCOMPARE(received.left(good.size() - 2).toHex(), good.left(good.size() - 2).toHex());
    QVERIFY(onlyProbeArrives());
}

void TestSimulator::scriptedSplitSendsTwoParts()
{
    constexpr int kGapMs = 200;
    m_simulator->scriptSplit(1, kGapMs);
    const QByteArray reply = frame(kProbeReply);
    m_socket->write(frame(kProbeRequest));
    QVERIFY(waitForBytes(*m_socket, 1));
    QElapsedTimer gap;
    gap.start();
    const QByteArray first = m_socket->readAll();
    QVERIFY(first.size() >= 1);
    QVERIFY(first.size() < reply.size());
    QVERIFY(waitForBytes(*m_socket, reply.size() - first.size()));
    QVERIFY(gap.elapsed() >= kGapMs - kTimerSlackMs);
    QCOMPARE((first + m_socket->readAll()).toHex(), reply.toHex());
}

void TestSimulator::scriptedDuplicateArrivesAfterLaterReplies()
{
    constexpr int kCopyDelayMs = 300;
    m_simulator->scriptDuplicate(1, kCopyDelayMs);
    const QByteArray first = frame(kProbeReply);
    const QByteArray second = frame("01040202EE");
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(exchange(frame(kProbeRequest), first.size()).toHex(), first.toHex());
    QCOMPARE(exchange(frame("010440010001"), second.size()).toHex(), second.toHex());
    QVERIFY(waitForBytes(*m_socket, first.size()));
    QVERIFY(timer.elapsed() >= kCopyDelayMs - kTimerSlackMs);
    QCOMPARE(m_socket->readAll().toHex(), first.toHex());
}

void TestSimulator::scriptedExceptionReplacesExecution()
{
    m_simulator->scriptException(1, 4);
    const QByteArray failure = frame("018604");
    QCOMPARE(exchange(frame("010630A10011"), failure.size()).toHex(), failure.toHex());
    QCOMPARE(m_simulator->holdingRegister(1, 160), 0);

    m_simulator->scriptException(2, 6);
    const QByteArray busy = frame("018306");
    QCOMPARE(exchange(frame(kProbeRequest), busy.size()).toHex(), busy.toHex());
    QVERIFY(onlyProbeArrives());
}

void TestSimulator::replyForGoneConnectionIsDiscarded()
{
    // The stale reply would be due at 200 ms, the new connection's at 400 ms.
    m_simulator->scriptReplyDelay(1, 200);
    m_simulator->scriptReplyDelay(2, 400);
    QSignalSpy received(m_simulator.get(), &PumpSimulator::requestReceived);
    m_socket->write(frame("0104401E0002"));
    QVERIFY(received.wait(kReplyTimeoutMs));
    m_simulator->dropClient();
    QVERIFY(!m_simulator->hasClient());

    m_socket = std::make_unique<QTcpSocket>();
    QVERIFY(connectTo(*m_socket, *m_simulator));
    QCOMPARE(m_simulator->connectionCount(), 2);
    const QByteArray reply = frame(kProbeReply);
    QCOMPARE(exchange(frame(kProbeRequest), reply.size()).toHex(), reply.toHex());
    QCOMPARE(m_socket->bytesAvailable(), qint64(0));
}

void TestSimulator::closeAfterRequestsClosesConnection()
{
    SimFaults faults;
    faults.closeAfterRequests = 2;
    m_simulator->setFaults(faults);
    QSignalSpy gone(m_simulator.get(), &PumpSimulator::clientDisconnected);
    QSignalSpy closed(m_socket.get(), &QTcpSocket::disconnected);

    const QByteArray reply = frame(kProbeReply);
    QCOMPARE(exchange(frame(kProbeRequest), reply.size()).toHex(), reply.toHex());
    QCOMPARE(exchange(frame(kProbeRequest), reply.size()).toHex(), reply.toHex());
    QVERIFY(closed.count() == 1 || closed.wait(kReplyTimeoutMs));
    QTRY_COMPARE(gone.count(), 1);

    // The count starts again on the next connection.
    m_socket = std::make_unique<QTcpSocket>();
    QVERIFY(connectTo(*m_socket, *m_simulator));
    QCOMPARE(exchange(frame(kProbeRequest), reply.size()).toHex(), reply.toHex());
    QVERIFY(m_simulator->hasClient());
    QCOMPARE(m_simulator->requestCount(), 3);
}

void TestSimulator::seededFaultsRepeat()
{
    constexpr int kRequests = 24;
    const auto run = [](quint32 seed, QByteArray *wire) {
        PumpSimulator simulator;
        QVERIFY(simulator.listen(0));
        QTcpSocket socket;
        QVERIFY(connectTo(socket, simulator));
        SimFaults faults;
        faults.seed = seed;
        faults.dropRate = 0.3;
        faults.corruptRate = 0.3;
        faults.exceptionRate = 0.2;
        simulator.setFaults(faults);

        // Each write echoes its own index, so the wire shows which request got what.
        QByteArray batch;
        for (int i = 0; i < kRequests; ++i)
            batch += frame("010630C8" + QByteArray::number(0x100 + i, 16).rightJustified(4, '0'));
        socket.write(batch);
        QTRY_COMPARE(simulator.requestCount(), kRequests);

        simulator.setFaults(SimFaults());
        const QByteArray probe = frame(kProbeReply);
        socket.write(frame(kProbeRequest));
        QTRY_VERIFY(socket.bytesAvailable() > 0 &&
                    socket.peek(socket.bytesAvailable()).endsWith(probe));
        *wire = socket.readAll();
        wire->chop(probe.size());
    };

    QByteArray first;
    QByteArray again;
    QByteArray otherSeed;
    run(7, &first);
    run(7, &again);
    run(8, &otherSeed);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(again.toHex(), first.toHex());
    QVERIFY(first != otherSeed);
    // Some requests were answered and some were not.
    QVERIFY(!first.isEmpty());
    QVERIFY(first.size() < kRequests * 8);
}

void TestSimulator::requestLogRecordsEachRequest()
{
    m_socket->write(frame("010330A20004") + frame("0105100BFF00") +
                    frame("01103002000204ABCD0102") + frame("010700000001"));
    // The unknown function takes whatever came with it, so the last request goes on its own.
    QTRY_COMPARE(m_simulator->requestCount(), 4);
    m_socket->write(frame("090330000001"));
    QTRY_COMPARE(m_simulator->requestCount(), 5);
    const QVector<PumpSimulator::Request> log = m_simulator->requests();

    struct Expected
    {
        int slave, function, index, count;
    };
    const Expected expected[] = {
        {1, 3, 161, 4}, {1, 5, 10, 0xFF00}, {1, 16, 1, 2}, {1, 7, 0, 1}, {9, 3, -1, 1},
    };
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(log.at(i).number, i + 1);
        QCOMPARE(log.at(i).slave, expected[i].slave);
        QCOMPARE(log.at(i).function, expected[i].function);
        QCOMPARE(log.at(i).index, expected[i].index);
        QCOMPARE(log.at(i).count, expected[i].count);
        if (i > 0)
            QVERIFY(log.at(i).receivedMs >= log.at(i - 1).receivedMs);
    }
    QCOMPARE(log.at(2).frame.toHex(), frame("01103002000204ABCD0102").toHex());
    // The replies: 13 bytes for four registers, 8 for each write, 5 for the exception.
    QVERIFY(waitForBytes(*m_socket, 13 + 8 + 8 + 5));
    m_socket->readAll();

    m_simulator->clearRequests();
    QCOMPARE(m_simulator->requestCount(), 0);
    QVERIFY(onlyProbeArrives());
    QCOMPARE(m_simulator->requests().first().number, 1);
}

void TestSimulator::requestReceivedFiresOncePerRequest()
{
    QSignalSpy received(m_simulator.get(), &PumpSimulator::requestReceived);
    // Two requests in one TCP write, and the start of a third.
    m_socket->write(frame(kProbeRequest) + frame("010440010001") + QByteArray::fromHex("0103"));
    QTRY_COMPARE(received.count(), 2);
    QCOMPARE(received.at(0).at(0).toInt(), 1);
    QCOMPARE(received.at(1).at(0).toInt(), 2);
    QVERIFY(waitForBytes(*m_socket, 7 + 7));
    m_socket->readAll();
}

void TestSimulator::secondConnectionIsRefusedWhileOneIsOpen()
{
    QSignalSpy connected(m_simulator.get(), &PumpSimulator::clientConnected);
    QTcpSocket second;
    QSignalSpy refused(&second, &QTcpSocket::disconnected);
    second.connectToHost(QHostAddress::LocalHost, m_simulator->port());
    QVERIFY(refused.wait(kReplyTimeoutMs));
    QCOMPARE(connected.count(), 0);
    QCOMPARE(m_simulator->connectionCount(), 1);
    QVERIFY(onlyProbeArrives());

    // Once the first client goes, the next one is taken.
    QSignalSpy gone(m_simulator.get(), &PumpSimulator::clientDisconnected);
    m_socket->disconnectFromHost();
    QVERIFY(gone.count() == 1 || gone.wait(kReplyTimeoutMs));
    QVERIFY(!m_simulator->hasClient());
    m_socket = std::make_unique<QTcpSocket>();
    QVERIFY(connectTo(*m_socket, *m_simulator));
    QCOMPARE(m_simulator->connectionCount(), 2);
    QVERIFY(onlyProbeArrives());
}

void TestSimulator::stateSurvivesSaveAndLoad()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("pump.json"));

    m_simulator->addSlave(3);
    m_simulator->setHoldingRegister(1, 160, 0xBEEF);
    m_simulator->setCoil(3, 59, 1);
    m_simulator->setInputRegister(3, 29, 0x1203);
    m_simulator->setDiscreteInput(1, 2, 1);
    QString error;
    QVERIFY2(SimState::save(*m_simulator, path, &error), qPrintable(error));

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    QVERIFY(document.isObject());
    QCOMPARE(document.object().value(QLatin1String("slaves")).toArray().size(), 2);

    PumpSimulator loaded;
    QVERIFY(!loaded.serves(3));
    QVERIFY2(SimState::load(loaded, path, &error), qPrintable(error));
    QVERIFY(loaded.serves(3));
    QCOMPARE(loaded.holdingRegister(1, 160), 0xBEEF);
    QCOMPARE(loaded.coil(3, 59), 1);
    QCOMPARE(loaded.inputRegister(3, 29), 0x1203);
    QCOMPARE(loaded.discreteInput(1, 2), 1);
    QCOMPARE(loaded.holdingRegister(3, 162), 0x3537);
    for (int index = 0; index < PumpTables::kHoldingRegisterCount; ++index)
        QCOMPARE(loaded.holdingRegister(1, index), m_simulator->holdingRegister(1, index));
}

void TestSimulator::loadStateRejectsIncompleteFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("short.json"));
    PumpSimulator source;
    source.addSlave(5);
    QVERIFY(SimState::save(source, path));

    // Slave 5 loses its last coil.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonArray slaves = root.value(QLatin1String("slaves")).toArray();
    QJsonObject five = slaves.at(1).toObject();
    QCOMPARE(five.value(QLatin1String("address")).toInt(), 5);
    QJsonArray coils = five.value(QLatin1String("coils")).toArray();
    coils.removeLast();
    five.insert(QLatin1String("coils"), coils);
    slaves.replace(1, five);
    root.insert(QLatin1String("slaves"), slaves);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(QJsonDocument(root).toJson());
    file.close();

    m_simulator->setHoldingRegister(1, 160, 0x55);
    QString error;
    QVERIFY(!SimState::load(*m_simulator, path, &error));
    QVERIFY2(error.contains(QLatin1String("coils")), qPrintable(error));
    // Nothing of the file was taken, not even the slave before the broken one.
    QVERIFY(!m_simulator->serves(5));
    QCOMPARE(m_simulator->holdingRegister(1, 160), 0x55);

    QVERIFY(!SimState::load(*m_simulator, dir.filePath(QStringLiteral("missing.json")), &error));
    QVERIFY(!error.isEmpty());
}

void TestSimulator::pumpsimPrintsItsPortAndServes()
{
    const QString program = QStringLiteral(PUMPSIM_PATH);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString statePath = dir.filePath(QStringLiteral("state.json"));

    QProcess process;
    process.start(program,
                  {QStringLiteral("--port"), QStringLiteral("0"), QStringLiteral("--slaves"),
                   QStringLiteral("2"), QStringLiteral("--state"), statePath});
    QVERIFY(process.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(process.canReadLine(), 5000);
    const QString line = QString::fromLatin1(process.readLine()).trimmed();
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("^pumpsim listening on 127\\.0\\.0\\.1:(\\d+)$"))
            .match(line);
    QVERIFY2(match.hasMatch(), qPrintable(line));

    // The server lives in another process, so the blocking waits are fine here.
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, match.captured(1).toUShort());
    QVERIFY(socket.waitForConnected(kReplyTimeoutMs));
    const QByteArray write = frame("020630A10321");
    socket.write(write);
    while (socket.bytesAvailable() < write.size())
        QVERIFY(socket.waitForReadyRead(kReplyTimeoutMs));
    QCOMPARE(socket.readAll().toHex(), write.toHex());

    process.terminate();
    QVERIFY(process.waitForFinished(5000));

    PumpSimulator saved;
    QString error;
    QVERIFY2(SimState::load(saved, statePath, &error), qPrintable(error));
    QCOMPARE(saved.holdingRegister(2, 160), 0x321);
}

void TestSimulator::pumpsimRejectsBadOptions()
{
    const QString program = QStringLiteral(PUMPSIM_PATH);
    const QVector<QStringList> invalid = {
        {QStringLiteral("--drop"), QStringLiteral("1.5")},
        {QStringLiteral("--port"), QStringLiteral("eighty")},
        {QStringLiteral("--slaves"), QStringLiteral("2,x")},
        {QStringLiteral("--delay"), QStringLiteral("-3")},
    };
    for (const QStringList &arguments : invalid) {
        QProcess process;
        process.start(program, arguments);
        QVERIFY(process.waitForFinished(5000));
        QCOMPARE(process.exitCode(), 1);
        QVERIFY(process.readAllStandardOutput().isEmpty());
        QVERIFY(!process.readAllStandardError().isEmpty());
    }
}

QTEST_GUILESS_MAIN(TestSimulator)
#include "tst_simulator.moc"

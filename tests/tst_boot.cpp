#include "BootProtocol.h"
#include "Crc16.h"
#include "TcpClient.h"
#include "TestSupport.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

// Every boot reply the link reports: tag, status and bytes.
class ReplyLog : public QObject
{
public:
    explicit ReplyLog(Communication *link)
    {
        connect(link, qOverload<int, int, QByteArray &>(&Communication::returnStatus), this,
                [this](int tag, int status, QByteArray &bytes) {
                    tags.append(tag);
                    statuses.append(status);
                    replies.append(bytes);
                });
    }
    int count() const { return tags.size(); }
    // True once a further reply has come within ms.
    bool wait(int ms)
    {
        const int before = count();
        return QTest::qWaitFor([&] { return count() > before; }, ms);
    }
    QVector<int> tags;
    QVector<int> statuses;
    QVector<QByteArray> replies;
};

// The boot loader's side of the link: command bytes, block format, the
// judgement of every reply, and how the transport collects a reply that
// arrives in pieces. Golden bytes are written from the boot loader's rules
// (CRC values from an independent polynomial division), never from our
// encoder.
class TestBoot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void xmodemCrcCheckValue();
    void imageIsPaddedWith1AToWholeBlocks_data();
    void imageIsPaddedWith1AToWholeBlocks();
    void commandEncoding_data();
    void commandEncoding();
    void blockCarriesNumberComplementDataAndCrc();
    void blockNumbersWrapAfter255();

    void replyJudgement_data();
    void replyJudgement();
    void verificationAcceptsBlocksInOrderOnly();
    void blockWithWrongComplementIsRejectedAndCountsNothing();
    void eotBeforeAllBlocksIsRejected();
    void blockCountersFollowTheWrappingNumbers();
    void completeReplyLength();

    void blockArrivingInPiecesIsJudgedOnceComplete();
    void truncatedBlockEndsInNoReply();
    void switchEchoIsSkippedAndTheAnnouncementJudged();
    void noiseBeforeTheAnnouncementIsDroppedAndTheAnnouncementJudged();
    void switchWithoutAnnouncementReportsNoReply();
    void untimedSendStopsAnEarlierTimer();
    void modbusReplyDuringBootModeIsJudgedAsModbus();
    void bootExchangeInModbusModeIsJudgedAsBoot();

private:
    QByteArray block(int number, const QByteArray &data) const;
    QByteArray serverRead(int bytes);

    QTcpServer m_server;
    QTcpSocket *m_pump = nullptr;
    TcpClient *m_client = nullptr;
};

QByteArray TestBoot::block(int number, const QByteArray &data) const
{
    return Boot::buildBlock(number, data.constData(), data.size());
}

void TestBoot::initTestCase()
{
    QVERIFY(m_server.listen(QHostAddress::LocalHost, 0));
    TestSupport::freshSettings();
    m_client = new TcpClient;
    m_client->setIp(QStringLiteral("127.0.0.1"));
    m_client->setPort(m_server.serverPort());
    m_client->connectToDevice();
    QVERIFY(m_server.waitForNewConnection(5000));
    m_pump = m_server.nextPendingConnection();
    QVERIFY(m_pump);
    QTRY_COMPARE(m_client->socketState(), int(QAbstractSocket::ConnectedState));
}

void TestBoot::cleanupTestCase()
{
    delete m_client;
}

QByteArray TestBoot::serverRead(int bytes)
{
    QByteArray got;
    QElapsedTimer clock;
    clock.start();
    while (got.size() < bytes && clock.elapsed() < 3000) {
        if (m_pump->bytesAvailable() == 0)
            m_pump->waitForReadyRead(50);
        got.append(m_pump->read(bytes - got.size()));
    }
    return got;
}

void TestBoot::xmodemCrcCheckValue()
{
    QCOMPARE(Crc16::xmodem(QByteArray("123456789")), quint16(0x31C3));
    QCOMPARE(Crc16::xmodem(QByteArray()), quint16(0));
}

void TestBoot::imageIsPaddedWith1AToWholeBlocks_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("padded");
    QTest::addColumn<int>("blocks");
    QTest::newRow("300 bytes") << 300 << 384 << 3;
    QTest::newRow("one block exactly") << 128 << 128 << 1;
    QTest::newRow("one byte over") << 129 << 256 << 2;
    QTest::newRow("empty") << 0 << 0 << 0;
}

void TestBoot::imageIsPaddedWith1AToWholeBlocks()
{
    QFETCH(int, size);
    QFETCH(int, padded);
    QFETCH(int, blocks);
    const QByteArray image(size, '\x55');
    const QByteArray result = Boot::padImage(image);
    QCOMPARE(result.size(), padded);
    QCOMPARE(Boot::blockCount(size), blocks);
    QVERIFY(result.startsWith(image));
    QCOMPARE(result.mid(size), QByteArray(padded - size, '\x1A'));
}

void TestBoot::commandEncoding_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("timeoutMs");
    QTest::newRow("write 384 bytes") << "83 4096 384" << QByteArray("S1000,180#") << 400;
    QTest::newRow("erase keeping settings") << "73 4096 996" << QByteArray("I1000,3e4#") << 2000;
    QTest::newRow("erase all") << "73 4096 1012" << QByteArray("I1000,3f4#") << 2000;
    QTest::newRow("read back") << "82 4096 384" << QByteArray("R1000,180#") << 400;
    QTest::newRow("start") << "71 4096" << QByteArray("G1000#") << 400;
    QTest::newRow("connect") << "35" << QByteArray("#") << 400;
    QTest::newRow("end of transmission") << "4" << QByteArray("\x04") << 400;
    QTest::newRow("H") << "72 1 255" << QByteArray("H1,ff#") << 400;
    QTest::newRow("O") << "79 16 0" << QByteArray("O10,0#") << 400;
    QTest::newRow("W") << "87 4096 1" << QByteArray("W1000,1#") << 400;
    QTest::newRow("N") << "78" << QByteArray("N#") << 400;
    QTest::newRow("T") << "84" << QByteArray("T#") << 400;
    QTest::newRow("V") << "86" << QByteArray("V#") << 400;
    QTest::newRow("h") << "104 171" << QByteArray("hab,2#") << 400;
    QTest::newRow("o") << "111 10" << QByteArray("oa,1#") << 400;
    QTest::newRow("w") << "119 4096" << QByteArray("w1000,4#") << 400;
}

void TestBoot::commandEncoding()
{
    QFETCH(QString, command);
    QFETCH(QByteArray, bytes);
    QFETCH(int, timeoutMs);
    const std::optional<Boot::EncodedCommand> encoded = Boot::encodeCommand(command);
    QVERIFY(encoded);
    QCOMPARE(encoded->bytes, bytes);
    QCOMPARE(encoded->timeoutMs, timeoutMs);
    // The first byte of every command is its tag.
    QCOMPARE(int(static_cast<signed char>(bytes.at(0))), command.section(' ', 0, 0).toInt());
}

void TestBoot::blockCarriesNumberComplementDataAndCrc()
{
    QByteArray data;
    for (int i = 0; i < 128; ++i)
        data.append(static_cast<char>(i));
    QCOMPARE(block(1, data), QByteArray::fromHex("0101fe") + data + QByteArray::fromHex("e80a"));
    QCOMPARE(block(3, QByteArray(128, '\x1A')),
             QByteArray::fromHex("0103fc") + QByteArray(128, '\x1A') + QByteArray::fromHex("f8b0"));
    QVERIFY(!Boot::encodeCommand(QStringLiteral("65 1 2")));
}

void TestBoot::blockNumbersWrapAfter255()
{
    const QByteArray data(128, '\0');
    QCOMPARE(block(256, data).left(3), QByteArray::fromHex("0100ff"));
    QCOMPARE(block(255, data).left(3), QByteArray::fromHex("01ff00"));
    QCOMPARE(block(257, data).left(3), QByteArray::fromHex("0101fe"));
    QCOMPARE(block(256, data).size(), 133);
}

void TestBoot::replyJudgement_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<int>("status");
    const QByteArray accepted("\x80", 1);
    const QByteArray ack("\x06", 1);
    QTest::newRow("EOT acknowledged") << 4 << ack << 0;
    QTest::newRow("EOT ack with more") << 4 << QByteArray("\x06\x15") << 0;
    QTest::newRow("EOT refused") << 4 << QByteArray("\x15") << 2;
    QTest::newRow("EOT nothing") << 4 << QByteArray() << 2;
    QTest::newRow("block acknowledged") << 67 << ack << 0;
    QTest::newRow("block refused") << 67 << QByteArray("\x15") << 2;
    for (int tag : {35, 72, 73, 79, 87}) {
        const QByteArray name = QByteArray(1, char(tag));
        QTest::newRow(name + " accepted") << tag << accepted << 0;
        QTest::newRow(name + " two bytes") << tag << QByteArray("\x80\x80") << 2;
        QTest::newRow(name + " other byte") << tag << ack << 2;
        QTest::newRow(name + " nothing") << tag << QByteArray() << 2;
    }
    QTest::newRow("R accepted") << 82 << accepted << 0;
    QTest::newRow("R other") << 82 << QByteArray("C") << 2;
    QTest::newRow("S ready") << 83 << QByteArray("C") << 0;
    QTest::newRow("S with 0x80") << 83 << accepted << 2;
    QTest::newRow("S twice C") << 83 << QByteArray("CC") << 2;
    for (int tag : {71, 78, 84, 86, 90, 104, 111, 119}) {
        const QByteArray name = QByteArray(1, char(tag));
        QTest::newRow(name + " anything") << tag << QByteArray("x") << 0;
        QTest::newRow(name + " nothing") << tag << QByteArray() << 2;
    }
    QTest::newRow("unlisted tag A") << 65 << accepted << 2;
    QTest::newRow("unlisted tag 0") << 0 << ack << 2;
    QTest::newRow("B garbage") << 66 << QByteArray("\x80") << 2;
    QTest::newRow("B short block") << 66 << (QByteArray("\x01\x01\xfe") + QByteArray(100, 0)) << 2;
}

void TestBoot::replyJudgement()
{
    QFETCH(int, tag);
    QFETCH(QByteArray, reply);
    QFETCH(int, status);
    Boot::ReplyJudge judge;
    QCOMPARE(judge.judge(tag, reply), status);
}

void TestBoot::verificationAcceptsBlocksInOrderOnly()
{
    Boot::ReplyJudge judge;
    QCOMPARE(judge.judge(82, QByteArray("\x80")), 0);
    judge.setBlocksExpected(3);
    const QByteArray data(128, 'd');
    QCOMPARE(judge.judge(66, block(2, data)), 2);
    QCOMPARE(judge.judge(66, block(1, data)), 0);
    QCOMPARE(judge.judge(66, block(1, data)), 2);
    QCOMPARE(judge.judge(66, block(2, data)), 0);
    QByteArray badCrc = block(3, data);
    badCrc[132] = static_cast<char>(badCrc.at(132) ^ 1);
    QCOMPARE(judge.judge(66, badCrc), 2);
    QByteArray noSoh = block(3, data);
    noSoh[0] = 0x02;
    QCOMPARE(judge.judge(66, noSoh), 2);
    QCOMPARE(judge.judge(66, block(3, data)), 0);
    QCOMPARE(judge.blocksReceived(), 3);
    QCOMPARE(judge.judge(66, QByteArray("\x04")), 0);
}

void TestBoot::blockWithWrongComplementIsRejectedAndCountsNothing()
{
    Boot::ReplyJudge judge;
    judge.judge(82, QByteArray("\x80"));
    judge.setBlocksExpected(3);
    QByteArray wrong = block(1, QByteArray(128, 'x'));
    QCOMPARE(wrong.size(), 133);
    wrong[2] = static_cast<char>(0xFD);
    QCOMPARE(judge.judge(66, wrong), 2);
    QCOMPARE(judge.blocksReceived(), 0);
    QCOMPARE(int(judge.expectedBlock()), 1);
    QCOMPARE(judge.judge(66, block(1, QByteArray(128, 'x'))), 0);
}

void TestBoot::eotBeforeAllBlocksIsRejected()
{
    Boot::ReplyJudge judge;
    judge.judge(82, QByteArray("\x80"));
    judge.setBlocksExpected(3);
    QCOMPARE(judge.judge(66, QByteArray("\x04")), 2);
    judge.judge(66, block(1, QByteArray(128, 'a')));
    judge.judge(66, block(2, QByteArray(128, 'b')));
    // Two of three blocks: still one to come.
    QCOMPARE(judge.judge(66, QByteArray("\x04")), 2);
    judge.judge(66, block(3, QByteArray(128, 'c')));
    QCOMPARE(judge.judge(66, QByteArray("\x04")), 0);
    // A new read starts counting afresh.
    QCOMPARE(judge.judge(82, QByteArray("\x80")), 0);
    QCOMPARE(judge.judge(66, QByteArray("\x04")), 2);
}

void TestBoot::blockCountersFollowTheWrappingNumbers()
{
    Boot::ReplyJudge judge;
    judge.judge(82, QByteArray("\x80"));
    judge.setBlocksExpected(257);
    const QByteArray data(128, 'w');
    for (int number = 1; number <= 257; ++number)
        QCOMPARE(judge.judge(66, block(number, data)), 0);
    QCOMPARE(judge.blocksReceived(), 257);
    QCOMPARE(int(judge.expectedBlock()), 2);
    QCOMPARE(judge.judge(66, QByteArray("\x04")), 0);
}

void TestBoot::completeReplyLength()
{
    const QByteArray full = block(1, QByteArray(128, 'q'));
    QCOMPARE(Boot::replyLength(66, full.left(60)), 0);
    QCOMPARE(Boot::replyLength(66, full.left(132)), 0);
    QCOMPARE(Boot::replyLength(66, full), 133);
    QCOMPARE(Boot::replyLength(66, full + "\x04"), 133);
    QCOMPARE(Boot::replyLength(66, QByteArray("\x04")), 1);
    QCOMPARE(Boot::replyLength(66, QByteArray("zz")), 2);
    QCOMPARE(Boot::replyLength(35, QByteArray("\x80\x80")), 2);
    QCOMPARE(Boot::replyLength(67, QByteArray()), 0);
}

void TestBoot::blockArrivingInPiecesIsJudgedOnceComplete()
{
    m_client->setMode(Communication::BootMode);
    QByteArray reset("\x80");
    m_client->checkBootReply(82, reset);
    m_client->setBlocksExpected(1);
    ReplyLog replies(m_client);
    m_client->sendTaggedByte(66, 'C', true, 400);
    QCOMPARE(serverRead(1), QByteArray("C"));
    const QByteArray full = block(1, QByteArray(128, 'p'));
    m_pump->write(full.left(50));
    m_pump->flush();
    // A loopback write arrives within a few milliseconds; the gap lets the
    // first piece be read on its own.
    QTest::qWait(60);
    QCOMPARE(replies.count(), 0);
    m_pump->write(full.mid(50));
    m_pump->flush();
    QVERIFY(replies.wait(2000));
    QCOMPARE(replies.count(), 1);
    QCOMPARE(replies.tags, QVector<int>({66}));
    QCOMPARE(replies.statuses, QVector<int>({0}));
    QCOMPARE(replies.replies.first(), full);
    // The timer was stopped by the complete block: nothing more follows.
    QVERIFY(!replies.wait(600));
}

void TestBoot::truncatedBlockEndsInNoReply()
{
    m_client->setMode(Communication::BootMode);
    ReplyLog replies(m_client);
    m_client->sendTaggedByte(66, 0x06, true, 400);
    QCOMPARE(serverRead(1), QByteArray("\x06"));
    m_pump->write(block(2, QByteArray(128, 'p')).left(70));
    m_pump->flush();
    QVERIFY(replies.wait(2000));
    QCOMPARE(replies.count(), 1);
    QCOMPARE(replies.tags, QVector<int>({66}));
    QCOMPARE(replies.statuses, QVector<int>({400}));
}

void TestBoot::switchEchoIsSkippedAndTheAnnouncementJudged()
{
    m_client->setMode(Communication::BootMode);
    ReplyLog replies(m_client);
    m_client->writeRegisterValue(90, 1, 160, 0x9B47);
    const QByteArray frame = serverRead(8);
    // Function 6 to wire address 0x30A1 with the value 0x9B47.
    QCOMPARE(frame.left(6), QByteArray::fromHex("010630a19b47"));
    QCOMPARE(Crc16::hasValidModbusCrc(frame), true);
    m_pump->write(frame.left(3));
    m_pump->flush();
    QTest::qWait(60); // as above: let the piece arrive alone
    m_pump->write(frame.mid(3));
    m_pump->flush();
    QTest::qWait(60);
    QCOMPARE(replies.count(), 0);
    m_pump->write("<");
    m_pump->flush();
    QVERIFY(replies.wait(2000));
    QCOMPARE(replies.tags, QVector<int>({90}));
    QCOMPARE(replies.statuses, QVector<int>({0}));
    QCOMPARE(replies.replies.first(), QByteArray("<"));
}

void TestBoot::noiseBeforeTheAnnouncementIsDroppedAndTheAnnouncementJudged()
{
    m_client->setMode(Communication::BootMode);
    ReplyLog replies(m_client);
    m_client->writeRegisterValue(90, 1, 160, 0x9B47);
    const QByteArray frame = serverRead(8);
    QCOMPARE(frame.size(), 8);
    m_pump->write(frame);
    m_pump->flush();
    QTest::qWait(60); // as above: let each piece arrive alone
    // The pump's line glitches as it restarts into its boot loader.
    m_pump->write(QByteArray(1, '\0'));
    m_pump->flush();
    QTest::qWait(60);
    QCOMPARE(replies.count(), 0);
    m_pump->write("\xff<");
    m_pump->flush();
    QVERIFY(replies.wait(2000));
    QCOMPARE(replies.tags, QVector<int>({90}));
    QCOMPARE(replies.statuses, QVector<int>({0}));
    QCOMPARE(replies.replies.first(), QByteArray("<"));
    // The '<' stopped the switch's timer: nothing more follows.
    QVERIFY(!replies.wait(Boot::kSwitchTimeoutMs + 200));
}

void TestBoot::switchWithoutAnnouncementReportsNoReply()
{
    m_client->setMode(Communication::BootMode);
    ReplyLog replies(m_client);
    QElapsedTimer clock;
    clock.start();
    m_client->writeRegisterValue(90, 1, 160, 0x9B47);
    const QByteArray frame = serverRead(8);
    m_pump->write(frame);
    m_pump->write(QByteArray(2, '\0'));
    m_pump->flush();
    QVERIFY(replies.wait(Boot::kSwitchTimeoutMs + 2000));
    QCOMPARE(replies.tags, QVector<int>({90}));
    QCOMPARE(replies.statuses, QVector<int>({400}));
    // Neither the echo nor the noise cut the wait for the '<' short.
    QVERIFY(clock.elapsed() >= Boot::kSwitchTimeoutMs - 50);
}

void TestBoot::untimedSendStopsAnEarlierTimer()
{
    m_client->setMode(Communication::BootMode);
    ReplyLog replies(m_client);
    m_client->sendBootCommand(QStringLiteral("35"));
    QCOMPARE(serverRead(1), QByteArray("#"));
    m_client->sendTaggedByte(66, 'C', false, 400);
    QCOMPARE(serverRead(1), QByteArray("C"));
    QVERIFY(!replies.wait(700));
}

void TestBoot::modbusReplyDuringBootModeIsJudgedAsModbus()
{
    m_client->setMode(Communication::BootMode);
    ReplyLog boot(m_client);
    QSignalSpy modbus(m_client, qOverload<int>(&Communication::returnStatus));
    m_client->readHoldingRegisters(1, 161, 1);
    const QByteArray request = serverRead(8);
    QCOMPARE(request.size(), 8);
    QByteArray reply = QByteArray::fromHex("01030200 07");
    Crc16::appendModbus(reply);
    m_pump->write(reply);
    m_pump->flush();
    QVERIFY(modbus.wait(2000));
    QCOMPARE(modbus.at(0).at(0).toInt(), 0);
    QCOMPARE(boot.count(), 0);
}

void TestBoot::bootExchangeInModbusModeIsJudgedAsBoot()
{
    m_client->setMode(Communication::ModbusMode);
    ReplyLog boot(m_client);
    QSignalSpy modbus(m_client, qOverload<int>(&Communication::returnStatus));
    QCOMPARE(m_client->sendBootCommand(QStringLiteral("73 4096 1012")), qint64(10));
    QCOMPARE(serverRead(10), QByteArray("I1000,3f4#"));
    m_pump->write("\x80");
    m_pump->flush();
    QVERIFY(boot.wait(2000));
    QCOMPARE(boot.tags, QVector<int>({73}));
    QCOMPARE(boot.statuses, QVector<int>({0}));
    QCOMPARE(modbus.count(), 0);
}

QTEST_GUILESS_MAIN(TestBoot)
#include "tst_boot.moc"

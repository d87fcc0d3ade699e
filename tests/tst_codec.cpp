// Golden frames below were worked out by hand from the Modbus RTU rules and
// checked with an independent bit-by-bit CRC, never produced by our builders.

#include "Crc16.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"
#include "TestSupport.h"

#include <QtTest>

using namespace Modbus;

Q_DECLARE_METATYPE(Modbus::Verdict)

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

// A frame altered by a test row gets its CRC recomputed, so that the row
// exercises the check it is about rather than the CRC check.
QByteArray withCrc(const char *text)
{
    QByteArray frame = QByteArray::fromHex(text);
    Crc16::appendModbus(frame);
    return frame;
}

PendingRequest request(const char *frameHex)
{
    return PendingRequest::fromFrame(QByteArray::fromHex(frameHex));
}

} // namespace

class TestCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void crcCheckValues();
    void buildersWriteGoldenBytes_data();
    void buildersWriteGoldenBytes();
    void buildersRefuseRequestsOutsideTheirTable_data();
    void buildersRefuseRequestsOutsideTheirTable();
    void pendingRequestComesFromTheFrame();
    void replyLengthComesFromTheHeader_data();
    void replyLengthComesFromTheHeader();
    void judgeReadReply_data();
    void judgeReadReply();
    void judgeWriteReply_data();
    void judgeWriteReply();
    void decodeIntoAllFourTables();
    void refusedReplyDecodesNothing();
    void decodeNeverWritesPastTheTable();
};

void TestCodec::crcCheckValues()
{
    QCOMPARE(Crc16::modbus(QByteArray("123456789")), quint16(0x4B37));
    QCOMPARE(Crc16::modbus(QByteArray()), quint16(0xFFFF));
    QByteArray frame = hex("010300000001");
    Crc16::appendModbus(frame);
    QCOMPARE(frame.right(2), hex("840A"));
    QVERIFY(Crc16::hasValidModbusCrc(frame));
    frame[3] = 1;
    QVERIFY(!Crc16::hasValidModbusCrc(frame));
    QCOMPARE(Crc16::xmodem(QByteArray("123456789")), quint16(0x31C3));
    QCOMPARE(Crc16::xmodem(QByteArray()), quint16(0));
}

void TestCodec::buildersWriteGoldenBytes_data()
{
    QTest::addColumn<QByteArray>("built");
    QTest::addColumn<QByteArray>("golden");

    RegisterImage image;
    image.coils[4] = 2; // anything but 1 writes OFF
    image.coils[20] = 1;
    image.coils[9] = 1;
    image.coils[17] = 1;
    image.holdingRegisters[159] = 0x1002A; // bits above 15 are dropped
    image.holdingRegisters[0] = 1;
    image.holdingRegisters[1] = 2;
    image.holdingRegisters[2] = 0xFF;

    QTest::newRow("read holding 1,0,4")
        << buildRead(1, ReadHoldingRegisters, 0, 4) << hex("0103300100041ac9");
    QTest::newRow("read coils 1,0,22") << buildRead(1, ReadCoils, 0, 22) << hex("010110010016e8c4");
    QTest::newRow("read discrete 1,0,5")
        << buildRead(1, ReadDiscreteInputs, 0, 5) << hex("010220010005e209");
    QTest::newRow("read input 1,0,22")
        << buildRead(1, ReadInputRegisters, 0, 22) << hex("01044001001635c4");
    QTest::newRow("read holding slave 2")
        << buildRead(2, ReadHoldingRegisters, 0, 4) << hex("0203300100041afa");
    QTest::newRow("last ten holding registers")
        << buildRead(1, ReadHoldingRegisters, 376, 10) << hex("01033179000a1ae8");
    QTest::newRow("coil value 2 writes off")
        << buildWriteSingleCoil(1, 4, image) << hex("010510050000d90b");
    QTest::newRow("coil value 1 writes on")
        << buildWriteSingleCoil(1, 20, image) << hex("01051015ff00993e");
    QTest::newRow("single register keeps 16 bits")
        << buildWriteSingleRegister(1, 159, image) << hex("010630a0002a0737");
    QTest::newRow("explicit value to register 160")
        << buildWriteRegisterValue(1, 160, 0x9B47) << hex("010630a19b47fc2a");
    QTest::newRow("9 coils take 2 bytes")
        << buildWriteMultipleCoils(1, 9, 9, image) << hex("010f100a00090201013447");
    QTest::newRow("3 registers are 15 bytes")
        << buildWriteMultipleRegisters(1, 0, 3, image) << hex("011030010003060001000200ff9405");
}

void TestCodec::buildersWriteGoldenBytes()
{
    QFETCH(QByteArray, built);
    QFETCH(QByteArray, golden);
    QCOMPARE(built.toHex(' '), golden.toHex(' '));
}

void TestCodec::buildersRefuseRequestsOutsideTheirTable_data()
{
    QTest::addColumn<QByteArray>("built");
    RegisterImage image;
    QTest::newRow("holding past end") << buildRead(1, ReadHoldingRegisters, 380, 10);
    QTest::newRow("coils past end") << buildRead(1, ReadCoils, 59, 2);
    QTest::newRow("read of 128 registers") << buildRead(1, ReadHoldingRegisters, 0, 128);
    QTest::newRow("discrete past end") << buildRead(1, ReadDiscreteInputs, 10, 7);
    QTest::newRow("input past end") << buildRead(1, ReadInputRegisters, 39, 2);
    QTest::newRow("negative index") << buildRead(1, ReadHoldingRegisters, -1, 2);
    QTest::newRow("zero count") << buildRead(1, ReadHoldingRegisters, 0, 0);
    QTest::newRow("write function as read") << buildRead(1, FunctionCode(6), 0, 1);
    QTest::newRow("single coil past end") << buildWriteSingleCoil(1, 60, image);
    QTest::newRow("single register past end") << buildWriteSingleRegister(1, 386, image);
    QTest::newRow("explicit value past end") << buildWriteRegisterValue(1, 386, 1);
    QTest::newRow("multiple coils past end") << buildWriteMultipleCoils(1, 50, 11, image);
    QTest::newRow("multiple registers past end") << buildWriteMultipleRegisters(1, 380, 7, image);
    QTest::newRow("128 registers overflow byte count")
        << buildWriteMultipleRegisters(1, 0, 128, image);
}

void TestCodec::buildersRefuseRequestsOutsideTheirTable()
{
    QFETCH(QByteArray, built);
    QVERIFY(built.isEmpty());
}

void TestCodec::pendingRequestComesFromTheFrame()
{
    const PendingRequest r = request("0110300100030600010002");
    QCOMPARE(r.addr, 1);
    QCOMPARE(r.code, 16);
    QCOMPARE(r.raddr, 0x3001);
    QCOMPARE(r.count, 3);
    const PendingRequest coil = request("0105100cff00");
    QCOMPARE(coil.raddr, 0x100C);
    QCOMPARE(coil.count, 0xFF00);
}

void TestCodec::replyLengthComesFromTheHeader_data()
{
    QTest::addColumn<QByteArray>("buffer");
    QTest::addColumn<int>("length");
    QTest::newRow("nothing") << QByteArray() << 0;
    QTest::newRow("slave only") << hex("01") << 0;
    QTest::newRow("exception") << hex("0183") << 5;
    QTest::newRow("read without count") << hex("0103") << 0;
    QTest::newRow("read 4 bytes") << hex("010304") << 9;
    QTest::newRow("coils 2 bytes") << hex("010102") << 7;
    QTest::newRow("single coil echo") << hex("0105") << 8;
    QTest::newRow("single register echo") << hex("0106") << 8;
    QTest::newRow("multiple coils") << hex("010f") << 8;
    QTest::newRow("multiple registers") << hex("0110") << 8;
    QTest::newRow("unknown function") << hex("0107") << -1;
}

void TestCodec::replyLengthComesFromTheHeader()
{
    QFETCH(QByteArray, buffer);
    QFETCH(int, length);
    QCOMPARE(expectedReplyLength(buffer), length);
}

void TestCodec::judgeReadReply_data()
{
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<Verdict>("verdict");
    QTest::addColumn<int>("status");

    // Request: read holding registers 0..1 of slave 1. Answer: 10, 20.
    const QByteArray good = hex("010304000a0014da3e");
    QTest::newRow("accepted") << good << Verdict::Accepted << 0;
    QByteArray badCrc = good;
    badCrc[8] = static_cast<char>(badCrc.at(8) ^ 1);
    QTest::newRow("crc") << badCrc << Verdict::BadCrc << 1;
    QTest::newRow("too short") << hex("0103") << Verdict::TooShort << 1;
    QTest::newRow("wrong slave") << withCrc("020304000a0014") << Verdict::WrongSlave << 1;
    QTest::newRow("exception") << hex("018302c0f1") << Verdict::Exception << 3;
    QTest::newRow("exception of other function")
        << withCrc("018402") << Verdict::WrongFunction << 1;
    QTest::newRow("wrong function") << withCrc("010404000a0014") << Verdict::WrongFunction << 1;
    QTest::newRow("byte count 5") << withCrc("010305000a001400") << Verdict::WrongByteCount << 1;
    QTest::newRow("byte count 2") << withCrc("010302000a") << Verdict::WrongByteCount << 1;
    QTest::newRow("count 4 but short data")
        << withCrc("010304000a") << Verdict::WrongByteCount << 1;
}

void TestCodec::judgeReadReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(Verdict, verdict);
    QFETCH(int, status);
    const PendingRequest pending = request("010330010002");
    QCOMPARE(judgeReply(pending, reply), verdict);
    QCOMPARE(statusOf(verdict), status);
}

void TestCodec::judgeWriteReply_data()
{
    QTest::addColumn<QByteArray>("requestFrame");
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<Verdict>("verdict");

    const QByteArray single = hex("010630a0002a");
    QTest::newRow("single echo") << single << hex("010630a0002a0737") << Verdict::Accepted;
    QTest::newRow("single other value") << single << hex("010630a0002bc6f7") << Verdict::WrongEcho;
    QTest::newRow("single other address")
        << single << hex("010630a1002a56f7") << Verdict::WrongEcho;
    const QByteArray multiple = hex("0110300100030600010002");
    QTest::newRow("multiple echo") << multiple << hex("011030010003dec8") << Verdict::Accepted;
    QTest::newRow("multiple other quantity")
        << multiple << hex("0110300100049f0a") << Verdict::WrongEcho;
    const QByteArray coils = hex("010f100a0009020101");
    QTest::newRow("coils echo") << coils << hex("010f100a0009b10f") << Verdict::Accepted;
    QTest::newRow("coils reply to a register write")
        << multiple << hex("010f100a0009b10f") << Verdict::WrongFunction;
    QTest::newRow("write reply too long")
        << single << withCrc("010630a0002a00") << Verdict::WrongEcho;
}

void TestCodec::judgeWriteReply()
{
    QFETCH(QByteArray, requestFrame);
    QFETCH(QByteArray, reply);
    QFETCH(Verdict, verdict);
    QCOMPARE(judgeReply(PendingRequest::fromFrame(requestFrame), reply), verdict);
}

void TestCodec::decodeIntoAllFourTables()
{
    RegisterImage image;
    // Coils 0..9: reply bytes 0x05 (coils 0 and 2) and 0x02 (coil 9).
    const PendingRequest coils = request("01011001000a");
    const QByteArray coilReply = hex("01010205023b6d");
    QCOMPARE(judgeReply(coils, coilReply), Verdict::Accepted);
    QVERIFY(decodeReply(coils, coilReply, image));
    const quint8 expectedCoils[10] = {1, 0, 1, 0, 0, 0, 0, 0, 0, 1};
    for (int i = 0; i < 10; ++i)
        QCOMPARE(int(image.coils[i]), int(expectedCoils[i]));

    // Discrete inputs 0..4 (0x0A, 5 bits) would need 1 byte; use 2 inputs.
    const PendingRequest inputs = request("010220010002");
    const QByteArray inputReply = withCrc("01020102");
    QCOMPARE(judgeReply(inputs, inputReply), Verdict::Accepted);
    QVERIFY(decodeReply(inputs, inputReply, image));
    QCOMPARE(int(image.discreteInputs[0]), 0);
    QCOMPARE(int(image.discreteInputs[1]), 1);

    // Input registers 0..1: 1 and 65535, stored unsigned.
    const PendingRequest input = request("010440010002");
    const QByteArray inputRegReply = hex("0104040001ffffabf4");
    QCOMPARE(judgeReply(input, inputRegReply), Verdict::Accepted);
    QVERIFY(decodeReply(input, inputRegReply, image));
    QCOMPARE(image.inputRegisters[0], 1);
    QCOMPARE(image.inputRegisters[1], 65535);

    // Holding registers 161..162 land at their image index.
    const PendingRequest holding = request("010330a20002");
    const QByteArray holdingReply = withCrc("01030400063537");
    QCOMPARE(judgeReply(holding, holdingReply), Verdict::Accepted);
    QVERIFY(decodeReply(holding, holdingReply, image));
    QCOMPARE(image.holdingRegisters[161], 6);
    QCOMPARE(image.holdingRegisters[162], 0x3537);
    QCOMPARE(image.holdingRegisters[160], 0);
    QCOMPARE(image.holdingRegisters[163], 0);
}

void TestCodec::refusedReplyDecodesNothing()
{
    // The checker runs before any decoding; an exception never reaches it,
    // and a write reply decodes nothing even when accepted.
    RegisterImage image;
    image.holdingRegisters[0] = 77;
    const PendingRequest write = request("0110300100030600010002");
    QVERIFY(decodeReply(write, hex("011030010003dec8"), image));
    QCOMPARE(image.holdingRegisters[0], 77);
}

void TestCodec::decodeNeverWritesPastTheTable()
{
    RegisterImage image;
    image.inputRegisters[39] = 5;
    // A request naming input registers 39..40 would run past the table.
    const PendingRequest outside = request("010440280002");
    const QByteArray reply = withCrc("01040400010002");
    QCOMPARE(judgeReply(outside, reply), Verdict::OutsideTable);
    QVERIFY(!decodeReply(outside, reply, image));
    QCOMPARE(image.inputRegisters[39], 5);
}

QTEST_GUILESS_MAIN(TestCodec)
#include "tst_codec.moc"

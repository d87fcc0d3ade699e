#include "AppSettings.h"
#include "LinkFixture.h"
#include "RegisterImage.h"
#include "SetupFile.h"
#include "SetupRestore.h"
#include "SetupTransfer.h"
#include "TestSupport.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// Backup and restore of whole pumps against the simulator: every restored
// register equals the file bit for bit, nothing outside the restored ranges
// moves, and a link lost half-way says what was written.
class TestSetupTransfer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void roundTripRestoresEveryRegisterAndNothingElse_data();
    void roundTripRestoresEveryRegisterAndNothingElse();
    void linkLostHalfWayNamesWhatWasWritten();

private:
    struct Tables
    {
        QVector<int> coils;
        QVector<int> holding;
    };
    void randomise(int address, quint32 seed);
    Tables tables(int address);
    SetupFile::Setup backup(int address);
    void readTarget(SetupTransfer &transfer, const SetupFile::Setup &file, int address);

    LinkFixture m_link;
};

namespace {

constexpr int kSlave = 3;
// One batch of 23 reads with its pauses takes about 1.5 s; a whole restore
// about 6 s. Retries of a lost request take up to 10 s more.
constexpr int kBatchWaitMs = 20000;

QVector<SetupRestore::Cell> restoredCells(int address)
{
    QVector<SetupRestore::Cell> cells;
    for (SetupRestore::Group group : SetupRestore::groupsFor(address))
        cells += SetupRestore::writtenCells(group, address);
    return cells;
}

} // namespace

void TestSetupTransfer::initTestCase()
{
    QVERIFY(m_link.start());
    m_link.sim().addSlave(kSlave);
}

void TestSetupTransfer::init()
{
    QTRY_VERIFY_WITH_TIMEOUT(m_link.queue().isIdle() && m_link.sim().hasClient(), kBatchWaitMs);
    m_link.sim().setFaults(SimFaults());
    m_link.sim().clearRequests();
}

void TestSetupTransfer::randomise(int address, quint32 seed)
{
    QRandomGenerator random(seed);
    for (const SetupRestore::Cell &cell : restoredCells(address)) {
        if (cell.table == SetupRestore::Cell::Coil)
            m_link.sim().setCoil(address, cell.index, int(random.bounded(2)));
        else
            m_link.sim().setHoldingRegister(address, cell.index, int(random.bounded(0x10000)));
    }
}

TestSetupTransfer::Tables TestSetupTransfer::tables(int address)
{
    Tables t;
    for (int i = 0; i < RegisterImage::kReadCoilCount; ++i)
        t.coils << m_link.sim().coil(address, i);
    for (int i = 0; i < RegisterImage::kReadHoldingRegisterCount; ++i)
        t.holding << m_link.sim().holdingRegister(address, i);
    return t;
}

SetupFile::Setup TestSetupTransfer::backup(int address)
{
    SetupTransfer transfer;
    QSignalSpy read(&transfer, &SetupTransfer::readFinished);
    QSettings &settings = AppSettings::store();
    AppSettings::writeClientDefaults(settings);
    [&] { QVERIFY(transfer.startBackup(address, SetupFile::readPcSettings(settings, address))); }();
    [&] {
        QVERIFY(read.wait(kBatchWaitMs));
        QCOMPARE(read.count(), 1);
        QCOMPARE(read.at(0).at(0).toBool(), true);
    }();
    return transfer.setup();
}

void TestSetupTransfer::readTarget(SetupTransfer &transfer, const SetupFile::Setup &file,
                                   int address)
{
    QSignalSpy read(&transfer, &SetupTransfer::readFinished);
    QVERIFY(transfer.startRestoreRead(file, address));
    QVERIFY(read.wait(kBatchWaitMs));
    QCOMPARE(read.at(0).at(0).toBool(), true);
}

void TestSetupTransfer::roundTripRestoresEveryRegisterAndNothingElse_data()
{
    QTest::addColumn<int>("address");
    QTest::newRow("master") << 1;
    QTest::newRow("slave") << kSlave;
}

void TestSetupTransfer::roundTripRestoresEveryRegisterAndNothingElse()
{
    QFETCH(int, address);
    randomise(address, 1000 + quint32(address));
    const Tables original = tables(address);
    const SetupFile::Setup made = backup(address);
    QCOMPARE(made.address, address);
    QCOMPARE(made.holdingRegisters, original.holding);
    QCOMPARE(made.coils, original.coils);

    // Through a file on disk, as the user keeps it.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("pump.tidewell.json"));
    QString error;
    QVERIFY2(SetupFile::save(made, path, &error), qPrintable(error));
    const SetupFile::Parsed file = SetupFile::load(path);
    QVERIFY2(file.setup, qPrintable(file.error));

    randomise(address, 2000 + quint32(address));
    // What no restore may touch gets values of its own.
    m_link.sim().setHoldingRegister(address, 152, 26); // the clock's year
    m_link.sim().setHoldingRegister(address, 160, 0x1234); // the boot register
    m_link.sim().setHoldingRegister(address, 162, 0x3537); // the password's digits
    m_link.sim().setCoil(address, 11, 1); // a run coil
    m_link.sim().setHoldingRegister(address, 58, 250); // its volume
    const Tables scrambled = tables(address);

    SetupTransfer transfer;
    readTarget(transfer, *file.setup, address);
    m_link.sim().clearRequests();
    QSignalSpy finished(&transfer, &SetupTransfer::restoreFinished);
    QSignalSpy progress(&transfer, &SetupTransfer::progress);
    QVERIFY(transfer.startRestoreWrites());
    QVERIFY(finished.wait(kBatchWaitMs));
    QCOMPARE(finished.count(), 1);
    QCOMPARE(transfer.outcome(), SetupTransfer::Outcome::Restored);
    QCOMPARE(transfer.written(), SetupRestore::groupsFor(address));
    QVERIFY(transfer.notWritten().isEmpty());
    QCOMPARE(progress.last().at(0).toInt(), progress.last().at(1).toInt());

    for (const QString &request : m_link.seen())
        QVERIFY2(request.startsWith(QString::number(address) + QLatin1Char(' ')),
                 qPrintable(request));

    const Tables after = tables(address);
    const QVector<SetupRestore::Cell> cells = restoredCells(address);
    for (int i = 0; i < RegisterImage::kReadHoldingRegisterCount; ++i) {
        const bool restored = cells.contains({SetupRestore::Cell::HoldingRegister, i});
        const int expected = restored ? original.holding.at(i) : scrambled.holding.at(i);
        QVERIFY2(after.holding.at(i) == expected,
                 qPrintable(QStringLiteral("holding %1: %2, expected %3")
                                .arg(i)
                                .arg(after.holding.at(i))
                                .arg(expected)));
    }
    for (int i = 0; i < RegisterImage::kReadCoilCount; ++i) {
        if (i == 33 || i == 34)
            continue; // the commit coils, which the pump clears after taking them
        const bool restored = cells.contains({SetupRestore::Cell::Coil, i});
        const int expected = restored ? original.coils.at(i) : scrambled.coils.at(i);
        QVERIFY2(after.coils.at(i) == expected,
                 qPrintable(QStringLiteral("coil %1: %2, expected %3")
                                .arg(i)
                                .arg(after.coils.at(i))
                                .arg(expected)));
    }
}

void TestSetupTransfer::linkLostHalfWayNamesWhatWasWritten()
{
    randomise(1, 3001);
    const Tables original = tables(1);
    const SetupFile::Setup file = backup(1);
    randomise(1, 3002);

    SetupTransfer transfer;
    readTarget(transfer, file, 1);
    // The programme takes 16 requests and the intervals one: the bridge
    // goes away while the temperature settings are sent, and stays away
    // until the queue has given up on them.
    constexpr int kLostAtRequest = 18;
    const quint16 port = m_link.sim().port();
    m_link.sim().clearRequests();
    QMetaObject::Connection dropper =
        connect(&m_link.sim(), &PumpSimulator::requestReceived, this, [this](int) {
            if (m_link.sim().requestCount() == kLostAtRequest)
                m_link.sim().close();
        });
    QSignalSpy finished(&transfer, &SetupTransfer::restoreFinished);
    QVERIFY(transfer.startRestoreWrites());
    QVERIFY(finished.wait(kBatchWaitMs));
    disconnect(dropper);
    QCOMPARE(transfer.outcome(), SetupTransfer::Outcome::WriteFailed);
    using Group = SetupRestore::Group;
    QCOMPARE(transfer.written(), QVector<Group>({Group::Programme, Group::Intervals}));
    QCOMPARE(transfer.notWritten(),
             QVector<Group>({Group::Temperature, Group::Calibration, Group::Bottles}));

    // Once the bridge is back, a second restore completes the job.
    QVERIFY(m_link.sim().listen(port));
    QTRY_VERIFY_WITH_TIMEOUT(m_link.sim().hasClient() && m_link.queue().isIdle(), kBatchWaitMs);
    readTarget(transfer, file, 1);
    QVERIFY(transfer.startRestoreWrites());
    QVERIFY(finished.wait(kBatchWaitMs));
    QCOMPARE(transfer.outcome(), SetupTransfer::Outcome::Restored);
    const Tables after = tables(1);
    for (const SetupRestore::Cell &cell : restoredCells(1)) {
        if (cell.table == SetupRestore::Cell::Coil)
            QCOMPARE(after.coils.at(cell.index), original.coils.at(cell.index));
        else
            QCOMPARE(after.holding.at(cell.index), original.holding.at(cell.index));
    }
}

QTEST_GUILESS_MAIN(TestSetupTransfer)
#include "tst_setup_transfer.moc"

#include "AppSettings.h"
#include "DoseProgramme.h"
#include "LiquidBottles.h"
#include "PumpSimulator.h"
#include "RegisterImage.h"
#include "SetupRestore.h"
#include "SimPumpSetup.h"
#include "TestSupport.h"
#include "TimeTempDomain.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

// tidewell-cli run as its own process against the simulator in this one:
// each subcommand's output, plain and JSON, and its exit code, and what the
// simulator holds afterwards.
class TestCli : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void helpListsCommandsAndExitCodes();
    void unknownCommandIsUsageError();
    void noBridgeSetIsUsageErrorWithoutDialling();
    void infoNamesEveryPumpInUse();
    void temperatureInEitherUnit();
    void setClockSetsMasterAndSlavesInUse();
    void overviewListsEveryChannelAndExitsThreeOnWarnings();
    void backupAndRestoreRoundTrip();
    void restoreAnsweredNoWritesNothing();
    void badFileIsRefusedBeforeConnecting();
    void wrongPasswordExitsFive();
    void silentMasterExitsTwo();
    void bridgeHeldByAnotherExitsTwoPromptly();

private:
    struct Result
    {
        int code = -1;
        QString out;
        QString err;
        qint64 ms = 0;
    };
    Result cli(const QStringList &arguments, const QByteArray &input = QByteArray());
    QStringList bridge() const;
    void scramble(int address, quint32 seed);

    PumpSimulator m_sim;
    QTemporaryDir m_dir;
};

namespace {

constexpr int kSlaveInUse = 2;
constexpr int kSlaveUnused = 3;
// A silent pump costs four attempts of 2.4 s; the rest takes a second or two.
constexpr int kRunMs = 30000;

} // namespace

void TestCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_sim.listen(0));
    m_sim.addSlave(kSlaveInUse);
    m_sim.addSlave(kSlaveUnused);
}

void TestCli::init()
{
    QTRY_VERIFY(!m_sim.hasClient());
    m_sim.setFaults(SimFaults());
    m_sim.clearRequests();
    QSettings &settings = TestSupport::freshSettings();
    AppSettings::writeNetworkDefaults(settings);
    AppSettings::writeClientDefaults(settings);
    settings.setValue(QLatin1String(AppSettings::kNetIp), QStringLiteral("127.0.0.1"));
    settings.setValue(QLatin1String(AppSettings::kNetPort), m_sim.port());
    settings.beginWriteArray(QLatin1String(AppSettings::kGroupSlaves));
    settings.setArrayIndex(0);
    settings.setValue(QLatin1String(AppSettings::kSlaveAddress), kSlaveInUse);
    settings.setValue(QLatin1String(AppSettings::kSlaveOnOff), 1);
    settings.setArrayIndex(1);
    settings.setValue(QLatin1String(AppSettings::kSlaveAddress), kSlaveUnused);
    settings.setValue(QLatin1String(AppSettings::kSlaveOnOff), 0);
    settings.endArray();
    settings.sync();
}

TestCli::Result TestCli::cli(const QStringList &arguments, const QByteArray &input)
{
    // The settings this process wrote are the ones the command reads.
    AppSettings::store().sync();
    QProcess process;
    QSignalSpy finished(&process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished));
    QElapsedTimer clock;
    clock.start();
    process.start(QStringLiteral(TIDEWELL_CLI_PATH), arguments);
    if (!input.isNull()) {
        process.write(input);
        process.closeWriteChannel();
    }
    Result result;
    // Waiting in the event loop: the simulator answers from this thread.
    if (!finished.wait(kRunMs)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.ms = clock.elapsed();
    result.code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

QStringList TestCli::bridge() const
{
    return {QStringLiteral("--host"), QStringLiteral("127.0.0.1"), QStringLiteral("--port"),
            QString::number(m_sim.port())};
}

void TestCli::scramble(int address, quint32 seed)
{
    QRandomGenerator random(seed);
    for (SetupRestore::Group group : SetupRestore::groupsFor(address)) {
        for (const SetupRestore::Cell &cell : SetupRestore::writtenCells(group, address)) {
            if (cell.table == SetupRestore::Cell::Coil)
                m_sim.setCoil(address, cell.index, int(random.bounded(2)));
            else
                m_sim.setHoldingRegister(address, cell.index, int(random.bounded(0x10000)));
        }
    }
}

void TestCli::helpListsCommandsAndExitCodes()
{
    const Result help = cli({QStringLiteral("--help")});
    QCOMPARE(help.code, 0);
    for (const char *command : {"info", "temperature", "set-clock", "backup", "restore"})
        QVERIFY2(help.out.contains(QLatin1String(command)), command);
    QVERIFY(help.out.contains(QStringLiteral("5 wrong password")));
    const Result info = cli({QStringLiteral("restore"), QStringLiteral("--help")});
    QCOMPARE(info.code, 0);
    for (const char *option : {"--json", "--host", "--port", "--password", "--pump", "--yes"})
        QVERIFY2(info.out.contains(QLatin1String(option)), option);
    QCOMPARE(m_sim.requestCount(), 0);
}

void TestCli::unknownCommandIsUsageError()
{
    const Result result = cli({QStringLiteral("dose-now")});
    QCOMPARE(result.code, 1);
    QVERIFY(result.err.contains(QStringLiteral("Unknown command \"dose-now\"")));
    const Result option = cli({QStringLiteral("info"), QStringLiteral("--colour")});
    QCOMPARE(option.code, 1);
}

void TestCli::noBridgeSetIsUsageErrorWithoutDialling()
{
    QSettings &settings = AppSettings::store();
    settings.remove(QLatin1String(AppSettings::kNetIp));
    QSignalSpy connected(&m_sim, &PumpSimulator::clientConnected);
    const Result result = cli({QStringLiteral("info")});
    QCOMPARE(result.code, 1);
    QVERIFY2(result.err.contains(QStringLiteral("--host")), qPrintable(result.err));
    QCOMPARE(connected.count(), 0);
}

void TestCli::infoNamesEveryPumpInUse()
{
    m_sim.setInputRegister(1, 29, 0x1203);
    m_sim.setInputRegister(1, 30, 5);
    m_sim.setInputRegister(kSlaveInUse, 29, 0x2410);
    m_sim.setInputRegister(kSlaveInUse, 30, 7);
    const Result plain = cli({QStringLiteral("info")});
    QCOMPARE(plain.code, 0);
    QCOMPARE(plain.out,
             QStringLiteral("Master (address 1): firmware 1.2.3, build 200005\n"
                            "Slave1 (address 2): firmware 2.4.16, build 200007\n"));
    const Result json = cli({QStringLiteral("info"), QStringLiteral("--json")});
    QCOMPARE(json.code, 0);
    const QJsonArray pumps =
        QJsonDocument::fromJson(json.out.toUtf8()).object().value("pumps").toArray();
    QCOMPARE(pumps.size(), 2);
    QCOMPARE(pumps.at(1).toObject().value("address").toInt(), kSlaveInUse);
    QCOMPARE(pumps.at(1).toObject().value("app_version").toString(), QStringLiteral("2.4.16"));
    // The unused slave is never asked.
    for (const PumpSimulator::Request &request : m_sim.requests())
        QVERIFY(request.slave != kSlaveUnused);
}

void TestCli::temperatureInEitherUnit()
{
    m_sim.setInputRegister(1, 0, 753); // 25.3 °C
    const Result celsius = cli({QStringLiteral("temperature")});
    QCOMPARE(celsius.code, 0);
    QVERIFY2(celsius.out.startsWith(QStringLiteral("Now: 25.3 °C\n")), qPrintable(celsius.out));
    const Result fahrenheit = cli({QStringLiteral("temperature"), QStringLiteral("--unit"),
                                   QStringLiteral("f"), QStringLiteral("--json")});
    QCOMPARE(fahrenheit.code, 0);
    const QJsonObject object = QJsonDocument::fromJson(fahrenheit.out.toUtf8()).object();
    QCOMPARE(object.value("unit").toString(), QStringLiteral("F"));
    QCOMPARE(object.value("current").toDouble(), 77.5);
    QVERIFY(!object.value("history").toArray().isEmpty());
    const Result bad =
        cli({QStringLiteral("temperature"), QStringLiteral("--unit"), QStringLiteral("k")});
    QCOMPARE(bad.code, 1);
}

void TestCli::setClockSetsMasterAndSlavesInUse()
{
    for (int address : {1, kSlaveInUse, kSlaveUnused})
        for (int i = 152; i < 159; ++i)
            m_sim.setHoldingRegister(address, i, 0);
    const Result result = cli({QStringLiteral("set-clock"), QStringLiteral("--json")});
    QCOMPARE(result.code, 0);
    const QDateTime now = QDateTime::currentDateTime();
    for (int address : {1, kSlaveInUse}) {
        RegisterImage image;
        for (int i = 0; i < RegisterImage::kHoldingRegisterCount; ++i)
            image.holdingRegisters[i] = m_sim.holdingRegister(address, i);
        const std::optional<QDateTime> set = TimeTemp::decodeClock(image);
        QVERIFY2(set, qPrintable(QString::number(address)));
        QVERIFY2(qAbs(set->secsTo(now)) <= 2, qPrintable(set->toString()));
    }
    QCOMPARE(m_sim.holdingRegister(kSlaveUnused, 152), 0);
}

void TestCli::overviewListsEveryChannelAndExitsThreeOnWarnings()
{
    using namespace SimPumpSetup;
    for (int address : {1, kSlaveInUse})
        setQuietPump(m_sim, address);
    setAutoChannel(m_sim, 1, 0, thirtyMlInFourDoses());
    const Result quiet = cli({QStringLiteral("overview")});
    QCOMPARE(quiet.code, 0);
    QVERIFY2(quiet.out.contains(QStringLiteral("on, every day, 30.0 ml a day: 08:00 7.5 ml, "
                                               "11:00 7.5 ml, 14:00 7.5 ml, 17:00 7.5 ml; bottle "
                                               "500 of 500 ml, 16 days left; sensor OK\n")),
             qPrintable(quiet.out));
    QVERIFY2(quiet.out.endsWith(QStringLiteral("Warnings: 0\n")), qPrintable(quiet.out));
    QVERIFY(quiet.out.contains(QStringLiteral("Slave1 (address 2): clock ")));

    // A bottle with a day left on the master, a sensor low on the slave.
    setBottle(m_sim, 1, 0, 500, 50);
    m_sim.setDiscreteInput(kSlaveInUse, 3, 1);
    const Result warned = cli({QStringLiteral("overview"), QStringLiteral("--json")});
    QCOMPARE(warned.code, 3);
    const QJsonObject object = QJsonDocument::fromJson(warned.out.toUtf8()).object();
    QCOMPARE(object.value("warnings").toInt(), 2);
    const QJsonArray pumps = object.value("pumps").toArray();
    QCOMPARE(pumps.size(), 2);
    const QJsonObject first = pumps.at(0).toObject().value("channels").toArray().at(0).toObject();
    QCOMPARE(first.value("daily_ml").toDouble(), 30.0);
    QCOMPARE(first.value("doses").toArray().size(), 4);
    QCOMPARE(first.value("days_left").toInt(), 1);
    QCOMPARE(first.value("warnings").toArray(), QJsonArray({QStringLiteral("bottle_low")}));
    const QJsonObject slave = pumps.at(1).toObject();
    QCOMPARE(slave.value("address").toInt(), kSlaveInUse);
    QCOMPARE(slave.value("channels").toArray().at(3).toObject().value("warnings").toArray(),
             QJsonArray({QStringLiteral("sensor_low")}));
    QVERIFY(!slave.value("clock").toObject().value("wrong").toBool());
    for (const PumpSimulator::Request &request : m_sim.requests())
        QVERIFY(request.slave != kSlaveUnused);
}

void TestCli::backupAndRestoreRoundTrip()
{
    scramble(kSlaveInUse, 11);
    QVector<int> original;
    for (int i = 0; i < RegisterImage::kReadHoldingRegisterCount; ++i)
        original << m_sim.holdingRegister(kSlaveInUse, i);
    const QString path = m_dir.filePath(QStringLiteral("slave.tidewell.json"));
    const Result saved =
        cli({QStringLiteral("backup"), QStringLiteral("--pump"), QStringLiteral("1"), path});
    QCOMPARE(saved.code, 0);
    QVERIFY(QFile::exists(path));

    scramble(kSlaveInUse, 12);
    m_sim.clearRequests();
    const Result restored = cli({QStringLiteral("restore"), QStringLiteral("--pump"),
                                 QStringLiteral("1"), QStringLiteral("--yes"), path});
    QCOMPARE(restored.code, 0);
    QVERIFY2(restored.out.contains(QStringLiteral("Restored")), qPrintable(restored.out));
    QVERIFY(restored.out.contains(QStringLiteral("Channel 1 programme")));
    for (const SetupRestore::Cell &cell :
         SetupRestore::writtenCells(SetupRestore::Group::Programme, kSlaveInUse))
        if (cell.table == SetupRestore::Cell::HoldingRegister)
            QCOMPARE(m_sim.holdingRegister(kSlaveInUse, cell.index), original.at(cell.index));
    QCOMPARE(m_sim.holdingRegister(kSlaveInUse, LiquidBottles::capacityRegister(3)),
             original.at(LiquidBottles::capacityRegister(3)));
    for (const PumpSimulator::Request &request : m_sim.requests()) {
        const bool write = request.function == 5 || request.function == 6 ||
            request.function == 15 || request.function == 16;
        QVERIFY(!write || request.slave == kSlaveInUse);
    }
}

void TestCli::restoreAnsweredNoWritesNothing()
{
    const QString path = m_dir.filePath(QStringLiteral("master.tidewell.json"));
    QCOMPARE(cli({QStringLiteral("backup"), path}).code, 0);
    m_sim.setHoldingRegister(1, DoseProgramme::kDosesPerDayRegister, 9);
    m_sim.clearRequests();
    const Result result = cli({QStringLiteral("restore"), path}, "n\n");
    QCOMPARE(result.code, 0);
    QVERIFY2(result.out.contains(QStringLiteral("Doses per day: 9 →")), qPrintable(result.out));
    QVERIFY(result.err.contains(QStringLiteral("Nothing was written")));
    QCOMPARE(m_sim.holdingRegister(1, DoseProgramme::kDosesPerDayRegister), 9);
    for (const PumpSimulator::Request &request : m_sim.requests())
        QVERIFY(request.function <= 4);
}

void TestCli::badFileIsRefusedBeforeConnecting()
{
    const QString path = m_dir.filePath(QStringLiteral("bad.tidewell.json"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("{\"format\": \"tidewell-d4-setup\", \"version\": 9}");
    file.close();
    QSignalSpy connected(&m_sim, &PumpSimulator::clientConnected);
    const Result result = cli({QStringLiteral("restore"), QStringLiteral("--yes"), path});
    QCOMPARE(result.code, 4);
    QVERIFY2(result.err.contains(QStringLiteral("version 9")), qPrintable(result.err));
    QCOMPARE(connected.count(), 0);
    QCOMPARE(m_sim.requestCount(), 0);
}

void TestCli::wrongPasswordExitsFive()
{
    const Result result =
        cli({QStringLiteral("info"), QStringLiteral("--password"), QStringLiteral("111111")});
    QCOMPARE(result.code, 5);
    QCOMPARE(result.err, QStringLiteral("The device password is wrong.\n"));
    QCOMPARE(result.out, QString());
}

void TestCli::silentMasterExitsTwo()
{
    SimFaults faults;
    faults.silentSlaves = {1};
    m_sim.setFaults(faults);
    const Result result = cli({QStringLiteral("info")});
    QCOMPARE(result.code, 2);
    QVERIFY2(result.err.contains(QStringLiteral("No reply from the pump at address 1")),
             qPrintable(result.err));
}

void TestCli::bridgeHeldByAnotherExitsTwoPromptly()
{
    // The window's connection, as the bridge sees it: the first one wins.
    QTcpSocket window;
    window.connectToHost(QStringLiteral("127.0.0.1"), m_sim.port());
    QVERIFY(window.waitForConnected(5000));
    QTRY_VERIFY(m_sim.hasClient());
    const Result result = cli({QStringLiteral("info")});
    QCOMPARE(result.code, 2);
    QVERIFY2(result.err.contains(QStringLiteral("another program")), qPrintable(result.err));
    // Well before the four attempts of a silent request (about 10 s).
    QVERIFY2(result.ms < 5000, qPrintable(QString::number(result.ms)));
    window.abort();
}

QTEST_GUILESS_MAIN(TestCli)
#include "tst_cli.moc"

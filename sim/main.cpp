#include "PumpSimulator.h"
#include "SimMotors.h"
#include "SimSensors.h"
#include "SimState.h"
#include "SimThermometer.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStringList>

#include <cstdio>
#include <limits>

namespace {

// The WiFi bridge's factory port.
constexpr quint16 kDefaultPort = 8899;
// More noise than this before the boot loader's '<' is a line that is down.
constexpr int kMostNoiseBytes = 4096;

void fail(const QString &message)
{
    std::fprintf(stderr, "pumpsim: %s\n", qPrintable(message));
}

bool parseInt(const QString &text, int minimum, int maximum, int *value)
{
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok || number < minimum || number > maximum)
        return false;
    *value = number;
    return true;
}

bool parseRate(const QString &text, double *value)
{
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !(number >= 0.0 && number <= 1.0))
        return false;
    *value = number;
    return true;
}

bool parseAddresses(const QString &text, QVector<int> *addresses)
{
    const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return false;
    for (const QString &part : parts) {
        int address = 0;
        if (!parseInt(part.trimmed(), PumpSimulator::kFirstSlaveAddress,
                      PumpSimulator::kLastSlaveAddress, &address)) {
            return false;
        }
        addresses->append(address);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pumpsim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates the four-channel dosing pump behind its WiFi bridge: Modbus RTU over one TCP "
        "connection on 127.0.0.1."));
    parser.addHelpOption();
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("TCP port (default 8899; 0 picks one)."),
                                        QStringLiteral("N"), QString::number(kDefaultPort));
    const QCommandLineOption slavesOption(
        QStringLiteral("slaves"), QStringLiteral("Further bus addresses to serve, e.g. 2,3,4."),
        QStringLiteral("LIST"));
    const QCommandLineOption stateOption(
        QStringLiteral("state"),
        QStringLiteral("Load the tables from FILE if it exists; save them after every write."),
        QStringLiteral("FILE"));
    const QCommandLineOption verboseOption(QStringLiteral("verbose"),
                                           QStringLiteral("One line per request on stderr."));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Seed of the random faults."),
                                        QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption delayOption(QStringLiteral("delay"),
                                         QStringLiteral("Delay of every reply."),
                                         QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption dropOption(QStringLiteral("drop"),
                                        QStringLiteral("Share of requests left unanswered."),
                                        QStringLiteral("P"), QStringLiteral("0"));
    const QCommandLineOption corruptOption(QStringLiteral("corrupt"),
                                           QStringLiteral("Share of replies with a wrong CRC."),
                                           QStringLiteral("P"), QStringLiteral("0"));
    const QCommandLineOption splitOption(QStringLiteral("split"),
                                         QStringLiteral("Share of replies sent in two writes."),
                                         QStringLiteral("P"), QStringLiteral("0"));
    const QCommandLineOption splitGapOption(QStringLiteral("split-gap"),
                                            QStringLiteral("Gap between the halves (default 30)."),
                                            QStringLiteral("MS"), QStringLiteral("30"));
    const QCommandLineOption exceptionOption(
        QStringLiteral("exception"),
        QStringLiteral("Share of requests answered with exception 04."), QStringLiteral("P"),
        QStringLiteral("0"));
    const QCommandLineOption closeAfterOption(
        QStringLiteral("close-after"),
        QStringLiteral("Close each connection after N requests (0: never)."), QStringLiteral("N"),
        QStringLiteral("0"));
    const QCommandLineOption silentOption(
        QStringLiteral("silent"), QStringLiteral("Served addresses that never answer, e.g. 3."),
        QStringLiteral("LIST"));
    const QCommandLineOption duplicateOption(QStringLiteral("duplicate"),
                                             QStringLiteral("Share of replies sent twice."),
                                             QStringLiteral("P"), QStringLiteral("0"));
    const QCommandLineOption duplicateDelayOption(
        QStringLiteral("duplicate-delay"),
        QStringLiteral("Delay of the copy after the original (default 2500)."),
        QStringLiteral("MS"), QStringLiteral("2500"));
    parser.addOptions({portOption, slavesOption, stateOption, verboseOption, seedOption,
                       delayOption, dropOption, corruptOption, splitOption, splitGapOption,
                       exceptionOption, closeAfterOption, silentOption, duplicateOption,
                       duplicateDelayOption});
    const QCommandLineOption sensorsOption(
        QStringLiteral("sensors"),
        QStringLiteral("States of the four liquid sensors of every pump, e.g. 0,1,0,0."),
        QStringLiteral("LIST"));
    const QCommandLineOption sensorBelowOption(
        QStringLiteral("sensor-below"),
        QStringLiteral("Liquid sensors turn active while their bottle holds less than ML."),
        QStringLiteral("ML"));
    parser.addOption(sensorsOption);
    parser.addOption(sensorBelowOption);
    const QCommandLineOption temperatureOption(
        QStringLiteral("temperature"),
        QStringLiteral("Fixes every pump's water temperature at C degrees Celsius, e.g. 24.5."),
        QStringLiteral("C"));
    const QCommandLineOption historyGapsOption(
        QStringLiteral("history-gaps"),
        QStringLiteral("Hourly temperature samples (0..23) that hold no reading, e.g. 5,6."),
        QStringLiteral("LIST"));
    parser.addOption(temperatureOption);
    parser.addOption(historyGapsOption);
    const QCommandLineOption bootRefuseOption(
        QStringLiteral("boot-refuse"),
        QStringLiteral("Share of firmware blocks the boot loader refuses (NAK)."),
        QStringLiteral("P"), QStringLiteral("0"));
    const QCommandLineOption bootLoseAckOption(
        QStringLiteral("boot-lose-ack"),
        QStringLiteral("Share of firmware blocks kept but not acknowledged."), QStringLiteral("P"),
        QStringLiteral("0"));
    const QCommandLineOption bootCorruptReadOption(
        QStringLiteral("boot-corrupt-read"),
        QStringLiteral("Share of read-back blocks sent with a wrong CRC."), QStringLiteral("P"),
        QStringLiteral("0"));
    const QCommandLineOption bootEraseDelayOption(
        QStringLiteral("boot-erase-delay"), QStringLiteral("The erase takes MS milliseconds."),
        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption bootSilentFromOption(
        QStringLiteral("boot-silent-from"),
        QStringLiteral("The boot loader stops answering at its Nth answer (0: never)."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption bootNoiseOption(
        QStringLiteral("boot-noise"),
        QStringLiteral("The boot loader sends N noise bytes (0x00) before its '<'."),
        QStringLiteral("N"), QStringLiteral("0"));
    const QCommandLineOption bootAnnounceDelayOption(
        QStringLiteral("boot-announce-delay"),
        QStringLiteral("The boot loader's '<' comes MS milliseconds after the switch."),
        QStringLiteral("MS"), QStringLiteral("0"));
    const QCommandLineOption bootOption(
        QStringLiteral("boot"),
        QStringLiteral("Start in the boot loader, as after a failed upgrade."));
    parser.addOptions({bootRefuseOption, bootLoseAckOption, bootCorruptReadOption,
                       bootEraseDelayOption, bootSilentFromOption, bootNoiseOption,
                       bootAnnounceDelayOption, bootOption});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty()) {
        fail(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
        return 1;
    }

    int port = 0;
    if (!parseInt(parser.value(portOption), 0, 65535, &port)) {
        fail(QStringLiteral("--port wants a number from 0 to 65535"));
        return 1;
    }

    SimFaults faults;
    bool seedOk = false;
    faults.seed = parser.value(seedOption).toUInt(&seedOk);
    if (!seedOk) {
        fail(QStringLiteral("--seed wants a number from 0 to 4294967295"));
        return 1;
    }
    const struct
    {
        const QCommandLineOption &option;
        int *value;
    } durations[] = {
        {delayOption, &faults.replyDelayMs},
        {splitGapOption, &faults.splitGapMs},
        {duplicateDelayOption, &faults.duplicateDelayMs},
        {closeAfterOption, &faults.closeAfterRequests},
    };
    for (const auto &duration : durations) {
        if (!parseInt(parser.value(duration.option), 0, std::numeric_limits<int>::max(),
                      duration.value)) {
            fail(QStringLiteral("--%1 wants a number of 0 or more")
                     .arg(duration.option.names().first()));
            return 1;
        }
    }
    const struct
    {
        const QCommandLineOption &option;
        double *value;
    } rates[] = {
        {dropOption, &faults.dropRate},           {corruptOption, &faults.corruptRate},
        {splitOption, &faults.splitRate},         {exceptionOption, &faults.exceptionRate},
        {duplicateOption, &faults.duplicateRate},
    };
    for (const auto &rate : rates) {
        if (!parseRate(parser.value(rate.option), rate.value)) {
            fail(QStringLiteral("--%1 wants a share from 0 to 1").arg(rate.option.names().first()));
            return 1;
        }
    }

    QVector<int> slaves;
    if (parser.isSet(slavesOption) && !parseAddresses(parser.value(slavesOption), &slaves)) {
        fail(QStringLiteral("--slaves wants addresses from 1 to 247, separated by commas"));
        return 1;
    }
    QVector<int> silent;
    if (parser.isSet(silentOption) && !parseAddresses(parser.value(silentOption), &silent)) {
        fail(QStringLiteral("--silent wants addresses from 1 to 247, separated by commas"));
        return 1;
    }
    for (int address : qAsConst(silent))
        faults.silentSlaves.insert(address);

    PumpSimulator simulator;
    simulator.setVerbose(parser.isSet(verboseOption));
    simulator.setFaults(faults);

    const QString statePath = parser.value(stateOption);
    if (!statePath.isEmpty()) {
        QString error;
        if (QFileInfo::exists(statePath) && !SimState::load(simulator, statePath, &error)) {
            fail(error);
            return 1;
        }
    }
    for (int address : qAsConst(slaves))
        simulator.addSlave(address);
    if (!statePath.isEmpty()) {
        // Saving after every write means that however the program ends, nothing is lost.
        QObject::connect(&simulator, &PumpSimulator::tablesWritten, &simulator, [&] {
            QString error;
            if (!SimState::save(simulator, statePath, &error))
                fail(error);
        });
        QString error;
        if (!SimState::save(simulator, statePath, &error)) {
            fail(error);
            return 1;
        }
    }

    QVector<int> sensorStates;
    if (parser.isSet(sensorsOption)) {
        const QStringList parts = parser.value(sensorsOption).split(QLatin1Char(','));
        for (const QString &part : parts) {
            int state = 0;
            if (parts.size() != SimSensors::kSensorCount ||
                !parseInt(part.trimmed(), 0, 1, &state)) {
                fail(QStringLiteral("--sensors wants four states of 0 or 1, separated by commas"));
                return 1;
            }
            sensorStates.append(state);
        }
    }
    int sensorBelowMl = -1;
    if (parser.isSet(sensorBelowOption) &&
        !parseInt(parser.value(sensorBelowOption), 0, 6553, &sensorBelowMl)) {
        fail(QStringLiteral("--sensor-below wants a volume from 0 to 6553 ml"));
        return 1;
    }
    for (int address : simulator.slaves()) {
        SimPump *pump = simulator.pump(address);
        pump->behaviour<SimMotors>()->setLog(address, parser.isSet(verboseOption));
        auto *sensors = pump->behaviour<SimSensors>();
        for (int k = 0; k < sensorStates.size(); ++k)
            sensors->force(k, sensorStates.at(k));
        if (sensorBelowMl >= 0)
            sensors->followBelow(sensorBelowMl * 10);
    }

    bool temperatureOk = true;
    const double temperature = parser.value(temperatureOption).toDouble(&temperatureOk);
    if (parser.isSet(temperatureOption) &&
        (!temperatureOk || temperature < -50 || temperature > 150)) {
        fail(QStringLiteral("--temperature wants degrees Celsius from -50 to 150"));
        return 1;
    }
    QVector<int> historyGaps;
    if (parser.isSet(historyGapsOption)) {
        const QStringList parts = parser.value(historyGapsOption).split(QLatin1Char(','));
        for (const QString &part : parts) {
            int sample = 0;
            if (!parseInt(part.trimmed(), 0, SimThermometer::kHistoryCount - 1, &sample)) {
                fail(QStringLiteral(
                    "--history-gaps wants samples from 0 to 23, separated by commas"));
                return 1;
            }
            historyGaps.append(sample);
        }
    }
    for (int address : simulator.slaves()) {
        auto *thermometer = simulator.pump(address)->behaviour<SimThermometer>();
        thermometer->setHistoryGaps(historyGaps);
        if (parser.isSet(temperatureOption))
            thermometer->pinTemperature(temperature);
    }
    if (parser.isSet(verboseOption))
        QLoggingCategory::setFilterRules(QStringLiteral("pumpsim.*.info=true"));

    SimBootFaults bootFaults;
    bootFaults.seed = faults.seed;
    if (!parseRate(parser.value(bootRefuseOption), &bootFaults.refuseRate) ||
        !parseRate(parser.value(bootLoseAckOption), &bootFaults.lostAckRate) ||
        !parseRate(parser.value(bootCorruptReadOption), &bootFaults.corruptReadRate)) {
        fail(QStringLiteral("--boot-refuse, --boot-lose-ack and --boot-corrupt-read want a "
                            "share from 0 to 1"));
        return 1;
    }
    if (!parseInt(parser.value(bootEraseDelayOption), 0, std::numeric_limits<int>::max(),
                  &bootFaults.eraseDelayMs) ||
        !parseInt(parser.value(bootSilentFromOption), 0, std::numeric_limits<int>::max(),
                  &bootFaults.silentFrom) ||
        !parseInt(parser.value(bootNoiseOption), 0, kMostNoiseBytes, &bootFaults.announceNoise) ||
        !parseInt(parser.value(bootAnnounceDelayOption), 0, std::numeric_limits<int>::max(),
                  &bootFaults.announceDelayMs)) {
        fail(QStringLiteral("--boot-erase-delay, --boot-silent-from, --boot-noise and "
                            "--boot-announce-delay want a number of 0 or more (--boot-noise at "
                            "most %1)")
                 .arg(kMostNoiseBytes));
        return 1;
    }
    simulator.bootLoader().setFaults(bootFaults);
    if (parser.isSet(bootOption))
        simulator.bootLoader().startInBootLoader();

    if (!simulator.listen(static_cast<quint16>(port))) {
        fail(QStringLiteral("cannot listen on 127.0.0.1:%1").arg(port));
        return 1;
    }
    std::printf("pumpsim listening on 127.0.0.1:%u\n", unsigned(simulator.port()));
    std::fflush(stdout);
    return app.exec();
}

#include "PumpSimulator.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>
#include <limits>

namespace {

// The WiFi bridge's factory port.
constexpr quint16 kDefaultPort = 8899;

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
        if (QFileInfo::exists(statePath) && !simulator.loadState(statePath, &error)) {
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
            if (!simulator.saveState(statePath, &error))
                fail(error);
        });
        QString error;
        if (!simulator.saveState(statePath, &error)) {
            fail(error);
            return 1;
        }
    }

    if (!simulator.listen(static_cast<quint16>(port))) {
        fail(QStringLiteral("cannot listen on 127.0.0.1:%1").arg(port));
        return 1;
    }
    std::printf("pumpsim listening on 127.0.0.1:%u\n", unsigned(simulator.port()));
    std::fflush(stdout);
    return app.exec();
}

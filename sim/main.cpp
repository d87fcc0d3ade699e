#include "PumpSimulator.h"
#include "SimSensors.h"
#include "SimState.h"
#include "SimThermometer.h"
#include "StandardBehaviours.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <limits>

namespace {

// The WiFi bridge's factory port.
constexpr quint16 kDefaultPort = 8899;
// More noise than this before the boot loader's '<' is a line that is down.
constexpr int kMostNoiseBytes = 4096;
constexpr int kNoLimit = std::numeric_limits<int>::max();

// What the command line asks for.
struct Options
{
    int port = 0;
    QVector<int> slaves;
    QString statePath;
    bool verbose = false;
    SimFaults faults;
    StandardBehaviours::Settings behaviours;
};

// Takes an option's text into its place in Options; false when the text is not acceptable.
using Reader = std::function<bool(const QString &text)>;

struct OptionEntry
{
    const char *name;
    const char *valueName; // nullptr for a switch
    const char *help;
    QString defaultValue; // null: read only when given
    Reader read;
    QString error; // printed when read refuses the text
};

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

Reader number(int *value, int minimum, int maximum)
{
    return [=](const QString &text) { return parseInt(text, minimum, maximum, value); };
}

Reader seed(quint32 *value)
{
    return [=](const QString &text) {
        bool ok = false;
        *value = text.toUInt(&ok);
        return ok;
    };
}

Reader share(double *value)
{
    return [=](const QString &text) {
        bool ok = false;
        const double number = text.toDouble(&ok);
        if (!ok || !(number >= 0.0 && number <= 1.0))
            return false;
        *value = number;
        return true;
    };
}

// Bus addresses separated by commas; empty entries are skipped, but one address is needed.
template<typename Addresses> Reader addresses(Addresses *addresses)
{
    return [=](const QString &text) {
        const QStringList parts = text.split(QLatin1Char(','), Qt::SkipEmptyParts);
        if (parts.isEmpty())
            return false;
        for (const QString &part : parts) {
            int address = 0;
            if (!parseInt(part.trimmed(), PumpSimulator::kFirstSlaveAddress,
                          PumpSimulator::kLastSlaveAddress, &address)) {
                return false;
            }
            *addresses << address;
        }
        return true;
    };
}

// Numbers separated by commas, every entry given; exactly count of them unless count is 0.
Reader numbers(QVector<int> *values, int minimum, int maximum, int count = 0)
{
    return [=](const QString &text) {
        const QStringList parts = text.split(QLatin1Char(','));
        if (count != 0 && parts.size() != count)
            return false;
        for (const QString &part : parts) {
            int value = 0;
            if (!parseInt(part.trimmed(), minimum, maximum, &value))
                return false;
            values->append(value);
        }
        return true;
    };
}

Reader degrees(std::optional<double> *value)
{
    return [=](const QString &text) {
        bool ok = false;
        const double number = text.toDouble(&ok);
        if (!ok || number < -50 || number > 150)
            return false;
        *value = number;
        return true;
    };
}

Reader path(QString *value)
{
    return [=](const QString &text) {
        *value = text;
        return true;
    };
}

Reader flag(bool *value)
{
    return [=](const QString &) {
        *value = true;
        return true;
    };
}

// In the order of the help text, which is also the order they are checked in.
QVector<OptionEntry> optionEntries(Options *o)
{
    SimFaults &faults = o->faults;
    StandardBehaviours::Settings &parts = o->behaviours;
    SimBootFaults &boot = o->behaviours.bootFaults;
    const QString bootShare = QStringLiteral(
        "--boot-refuse, --boot-lose-ack and --boot-corrupt-read want a share from 0 to 1");
    const QString bootNumber =
        QStringLiteral("--boot-erase-delay, --boot-silent-from, --boot-noise, "
                       "--boot-announce-delay, --boot-refuse-block and --boot-bad-flash-block "
                       "want a number of 0 or more (--boot-noise at most %1)")
            .arg(kMostNoiseBytes);
    return {
        {"port", "N", "TCP port (default 8899; 0 picks one).", QString::number(kDefaultPort),
         number(&o->port, 0, 65535), "--port wants a number from 0 to 65535"},
        {"slaves", "LIST", "Further bus addresses to serve, e.g. 2,3,4.", QString(),
         addresses(&o->slaves), "--slaves wants addresses from 1 to 247, separated by commas"},
        {"state", "FILE", "Load the tables from FILE if it exists; save them after every write.",
         QString(), path(&o->statePath), QString()},
        {"verbose", nullptr, "One line per request on stderr.", QString(), flag(&o->verbose),
         QString()},
        {"seed", "N", "Seed of the random faults.", "1", seed(&faults.seed),
         "--seed wants a number from 0 to 4294967295"},
        {"delay", "MS", "Delay of every reply.", "0", number(&faults.replyDelayMs, 0, kNoLimit),
         "--delay wants a number of 0 or more"},
        {"drop", "P", "Share of requests left unanswered.", "0", share(&faults.dropRate),
         "--drop wants a share from 0 to 1"},
        {"corrupt", "P", "Share of replies with a wrong CRC.", "0", share(&faults.corruptRate),
         "--corrupt wants a share from 0 to 1"},
        {"split", "P", "Share of replies sent in two writes.", "0", share(&faults.splitRate),
         "--split wants a share from 0 to 1"},
        {"split-gap", "MS", "Gap between the halves (default 30).", "30",
         number(&faults.splitGapMs, 0, kNoLimit), "--split-gap wants a number of 0 or more"},
        {"exception", "P", "Share of requests answered with exception 04.", "0",
         share(&faults.exceptionRate), "--exception wants a share from 0 to 1"},
        {"close-after", "N", "Close each connection after N requests (0: never).", "0",
         number(&faults.closeAfterRequests, 0, kNoLimit),
         "--close-after wants a number of 0 or more"},
        {"silent", "LIST", "Served addresses that never answer, e.g. 3.", QString(),
         addresses(&faults.silentSlaves),
         "--silent wants addresses from 1 to 247, separated by commas"},
        {"duplicate", "P", "Share of replies sent twice.", "0", share(&faults.duplicateRate),
         "--duplicate wants a share from 0 to 1"},
        {"duplicate-delay", "MS", "Delay of the copy after the original (default 2500).", "2500",
         number(&faults.duplicateDelayMs, 0, kNoLimit),
         "--duplicate-delay wants a number of 0 or more"},
        {"sensors", "LIST", "States of the four liquid sensors of every pump, e.g. 0,1,0,0.",
         QString(), numbers(&parts.sensorStates, 0, 1, SimSensors::kSensorCount),
         "--sensors wants four states of 0 or 1, separated by commas"},
        {"sensor-below", "ML", "Liquid sensors turn active while their bottle holds less than ML.",
         QString(), number(&parts.sensorBelowMl, 0, 6553),
         "--sensor-below wants a volume from 0 to 6553 ml"},
        {"temperature", "C",
         "Fixes every pump's water temperature at C degrees Celsius, e.g. 24.5.", QString(),
         degrees(&parts.temperature), "--temperature wants degrees Celsius from -50 to 150"},
        {"history-gaps", "LIST",
         "Hourly temperature samples (0..23) that hold no reading, e.g. 5,6.", QString(),
         numbers(&parts.historyGaps, 0, SimThermometer::kHistoryCount - 1),
         "--history-gaps wants samples from 0 to 23, separated by commas"},
        {"boot-refuse", "P", "Share of firmware blocks the boot loader refuses (NAK).", "0",
         share(&boot.refuseRate), bootShare},
        {"boot-lose-ack", "P", "Share of firmware blocks kept but not acknowledged.", "0",
         share(&boot.lostAckRate), bootShare},
        {"boot-corrupt-read", "P", "Share of read-back blocks sent with a wrong CRC.", "0",
         share(&boot.corruptReadRate), bootShare},
        {"boot-erase-delay", "MS", "The erase takes MS milliseconds.", "0",
         number(&boot.eraseDelayMs, 0, kNoLimit), bootNumber},
        {"boot-silent-from", "N", "The boot loader stops answering at its Nth answer (0: never).",
         "0", number(&boot.silentFrom, 0, kNoLimit), bootNumber},
        {"boot-noise", "N", "The boot loader sends N noise bytes (0x00) before its '<'.", "0",
         number(&boot.announceNoise, 0, kMostNoiseBytes), bootNumber},
        {"boot-announce-delay", "MS",
         "The boot loader's '<' comes MS milliseconds after the switch.", "0",
         number(&boot.announceDelayMs, 0, kNoLimit), bootNumber},
        {"boot-refuse-block", "N",
         "The boot loader refuses block N of a write every time (0: none).", "0",
         number(&boot.refuseBlock, 0, kNoLimit), bootNumber},
        {"boot-bad-flash-block", "N",
         "Block N of the flash reads back with its first byte changed (0: none).", "0",
         number(&boot.badFlashBlock, 0, kNoLimit), bootNumber},
        {"boot", nullptr, "Start in the boot loader, as after a failed upgrade.", QString(),
         flag(&parts.startInBootLoader), QString()},
    };
}

QCommandLineOption commandLineOption(const OptionEntry &entry)
{
    const QString name = QString::fromLatin1(entry.name);
    const QString help = QString::fromLatin1(entry.help);
    if (!entry.valueName)
        return QCommandLineOption(name, help);
    return QCommandLineOption(name, help, QString::fromLatin1(entry.valueName), entry.defaultValue);
}

// False, with the reason on stderr, when the command line asks for what cannot be.
bool parseOptions(const QCoreApplication &app, Options *options)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Simulates the four-channel dosing pump behind its WiFi bridge: Modbus RTU over one TCP "
        "connection on 127.0.0.1."));
    parser.addHelpOption();
    const QVector<OptionEntry> entries = optionEntries(options);
    for (const OptionEntry &entry : entries)
        parser.addOption(commandLineOption(entry));
    parser.process(app);

    if (!parser.positionalArguments().isEmpty()) {
        fail(QStringLiteral("unexpected argument %1").arg(parser.positionalArguments().first()));
        return false;
    }
    for (const OptionEntry &entry : entries) {
        const QString name = QString::fromLatin1(entry.name);
        if (entry.defaultValue.isNull() && !parser.isSet(name))
            continue;
        if (!entry.read(parser.value(name))) {
            fail(entry.error);
            return false;
        }
    }
    options->behaviours.log = options->verbose;
    options->behaviours.bootFaults.seed = options->faults.seed;
    return true;
}

// Loads the state file if there is one and saves it now and after every write.
bool keepState(PumpSimulator &simulator, const Options &options)
{
    const QString &statePath = options.statePath;
    QString error;
    if (!statePath.isEmpty() && QFileInfo::exists(statePath) &&
        !SimState::load(simulator, statePath, &error)) {
        fail(error);
        return false;
    }
    for (int address : options.slaves)
        simulator.addSlave(address);
    if (statePath.isEmpty())
        return true;
    // Saving after every write means that however the program ends, nothing is lost.
    QObject::connect(&simulator, &PumpSimulator::tablesWritten, &simulator,
                     [&simulator, statePath] {
                         QString error;
                         if (!SimState::save(simulator, statePath, &error))
                             fail(error);
                     });
    if (!SimState::save(simulator, statePath, &error)) {
        fail(error);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pumpsim"));

    Options options;
    if (!parseOptions(app, &options))
        return 1;

    PumpSimulator simulator;
    simulator.setVerbose(options.verbose);
    simulator.setFaults(options.faults);
    if (!keepState(simulator, options))
        return 1;
    StandardBehaviours::apply(options.behaviours, simulator);
    if (options.verbose)
        QLoggingCategory::setFilterRules(QStringLiteral("pumpsim.*.info=true"));

    if (!simulator.listen(static_cast<quint16>(options.port))) {
        fail(QStringLiteral("cannot listen on 127.0.0.1:%1").arg(options.port));
        return 1;
    }
    std::printf("pumpsim listening on 127.0.0.1:%u\n", unsigned(simulator.port()));
    std::fflush(stdout);
    return app.exec();
}

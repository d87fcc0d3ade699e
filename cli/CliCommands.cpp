#include "CliCommands.h"

#include "AppSettings.h"
#include "CliLink.h"
#include "CommandString.h"
#include "FirmwareVersions.h"
#include "ModbusCodec.h"
#include "Overview.h"
#include "PasswordChange.h"
#include "PumpNames.h"
#include "RegisterImage.h"
#include "SetupDiff.h"
#include "SetupFile.h"
#include "SetupTransfer.h"
#include "TimeTempDomain.h"
#include "UiOperate.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cmath>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace CliCommands {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("tidewell-cli", text);
}

QTextStream &out()
{
    static QTextStream stream(stdout);
    return stream;
}

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int fail(int code, const QString &message)
{
    err() << message << Qt::endl;
    return code;
}

const char kExitCodes[] = QT_TRANSLATE_NOOP(
    "tidewell-cli",
    "Exit codes: 0 done, 1 usage error, 2 link failure (no connection, no reply, damaged "
    "replies, an exception), 3 done with warnings, 4 a file refused or not written, 5 wrong "
    "password.");

struct Pump
{
    QString name;
    int address = 0;
};

// The master and the slaves in use, named as the window names them.
QVector<Pump> pumpsInUse(QSettings &settings)
{
    QVector<Pump> pumps {{QStringLiteral("Master"), SetupRestore::kMasterAddress}};
    const int count = settings.beginReadArray(QLatin1String(AppSettings::kGroupSlaves));
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        if (settings.value(QLatin1String(AppSettings::kSlaveOnOff)).toInt() == 1)
            pumps.append({QStringLiteral("Slave%1").arg(i + 1),
                          settings.value(QLatin1String(AppSettings::kSlaveAddress)).toInt()});
    }
    settings.endArray();
    return pumps;
}

// What every subcommand shares: the parser's common options, the link,
// the password check and the output form.
class Session
{
public:
    Session(const QString &command, const QString &description)
        : m_command(command)
    {
        m_parser.setApplicationDescription(description + QStringLiteral("\n\n") + tr(kExitCodes));
        m_parser.addHelpOption();
        m_parser.addOption({QStringLiteral("json"), tr("Print one JSON object.")});
        m_parser.addOption({QStringLiteral("host"),
                            tr("The bridge's address for this run (default: the settings')."),
                            tr("address")});
        m_parser.addOption({QStringLiteral("port"),
                            tr("The bridge's port for this run (default: the settings')."),
                            tr("port")});
        m_parser.addOption({QStringLiteral("password"),
                            tr("The device password for this run (default: the one the "
                               "window saved)."),
                            tr("password")});
    }

    QCommandLineParser &parser() { return m_parser; }
    bool json() const { return m_parser.isSet(QStringLiteral("json")); }

    // Parses the subcommand's arguments; a code to exit with, or nothing.
    std::optional<int> parse(const QStringList &arguments)
    {
        if (!m_parser.parse(arguments))
            return fail(UsageError, m_parser.errorText());
        if (m_parser.isSet(QStringLiteral("help"))) {
            out() << m_parser.helpText();
            out().flush();
            return Done;
        }
        return std::nullopt;
    }

    // Connects and checks the password; a code to exit with, or nothing.
    std::optional<int> connect()
    {
        QSettings &settings = AppSettings::store();
        QString host = m_parser.value(QStringLiteral("host"));
        if (host.isEmpty())
            host = settings.value(QLatin1String(AppSettings::kNetIp)).toString();
        if (host.isEmpty())
            return fail(UsageError,
                        tr("No bridge address is set: give --host, or set it "
                           "with Net Setup in the Tidewell D4 window."));
        if (!AppSettings::isValidBridgeHost(host))
            return fail(UsageError,
                        tr("\"%1\" is neither an IPv4 address nor a host name.").arg(host));
        int port =
            settings.value(QLatin1String(AppSettings::kNetPort), AppSettings::kDefaultPort).toInt();
        if (m_parser.isSet(QStringLiteral("port"))) {
            const std::optional<int> typed =
                AppSettings::bridgePort(m_parser.value(QStringLiteral("port")));
            if (!typed)
                return fail(UsageError,
                            tr("--port: \"%1\" is not a number from 1 to 65535.")
                                .arg(m_parser.value(QStringLiteral("port"))));
            port = *typed;
        }
        QString password = m_parser.value(QStringLiteral("password"));
        if (!m_parser.isSet(QStringLiteral("password")))
            password = settings.value(QLatin1String(AppSettings::kLoginPassword)).toString();
        if (!m_parser.isSet(QStringLiteral("password")) &&
            !settings.contains(QLatin1String(AppSettings::kLoginPassword)))
            return fail(UsageError, tr("No device password is saved: give --password."));

        m_link.setProgress([this](int done, int inAll) { showProgress(done, inAll); });
        QString error;
        if (!m_link.open(host, port, &error))
            return fail(LinkFailure, error);
        if (!run(PasswordChange::readCommands(), &error))
            return fail(LinkFailure, error);
        if (!PasswordChange::matchesDevice(*RegisterImage::shared(), password.toLatin1()))
            return fail(WrongPassword, tr("The device password is wrong."));
        return std::nullopt;
    }

    bool run(const QStringList &commands, QString *error) { return m_link.run(commands, error); }

    // Progress over the requests, on standard error and only for a person
    // watching it: a script's log gets no carriage returns.
    void showProgress(int done, int inAll)
    {
        if (!isatty(STDERR_FILENO))
            return;
        err() << QStringLiteral("\r%1: %2/%3").arg(m_command).arg(done).arg(inAll);
        if (done == inAll)
            err() << QStringLiteral("\r\x1b[K");
        err().flush();
    }

    void print(const QJsonObject &object, const QString &plain)
    {
        if (json())
            out() << QJsonDocument(object).toJson(QJsonDocument::Compact) << '\n';
        else
            out() << plain;
        out().flush();
    }

private:
    QString m_command;
    QCommandLineParser m_parser;
    CliLink m_link;
};

// Waits for a SetupTransfer signal; the transfer reports through the queue.
template<typename Signal> void waitFor(SetupTransfer &transfer, Signal signal)
{
    QEventLoop loop;
    QObject::connect(&transfer, signal, &loop, &QEventLoop::quit);
    loop.exec();
}

int info(const QStringList &arguments)
{
    Session session(QStringLiteral("info"),
                    tr("Checks the device password and reads the firmware versions of the "
                       "master and every slave in use."));
    if (const auto code = session.parse(arguments))
        return *code;
    if (const auto code = session.connect())
        return *code;
    QJsonArray pumps;
    QString plain;
    int exitCode = Done;
    for (const Pump &pump : pumpsInUse(AppSettings::store())) {
        QString error;
        const QStringList versions = {CommandString::format(
            pump.address, Modbus::ReadInputRegisters, FirmwareVersions::kAppVersionRegister,
            FirmwareVersions::kBuildRegister - FirmwareVersions::kAppVersionRegister + 1)};
        if (!session.run(versions, &error)) {
            pumps.append(QJsonObject {{QStringLiteral("name"), pump.name},
                                      {QStringLiteral("address"), pump.address},
                                      {QStringLiteral("error"), error}});
            plain += tr("%1 (address %2): %3\n").arg(pump.name).arg(pump.address).arg(error);
            err() << pump.name << QStringLiteral(": ") << error << Qt::endl;
            exitCode = LinkFailure;
            continue;
        }
        const RegisterImage &image = *RegisterImage::shared();
        pumps.append(
            QJsonObject {{QStringLiteral("name"), pump.name},
                         {QStringLiteral("address"), pump.address},
                         {QStringLiteral("app_version"), FirmwareVersions::appVersion(image)},
                         {QStringLiteral("firmware_version"), FirmwareVersions::build(image)}});
        plain += tr("%1 (address %2): firmware %3, build %4\n")
                     .arg(pump.name)
                     .arg(pump.address)
                     .arg(FirmwareVersions::appVersion(image), FirmwareVersions::build(image));
    }
    session.print(QJsonObject {{QStringLiteral("pumps"), pumps}}, plain);
    return exitCode;
}

// Tenths, as the pump measures them; a float's 25.299999 is 25.3.
double tenths(double value)
{
    return std::round(value * 10) / 10;
}

int temperature(const QStringList &arguments)
{
    Session session(QStringLiteral("temperature"),
                    tr("Reads the master's current water temperature and its 24 hourly "
                       "samples."));
    session.parser().addOption({QStringLiteral("unit"),
                                tr("c or f (default: the unit the window shows)."),
                                QStringLiteral("c|f")});
    if (const auto code = session.parse(arguments))
        return *code;
    QSettings &settings = AppSettings::store();
    TimeTemp::Unit unit = TimeTemp::unitFromSetting(
        settings.value(QLatin1String(AppSettings::kTemperatureMode)).toInt());
    if (session.parser().isSet(QStringLiteral("unit"))) {
        const QString typed = session.parser().value(QStringLiteral("unit")).toLower();
        if (typed == QLatin1String("c"))
            unit = TimeTemp::Unit::Celsius;
        else if (typed == QLatin1String("f"))
            unit = TimeTemp::Unit::Fahrenheit;
        else
            return fail(UsageError, tr("--unit: \"%1\" is neither c nor f.").arg(typed));
    }
    if (const auto code = session.connect())
        return *code;
    QString error;
    if (!session.run(TimeTemp::readTemperatureCommands(), &error))
        return fail(LinkFailure, error);

    const RegisterImage &image = *RegisterImage::shared();
    const QString symbol =
        unit == TimeTemp::Unit::Celsius ? QStringLiteral("°C") : QStringLiteral("°F");
    const std::optional<float> current = TimeTemp::decodeCurrent(image, unit);
    const TimeTemp::History history = TimeTemp::decodeHistory(image, unit);
    QJsonArray samples;
    QString plain = current ? tr("Now: %1 %2\n").arg(double(*current), 0, 'f', 1).arg(symbol)
                            : tr("Now: no reading\n");
    for (int i = 0; i < history.x.size(); ++i) {
        samples.append(
            QJsonObject {{QStringLiteral("hour"), history.x.at(i)},
                         {QStringLiteral("temperature"), tenths(history.temperatures.at(i))}});
        plain += tr("Hour %1: %2 %3\n")
                     .arg(history.x.at(i))
                     .arg(history.temperatures.at(i), 0, 'f', 1)
                     .arg(symbol);
    }
    session.print(
        QJsonObject {{QStringLiteral("unit"),
                      unit == TimeTemp::Unit::Celsius ? QStringLiteral("C") : QStringLiteral("F")},
                     {QStringLiteral("current"),
                      current ? QJsonValue(tenths(double(*current))) : QJsonValue()},
                     {QStringLiteral("history"), samples}},
        plain);
    return Done;
}

int setClock(const QStringList &arguments)
{
    Session session(QStringLiteral("set-clock"),
                    tr("Sets the clock of the master and every slave in use from this "
                       "computer's clock."));
    if (const auto code = session.parse(arguments))
        return *code;
    if (const auto code = session.connect())
        return *code;
    QSettings &settings = AppSettings::store();
    const QDateTime now = QDateTime::currentDateTime();
    RegisterImage device;
    TimeTemp::stageClockUpdate(device, *RegisterImage::shared(), now);
    QString error;
    if (!session.run(TimeTemp::clockUpdateCommands(TimeTemp::slavesInUse(settings)), &error))
        return fail(LinkFailure, error);
    QJsonArray addresses;
    QStringList names;
    for (const Pump &pump : pumpsInUse(settings)) {
        addresses.append(pump.address);
        names << pump.name;
    }
    const QString clock = now.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    session.print(
        QJsonObject {{QStringLiteral("clock"), clock}, {QStringLiteral("addresses"), addresses}},
        tr("Clock set to %1 on %2.\n").arg(clock, names.join(QStringLiteral(", "))));
    return Done;
}

// The pump --pump names: 0 the master, 1 to 3 the slaves in use by number.
std::optional<Pump> chosenPump(Session &session, QString *error)
{
    bool ok = false;
    const int number = session.parser().value(QStringLiteral("pump")).toInt(&ok);
    const QString name =
        number == 0 ? QStringLiteral("Master") : QStringLiteral("Slave%1").arg(number);
    for (const Pump &pump : pumpsInUse(AppSettings::store())) {
        if (ok && pump.name == name)
            return pump;
    }
    *error = tr("--pump: \"%1\" is not the master (0) or a slave in use (1 to 3).")
                 .arg(session.parser().value(QStringLiteral("pump")));
    return std::nullopt;
}

void addPumpAndFile(Session &session)
{
    session.parser().addOption({QStringLiteral("pump"),
                                tr("0 for the master, 1 to 3 for a slave in use."),
                                QStringLiteral("N"), QStringLiteral("0")});
    session.parser().addPositionalArgument(QStringLiteral("file"), tr("The setup file."));
}

int backup(const QStringList &arguments)
{
    Session session(QStringLiteral("backup"),
                    tr("Reads one pump whole and saves its setup in a file."));
    addPumpAndFile(session);
    if (const auto code = session.parse(arguments))
        return *code;
    QString error;
    const std::optional<Pump> pump = chosenPump(session, &error);
    if (!pump)
        return fail(UsageError, error);
    if (session.parser().positionalArguments().size() != 1)
        return fail(UsageError, tr("Name one file to save the setup in."));
    QString path = session.parser().positionalArguments().at(0);
    if (const auto code = session.connect())
        return *code;

    SetupTransfer transfer;
    bool ok = false;
    QObject::connect(&transfer, &SetupTransfer::readFinished, [&ok](bool result) { ok = result; });
    if (!transfer.startBackup(
            pump->address,
            SetupFile::readPcSettings(AppSettings::store(), pump->address, pump->name)))
        return fail(LinkFailure, tr("The link is busy."));
    waitFor(transfer, &SetupTransfer::readFinished);
    if (!ok)
        return fail(LinkFailure, tr("%1 did not answer; no file was written.").arg(pump->name));
    if (!SetupFile::save(transfer.setup(), path, &error))
        return fail(FileRefused, tr("The file %1 could not be written: %2").arg(path, error));
    session.print(QJsonObject {{QStringLiteral("pump"), pump->name},
                               {QStringLiteral("address"), pump->address},
                               {QStringLiteral("file"), path}},
                  tr("The setup of %1 is saved in %2.\n").arg(pump->name, path));
    return Done;
}

bool askOnTerminal(const QString &question)
{
    err() << question << QStringLiteral(" [y/N] ");
    err().flush();
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

int restore(const QStringList &arguments)
{
    Session session(QStringLiteral("restore"),
                    tr("Checks a setup file, lists what it would change on one pump, and "
                       "after a yes writes it there and reads the pump again to compare."));
    addPumpAndFile(session);
    session.parser().addOption(
        {QStringLiteral("yes"), tr("Write without asking, also a file from another pump.")});
    if (const auto code = session.parse(arguments))
        return *code;
    QString error;
    const std::optional<Pump> pump = chosenPump(session, &error);
    if (!pump)
        return fail(UsageError, error);
    if (session.parser().positionalArguments().size() != 1)
        return fail(UsageError, tr("Name one setup file to restore."));
    const SetupFile::Parsed parsed = SetupFile::load(session.parser().positionalArguments().at(0));
    if (!parsed.setup)
        return fail(FileRefused, parsed.error);
    const SetupFile::Setup &file = *parsed.setup;
    const bool yes = session.parser().isSet(QStringLiteral("yes"));
    if (const auto code = session.connect())
        return *code;

    SetupTransfer transfer;
    bool ok = false;
    QObject::connect(&transfer, &SetupTransfer::readFinished, [&ok](bool result) { ok = result; });
    transfer.startRestoreRead(file, pump->address);
    waitFor(transfer, &SetupTransfer::readFinished);
    if (!ok)
        return fail(LinkFailure, tr("%1 did not answer; nothing was written.").arg(pump->name));

    const QString appVersion = FirmwareVersions::appVersion(transfer.targetImage());
    const QString build = FirmwareVersions::build(transfer.targetImage());
    if (!yes && file.address != pump->address &&
        !askOnTerminal(tr("This file was saved from the pump at address %1; %2 is at address "
                          "%3. Restore it to %2 all the same?")
                           .arg(file.address)
                           .arg(pump->name)
                           .arg(pump->address)))
        return fail(Done, tr("Nothing was written."));
    if (!yes && (file.appVersion != appVersion || file.firmwareVersion != build) &&
        !askOnTerminal(
            tr("This file was saved under firmware %1 (build %2); %3 runs firmware "
               "%4 (build %5). Restore it all the same?")
                .arg(file.appVersion, file.firmwareVersion, pump->name, appVersion, build)))
        return fail(Done, tr("Nothing was written."));

    const QVector<SetupDiff::Section> sections = SetupDiff::differences(
        transfer.targetImage(), transfer.fileImage(), pump->address,
        SetupFile::readPcSettings(AppSettings::store(), pump->address, pump->name), file.pc);
    QJsonArray changes;
    QString plain;
    for (const SetupDiff::Section &section : sections) {
        plain += section.title + QLatin1Char('\n');
        for (const SetupDiff::Change &change : section.changes) {
            plain += QStringLiteral("  ") + change.line() + QLatin1Char('\n');
            changes.append(QJsonObject {{QStringLiteral("section"), section.title},
                                        {QStringLiteral("what"), change.what},
                                        {QStringLiteral("now"), change.now},
                                        {QStringLiteral("file"), change.after}});
        }
    }
    if (sections.isEmpty()) {
        session.print(
            QJsonObject {{QStringLiteral("changes"), changes}, {QStringLiteral("restored"), false}},
            tr("Nothing to change\n"));
        return Done;
    }
    if (!session.json()) {
        out() << plain;
        out().flush();
    }
    if (!yes && !askOnTerminal(tr("Write these changes to %1?").arg(pump->name)))
        return fail(Done, tr("Nothing was written."));

    SetupFile::writePcSettings(file.pc, AppSettings::store(), pump->address);
    transfer.startRestoreWrites();
    waitFor(transfer, &SetupTransfer::restoreFinished);
    QStringList written;
    for (SetupRestore::Group group : transfer.written())
        written << SetupRestore::groupName(group);
    QStringList notWritten;
    for (SetupRestore::Group group : transfer.notWritten())
        notWritten << SetupRestore::groupName(group);
    switch (transfer.outcome()) {
    case SetupTransfer::Outcome::Restored:
        session.print(
            QJsonObject {{QStringLiteral("changes"), changes}, {QStringLiteral("restored"), true}},
            tr("Restored: %1 holds every setting of the file.\n").arg(pump->name));
        return Done;
    case SetupTransfer::Outcome::Differs:
        return fail(LinkFailure,
                    tr("After the restore %1 holds other values than the file.").arg(pump->name));
    case SetupTransfer::Outcome::ReadBackFailed:
        return fail(LinkFailure,
                    tr("The setup was written to %1, but reading it back failed.").arg(pump->name));
    case SetupTransfer::Outcome::CommitFailed:
        return fail(LinkFailure,
                    tr("Every setting was written, but %1 did not confirm taking them; restore "
                       "again to finish.")
                        .arg(pump->name));
    case SetupTransfer::Outcome::ReadFailed:
    case SetupTransfer::Outcome::WriteFailed:
        break;
    }
    return fail(LinkFailure,
                tr("The restore stopped: %1 did not answer. Written: %2. Not "
                   "written: %3. Restore again to finish.")
                    .arg(pump->name,
                         written.isEmpty() ? tr("none") : written.join(QStringLiteral(", ")),
                         notWritten.join(QStringLiteral(", "))));
}

// The words a script may match on, one per warning.
QString warningKey(Overview::Warning warning)
{
    switch (warning) {
    case Overview::Warning::LowBottle:
        return QStringLiteral("bottle_low");
    case Overview::Warning::SensorLow:
        return QStringLiteral("sensor_low");
    case Overview::Warning::NoDose:
        return QStringLiteral("no_dose");
    case Overview::Warning::AboveMaximum:
        return QStringLiteral("above_maximum");
    }
    return QString();
}

QString runModeText(const Overview::Channel &channel)
{
    if (channel.custom)
        return tr("custom plans");
    switch (channel.runMode) {
    case DoseProgramme::RunOneDay:
        return tr("every day");
    case DoseProgramme::RunTwoDays:
        return tr("every 2 days");
    case DoseProgramme::RunThreeDays:
        return tr("every 3 days");
    case DoseProgramme::RunWeek: {
        static const char *const kDays[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
        QStringList days;
        for (int bit = 0; bit < 7; ++bit) {
            if (channel.weekMask & (1 << bit))
                days << QLatin1String(kDays[bit]);
        }
        return days.isEmpty() ? tr("no week day") : days.join(QStringLiteral(", "));
    }
    default:
        return tr("unknown mode");
    }
}

QString clockText(const Overview::Clock &clock)
{
    if (!clock.pump)
        return tr("clock not set");
    const qint64 size = std::llabs(clock.offsetSeconds);
    const QString amount = size < 60 ? tr("%1 s").arg(size)
        : size < 3600                ? tr("%1 min").arg(size / 60)
                                     : tr("%1 h %2 min").arg(size / 3600).arg(size % 3600 / 60);
    const QString when = clock.pump->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (clock.offsetSeconds == 0)
        return tr("clock %1, same time as the PC").arg(when);
    return clock.offsetSeconds > 0 ? tr("clock %1, %2 ahead of the PC").arg(when, amount)
                                   : tr("clock %1, %2 behind the PC").arg(when, amount);
}

int overview(const QStringList &arguments)
{
    Session session(QStringLiteral("overview"),
                    tr("Reads every pump in use whole and prints each channel's programme, "
                       "bottle, days left and sensor, each pump's clock, and the warnings: a "
                       "bottle low, a sensor low, a channel on with no dose, a daily volume "
                       "above its reagent's maximum, a pump clock off by more than two "
                       "minutes, a pump that did not answer. Exits 3 when there is any."));
    if (const auto code = session.parse(arguments))
        return *code;
    if (const auto code = session.connect())
        return *code;
    QSettings &settings = AppSettings::store();
    Overview::Limits limits;
    limits.lowBottleDays =
        settings.value(QLatin1String(AppSettings::kLowBottleDays), Overview::kDefaultLowBottleDays)
            .toInt();
    limits.aquariumLitres = settings.value(QLatin1String(AppSettings::kAquariumVolume)).toDouble();
    const QStringList reagentNames = PumpNames::reagentNames(settings);

    QJsonArray pumps;
    QString plain;
    int warnings = 0;
    int answered = 0;
    for (const Pump &pump : pumpsInUse(settings)) {
        QString error;
        if (!session.run(UiOperate::fullReadCommands(pump.address), &error)) {
            ++warnings;
            pumps.append(QJsonObject {{QStringLiteral("name"), pump.name},
                                      {QStringLiteral("address"), pump.address},
                                      {QStringLiteral("online"), false},
                                      {QStringLiteral("error"), error}});
            plain +=
                tr("%1 (address %2): offline: %3\n").arg(pump.name).arg(pump.address).arg(error);
            continue;
        }
        ++answered;
        RegisterImage image;
        image.copyReadRangesFrom(*RegisterImage::shared());
        const QDateTime now = QDateTime::currentDateTime();
        image.clockTakenAtMs = now.toMSecsSinceEpoch();
        limits.reagentOfChannel = PumpNames::reagentIndices(settings, pump.address);
        const QVector<Overview::Channel> channels = Overview::channels(image, limits);
        const Overview::Clock clock = Overview::checkClock(image, now);
        const QStringList names = PumpNames::names(settings, pump.address, pump.name);

        QJsonObject clockJson {{QStringLiteral("set"), bool(clock.pump)},
                               {QStringLiteral("wrong"), clock.wrong}};
        if (clock.pump) {
            clockJson.insert(QStringLiteral("pump"),
                             clock.pump->toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
            clockJson.insert(QStringLiteral("offset_seconds"), clock.offsetSeconds);
        }
        if (clock.wrong)
            ++warnings;
        plain +=
            tr("%1 (address %2): %3%4\n")
                .arg(pump.name)
                .arg(pump.address)
                .arg(clockText(clock), clock.wrong ? tr(" [WARNING: clock wrong]") : QString());

        QJsonArray channelsJson;
        for (int i = 0; i < channels.size(); ++i) {
            const Overview::Channel &c = channels.at(i);
            const QString reagent = reagentNames.value(limits.reagentOfChannel.value(i, -1));
            QJsonArray doses;
            QStringList doseTexts;
            for (const Overview::Dose &dose : c.doses) {
                const QString time = dose.time.toString(QStringLiteral("HH:mm"));
                doses.append(QJsonObject {{QStringLiteral("time"), time},
                                          {QStringLiteral("ml"), tenths(dose.volumeMl)}});
                doseTexts << tr("%1 %2 ml").arg(time).arg(dose.volumeMl, 0, 'f', 1);
            }
            QJsonArray warningKeys;
            for (Overview::Warning warning : c.warnings)
                warningKeys.append(warningKey(warning));
            warnings += c.warnings.size();
            channelsJson.append(
                QJsonObject {{QStringLiteral("channel"), i + 1},
                             {QStringLiteral("name"), names.value(i)},
                             {QStringLiteral("reagent"), reagent},
                             {QStringLiteral("on"), c.on},
                             {QStringLiteral("mode"), runModeText(c)},
                             {QStringLiteral("doses"), doses},
                             {QStringLiteral("daily_ml"), tenths(c.dailyMl)},
                             {QStringLiteral("capacity_ml"), c.capacityMl},
                             {QStringLiteral("left_ml"), c.liquidLeftMl},
                             {QStringLiteral("days_left"),
                              c.daysLeft ? QJsonValue(double(*c.daysLeft)) : QJsonValue()},
                             {QStringLiteral("sensor_low"), c.sensorLow},
                             {QStringLiteral("maximum_ml"),
                              c.maximumMl ? QJsonValue(tenths(*c.maximumMl)) : QJsonValue()},
                             {QStringLiteral("warnings"), warningKeys}});

            QString line = tr("  %1 (%2): ").arg(names.value(i), reagent);
            line += c.on ? tr("on, %1, %2 ml a day: %3")
                               .arg(runModeText(c))
                               .arg(c.dailyMl, 0, 'f', 1)
                               .arg(doseTexts.isEmpty() ? tr("no dose")
                                                        : doseTexts.join(QStringLiteral(", ")))
                         : tr("off");
            line += tr("; bottle %1 of %2 ml").arg(c.liquidLeftMl).arg(c.capacityMl);
            if (c.daysLeft)
                line += tr(", %1 days left").arg(*c.daysLeft);
            line += c.sensorLow ? tr("; sensor low") : tr("; sensor OK");
            QStringList words;
            for (const QJsonValue &key : qAsConst(warningKeys))
                words << key.toString();
            if (!words.isEmpty())
                line += tr(" [WARNING: %1]").arg(words.join(QStringLiteral(", ")));
            plain += line + QLatin1Char('\n');
        }
        pumps.append(QJsonObject {{QStringLiteral("name"), pump.name},
                                  {QStringLiteral("address"), pump.address},
                                  {QStringLiteral("online"), true},
                                  {QStringLiteral("clock"), clockJson},
                                  {QStringLiteral("channels"), channelsJson}});
    }
    if (answered == 0)
        return fail(LinkFailure,
                    pumps.first().toObject().value(QStringLiteral("error")).toString());
    plain += tr("Warnings: %1\n").arg(warnings);
    session.print(
        QJsonObject {{QStringLiteral("pumps"), pumps}, {QStringLiteral("warnings"), warnings}},
        plain);
    return warnings > 0 ? DoneWithWarnings : Done;
}

struct Command
{
    const char *name;
    int (*run)(const QStringList &arguments);
    const char *summary;
};

const Command kCommands[] = {
    {"info", info, QT_TRANSLATE_NOOP("tidewell-cli", "firmware versions of every pump in use")},
    {"temperature", temperature,
     QT_TRANSLATE_NOOP("tidewell-cli", "the current temperature and the last 24 hours")},
    {"set-clock", setClock,
     QT_TRANSLATE_NOOP("tidewell-cli", "set every pump's clock from this computer")},
    {"backup", backup, QT_TRANSLATE_NOOP("tidewell-cli", "save one pump's setup in a file")},
    {"restore", restore, QT_TRANSLATE_NOOP("tidewell-cli", "write a setup file back to one pump")},
    {"overview", overview,
     QT_TRANSLATE_NOOP("tidewell-cli", "every channel of every pump, and what runs low")},
};

QString usage()
{
    QString text = tr("Usage: tidewell-cli COMMAND [options]\n\nCommands:\n");
    for (const Command &command : kCommands)
        text += QStringLiteral("  %1  %2\n")
                    .arg(QLatin1String(command.name), -12)
                    .arg(tr(command.summary));
    text += QLatin1Char('\n') + tr("Run tidewell-cli COMMAND --help for a command's options.") +
        QLatin1Char('\n') + tr(kExitCodes) + QLatin1Char('\n');
    return text;
}

} // namespace

int run(const QStringList &arguments)
{
    const QString name = arguments.value(1);
    if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
        out() << usage();
        out().flush();
        return Done;
    }
    if (name == QLatin1String("--version")) {
        out() << QCoreApplication::applicationVersion() << '\n';
        out().flush();
        return Done;
    }
    for (const Command &command : kCommands) {
        if (name == QLatin1String(command.name)) {
            // The subcommand's parser sees its own name as the program.
            return command.run(arguments.mid(1));
        }
    }
    err() << (name.isEmpty() ? tr("No command given.") : tr("Unknown command \"%1\".").arg(name))
          << Qt::endl
          << usage();
    return UsageError;
}

} // namespace CliCommands

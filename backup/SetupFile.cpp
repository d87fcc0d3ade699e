#include "SetupFile.h"

#include "AppSettings.h"
#include "FirmwareVersions.h"
#include "PumpNames.h"
#include "RegisterImage.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QSettings>

#include <cmath>
#include <limits>

namespace SetupFile {

namespace {

const char kContext[] = "SetupFile";

QString tr(const char *text)
{
    return QCoreApplication::translate(kContext, text);
}

// The JSON keys; the file is read by people too, so they say what they hold.
const QLatin1String kKeyFormat("format");
const QLatin1String kKeyVersion("version");
const QLatin1String kKeySaved("saved");
const QLatin1String kKeyClient("client_version");
const QLatin1String kKeyPump("pump");
const QLatin1String kKeyAddress("address");
const QLatin1String kKeyAppVersion("app_version");
const QLatin1String kKeyFirmwareVersion("firmware_version");
const QLatin1String kKeyTables("tables");
const QLatin1String kKeyPc("pc_settings");
const QLatin1String kKeyAquarium("aquarium_volume");
const QLatin1String kKeyPumps("pumps");
const QLatin1String kKeyName("name");
const QLatin1String kKeyReagentIndex("reagent_index");
const QLatin1String kKeyReagents("reagents");
const QLatin1String kKeyMax("max");
const QLatin1String kKeyOffer("offer");
const QLatin1String kKeyConsume("consume");
const QLatin1String kKeyInterval("chemical_interval");
const QLatin1String kKeyPump4Select("chemical_pump4_select");
const QLatin1String kKeyPump5Select("chemical_pump5_select");

struct TableShape
{
    const char *key;
    const char *name; // as the user reads it in a message
    int size;
    int maximum;
    QVector<int> Setup::*values;
};

const TableShape kTables[] = {
    {"coils", QT_TRANSLATE_NOOP("SetupFile", "coil"), RegisterImage::kReadCoilCount, 1,
     &Setup::coils},
    {"discrete_inputs", QT_TRANSLATE_NOOP("SetupFile", "discrete input"),
     RegisterImage::kReadDiscreteInputCount, 1, &Setup::discreteInputs},
    {"input_registers", QT_TRANSLATE_NOOP("SetupFile", "input register"),
     RegisterImage::kReadInputRegisterCount, kMaxRegisterValue, &Setup::inputRegisters},
    {"holding_registers", QT_TRANSLATE_NOOP("SetupFile", "holding register"),
     RegisterImage::kReadHoldingRegisterCount, kMaxRegisterValue, &Setup::holdingRegisters},
};

// Far more than any setup file; a file chosen by mistake is not read whole.
constexpr qint64 kMaxFileBytes = 1 << 20;

const QString kDateFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

QJsonArray toArray(const QVector<int> &values)
{
    QJsonArray array;
    for (int value : values)
        array.append(value);
    return array;
}

// A JSON number that is a whole number in [minimum, maximum].
std::optional<int> wholeNumber(const QJsonValue &value, int minimum, int maximum)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < minimum || number > maximum)
        return std::nullopt;
    return int(number);
}

Parsed failure(const QString &error)
{
    Parsed parsed;
    parsed.error = error;
    return parsed;
}

QString checkTable(const QJsonObject &tables, const TableShape &shape, Setup &setup)
{
    const QString name = tr(shape.name);
    const QJsonValue value = tables.value(QLatin1String(shape.key));
    if (!value.isArray())
        return tr("The file has no %1 table.").arg(name);
    const QJsonArray array = value.toArray();
    if (array.size() != shape.size)
        return tr("The %1 table holds %2 values; a setup file holds %3.")
            .arg(name)
            .arg(array.size())
            .arg(shape.size);
    QVector<int> &values = setup.*shape.values;
    values.reserve(shape.size);
    for (int index = 0; index < array.size(); ++index) {
        const std::optional<int> number = wholeNumber(array.at(index), 0, shape.maximum);
        if (!number) {
            const QJsonValue cell = array.at(index);
            const QString shown = cell.isDouble() ? QString::number(cell.toDouble(), 'g', 12)
                : cell.isString() ? QLatin1Char('"') + cell.toString() + QLatin1Char('"')
                                  : tr("no number");
            return tr("The %1 %2 holds %3; it must be a whole number from 0 to %4.")
                .arg(name)
                .arg(index)
                .arg(shown)
                .arg(shape.maximum);
        }
        values.append(*number);
    }
    return QString();
}

QString checkPc(const QJsonObject &object, PcSettings &pc)
{
    const QString incomplete = tr("The PC settings in the file are incomplete (%1).");
    if (!object.value(kKeyAquarium).isDouble())
        return incomplete.arg(kKeyAquarium);
    pc.aquariumVolume = object.value(kKeyAquarium).toDouble();

    const QJsonArray pumps = object.value(kKeyPumps).toArray();
    if (pumps.size() != AppSettings::kPumpCount)
        return incomplete.arg(kKeyPumps);
    for (const QJsonValue &value : pumps) {
        const QJsonObject pump = value.toObject();
        const std::optional<int> reagent =
            wholeNumber(pump.value(kKeyReagentIndex), 0, AppSettings::kReagentCount - 1);
        if (!pump.value(kKeyName).isString() || !reagent)
            return incomplete.arg(kKeyPumps);
        pc.pumps.append({pump.value(kKeyName).toString(), *reagent});
    }

    const QJsonArray reagents = object.value(kKeyReagents).toArray();
    if (reagents.size() != AppSettings::kReagentCount)
        return incomplete.arg(kKeyReagents);
    for (const QJsonValue &value : reagents) {
        const QJsonObject reagent = value.toObject();
        const QJsonValue consume = reagent.value(kKeyConsume);
        if (!reagent.value(kKeyName).isString() || !reagent.value(kKeyMax).isDouble() ||
            !reagent.value(kKeyOffer).isDouble() || !(consume.isUndefined() || consume.isDouble()))
            return incomplete.arg(kKeyReagents);
        ReagentEntry entry;
        entry.name = reagent.value(kKeyName).toString();
        entry.max = reagent.value(kKeyMax).toDouble();
        entry.offer = reagent.value(kKeyOffer).toDouble();
        if (consume.isDouble())
            entry.consume = consume.toDouble();
        pc.reagents.append(entry);
    }

    for (const auto &[key, field] :
         {std::pair {kKeyInterval, &PcSettings::chemicalInterval},
          std::pair {kKeyPump4Select, &PcSettings::chemicalPump4Select},
          std::pair {kKeyPump5Select, &PcSettings::chemicalPump5Select}}) {
        const std::optional<int> number = wholeNumber(
            object.value(key), std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        if (!number)
            return incomplete.arg(key);
        pc.*field = *number;
    }
    return QString();
}

} // namespace

PcSettings readPcSettings(QSettings &settings, int address, const QString &pumpName)
{
    PcSettings pc;
    pc.aquariumVolume = settings.value(QLatin1String(AppSettings::kAquariumVolume)).toDouble();
    const QStringList names = PumpNames::names(settings, address, pumpName);
    const QVector<int> reagents = PumpNames::reagentIndices(settings, address);
    for (int i = 0; i < AppSettings::kPumpCount; ++i)
        pc.pumps.append(
            {names.value(i), qBound(0, reagents.value(i), AppSettings::kReagentCount - 1)});
    settings.beginReadArray(QLatin1String(AppSettings::kGroupReagent));
    for (int i = 0; i < AppSettings::kReagentCount; ++i) {
        settings.setArrayIndex(i);
        ReagentEntry entry;
        entry.name = settings.value(QLatin1String(AppSettings::kReagentName)).toString();
        entry.max = settings.value(QLatin1String(AppSettings::kReagentMax)).toDouble();
        entry.offer = settings.value(QLatin1String(AppSettings::kReagentOffer)).toDouble();
        const QVariant consume = settings.value(QLatin1String(AppSettings::kReagentConsume));
        if (consume.isValid())
            entry.consume = consume.toDouble();
        pc.reagents.append(entry);
    }
    settings.endArray();
    pc.chemicalInterval = settings.value(QLatin1String(AppSettings::kChemicalInterval)).toInt();
    pc.chemicalPump4Select =
        settings.value(QLatin1String(AppSettings::kChemicalPump4Select)).toInt();
    pc.chemicalPump5Select =
        settings.value(QLatin1String(AppSettings::kChemicalPump5Select)).toInt();
    return pc;
}

void writePcSettings(const PcSettings &pc, QSettings &settings, int address)
{
    settings.setValue(QLatin1String(AppSettings::kAquariumVolume), pc.aquariumVolume);
    QStringList names;
    QVector<int> reagents;
    for (const PumpEntry &pump : pc.pumps) {
        names << pump.name;
        reagents << pump.reagentIndex;
    }
    PumpNames::setNames(settings, address, names);
    PumpNames::setReagentIndices(settings, address, reagents);
    settings.beginWriteArray(QLatin1String(AppSettings::kGroupReagent));
    for (int i = 0; i < pc.reagents.size(); ++i) {
        const ReagentEntry &entry = pc.reagents.at(i);
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(AppSettings::kReagentName), entry.name);
        settings.setValue(QLatin1String(AppSettings::kReagentMax), entry.max);
        settings.setValue(QLatin1String(AppSettings::kReagentOffer), entry.offer);
        if (entry.consume)
            settings.setValue(QLatin1String(AppSettings::kReagentConsume), *entry.consume);
        else
            settings.remove(QLatin1String(AppSettings::kReagentConsume));
    }
    settings.endArray();
    settings.setValue(QLatin1String(AppSettings::kChemicalInterval), pc.chemicalInterval);
    settings.setValue(QLatin1String(AppSettings::kChemicalPump4Select), pc.chemicalPump4Select);
    settings.setValue(QLatin1String(AppSettings::kChemicalPump5Select), pc.chemicalPump5Select);
}

Setup fromPump(const RegisterImage &image, int address, const PcSettings &pc,
               const QDateTime &saved)
{
    Setup setup;
    setup.saved = saved;
    setup.clientVersion = QStringLiteral(TIDEWELL_CLIENT_VERSION);
    setup.address = address;
    setup.appVersion = FirmwareVersions::appVersion(image);
    setup.firmwareVersion = FirmwareVersions::build(image);
    for (int i = 0; i < RegisterImage::kReadCoilCount; ++i)
        setup.coils.append(image.coils[i]);
    for (int i = 0; i < RegisterImage::kReadDiscreteInputCount; ++i)
        setup.discreteInputs.append(image.discreteInputs[i]);
    for (int i = 0; i < RegisterImage::kReadInputRegisterCount; ++i)
        setup.inputRegisters.append(image.inputRegisters[i] & kMaxRegisterValue);
    for (int i = 0; i < RegisterImage::kReadHoldingRegisterCount; ++i)
        setup.holdingRegisters.append(image.holdingRegisters[i] & kMaxRegisterValue);
    setup.pc = pc;
    return setup;
}

void toImage(const Setup &setup, RegisterImage &image)
{
    for (int i = 0; i < setup.coils.size() && i < RegisterImage::kReadCoilCount; ++i)
        image.coils[i] = quint8(setup.coils.at(i));
    for (int i = 0; i < setup.discreteInputs.size() && i < RegisterImage::kReadDiscreteInputCount;
         ++i)
        image.discreteInputs[i] = quint8(setup.discreteInputs.at(i));
    for (int i = 0; i < setup.inputRegisters.size() && i < RegisterImage::kReadInputRegisterCount;
         ++i)
        image.inputRegisters[i] = setup.inputRegisters.at(i);
    for (int i = 0;
         i < setup.holdingRegisters.size() && i < RegisterImage::kReadHoldingRegisterCount; ++i)
        image.holdingRegisters[i] = setup.holdingRegisters.at(i);
}

QByteArray toJson(const Setup &setup)
{
    QJsonObject tables;
    for (const TableShape &shape : kTables)
        tables.insert(QLatin1String(shape.key), toArray(setup.*shape.values));

    QJsonArray pumps;
    for (const PumpEntry &pump : setup.pc.pumps)
        pumps.append(QJsonObject {{kKeyName, pump.name}, {kKeyReagentIndex, pump.reagentIndex}});
    QJsonArray reagents;
    for (const ReagentEntry &entry : setup.pc.reagents) {
        QJsonObject reagent {
            {kKeyName, entry.name}, {kKeyMax, entry.max}, {kKeyOffer, entry.offer}};
        if (entry.consume)
            reagent.insert(kKeyConsume, *entry.consume);
        reagents.append(reagent);
    }
    const QJsonObject pc {{kKeyAquarium, setup.pc.aquariumVolume},
                          {kKeyPumps, pumps},
                          {kKeyReagents, reagents},
                          {kKeyInterval, setup.pc.chemicalInterval},
                          {kKeyPump4Select, setup.pc.chemicalPump4Select},
                          {kKeyPump5Select, setup.pc.chemicalPump5Select}};

    const QJsonObject root {{kKeyFormat, QLatin1String(kFormatName)},
                            {kKeyVersion, kFormatVersion},
                            {kKeySaved, setup.saved.toString(kDateFormat)},
                            {kKeyClient, setup.clientVersion},
                            {kKeyPump,
                             QJsonObject {{kKeyAddress, setup.address},
                                          {kKeyAppVersion, setup.appVersion},
                                          {kKeyFirmwareVersion, setup.firmwareVersion}}},
                            {kKeyTables, tables},
                            {kKeyPc, pc}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

Parsed parse(const QByteArray &bytes)
{
    QJsonParseError jsonError {};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &jsonError);
    if (jsonError.error != QJsonParseError::NoError)
        return failure(tr("The file is not a setup file: %1 at character %2.")
                           .arg(jsonError.errorString())
                           .arg(jsonError.offset));
    if (!document.isObject())
        return failure(tr("The file is not a setup file: it holds no JSON object."));
    const QJsonObject root = document.object();

    const QString format = root.value(kKeyFormat).toString();
    if (format != QLatin1String(kFormatName))
        return failure(
            tr("The file is not a Tidewell setup file (its format is \"%1\").").arg(format));
    const std::optional<int> version =
        wholeNumber(root.value(kKeyVersion), 0, std::numeric_limits<int>::max());
    if (!version || *version != kFormatVersion)
        return failure(tr("The file's format version %1 is not one this program knows (%2).")
                           .arg(root.value(kKeyVersion).toVariant().toString())
                           .arg(kFormatVersion));

    Setup setup;
    setup.saved = QDateTime::fromString(root.value(kKeySaved).toString(), kDateFormat);
    if (!setup.saved.isValid())
        return failure(tr("The file does not say when it was saved."));
    setup.clientVersion = root.value(kKeyClient).toString();

    const QJsonObject pump = root.value(kKeyPump).toObject();
    const std::optional<int> address =
        wholeNumber(pump.value(kKeyAddress), kFirstAddress, kLastAddress);
    if (!address)
        return failure(tr("The file names no pump address from %1 to %2.")
                           .arg(kFirstAddress)
                           .arg(kLastAddress));
    setup.address = *address;
    setup.appVersion = pump.value(kKeyAppVersion).toString();
    setup.firmwareVersion = pump.value(kKeyFirmwareVersion).toString();

    const QJsonObject tables = root.value(kKeyTables).toObject();
    for (const TableShape &shape : kTables) {
        const QString error = checkTable(tables, shape, setup);
        if (!error.isEmpty())
            return failure(error);
    }

    if (!root.value(kKeyPc).isObject())
        return failure(tr("The file holds no PC settings."));
    const QString error = checkPc(root.value(kKeyPc).toObject(), setup.pc);
    if (!error.isEmpty())
        return failure(error);

    Parsed parsed;
    parsed.setup = setup;
    return parsed;
}

bool save(const Setup &setup, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = toJson(setup);
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

Parsed load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(tr("The file could not be read: %1").arg(file.errorString()));
    if (file.size() > kMaxFileBytes)
        return failure(tr("The file is too large to be a setup file."));
    return parse(file.readAll());
}

} // namespace SetupFile

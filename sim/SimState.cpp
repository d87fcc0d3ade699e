#include "SimState.h"

#include "PumpSimulator.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSaveFile>

namespace {

using Table = PumpTables::Table;

constexpr int kStateFormat = 1;

void setError(QString *error, const QString &message)
{
    if (error)
        *error = message;
}

QJsonObject tablesToJson(const PumpTables &tables)
{
    QJsonObject object;
    for (int i = 0; i < PumpTables::kTableCount; ++i) {
        const auto table = static_cast<Table>(i);
        QJsonArray array;
        for (int value : tables.values(table))
            array.append(value);
        object.insert(QLatin1String(PumpTables::name(table)), array);
    }
    return object;
}

// Leaves tables as they were when the object doesn't describe complete tables.
bool tablesFromJson(const QJsonObject &object, PumpTables *tables, QString *error)
{
    PumpTables loaded;
    for (int i = 0; i < PumpTables::kTableCount; ++i) {
        const auto table = static_cast<Table>(i);
        const QString name = QLatin1String(PumpTables::name(table));
        const QJsonValue value = object.value(name);
        if (!value.isArray()) {
            *error = QStringLiteral("\"%1\" is missing or not an array").arg(name);
            return false;
        }
        const QJsonArray array = value.toArray();
        if (array.size() != PumpTables::size(table)) {
            *error = QStringLiteral("\"%1\" has %2 entries instead of %3")
                         .arg(name)
                         .arg(array.size())
                         .arg(PumpTables::size(table));
            return false;
        }
        const int maximum = PumpTables::holdsBits(table) ? 1 : 0xFFFF;
        for (int index = 0; index < array.size(); ++index) {
            const double number = array.at(index).toDouble(-1);
            const bool inRange = array.at(index).isDouble() && number >= 0 && number <= maximum;
            const int cell = inRange ? static_cast<int>(number) : -1;
            if (!inRange || cell != number) {
                *error = QStringLiteral("\"%1\"[%2] is not an integer from 0 to %3")
                             .arg(name)
                             .arg(index)
                             .arg(maximum);
                return false;
            }
            loaded.setValue(table, index, cell);
        }
    }
    *tables = loaded;
    return true;
}

} // namespace

namespace SimState {

bool load(PumpSimulator &simulator, const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (document.isNull()) {
        setError(error,
                 QStringLiteral("%1: %2 at offset %3")
                     .arg(path, parseError.errorString())
                     .arg(parseError.offset));
        return false;
    }
    const QJsonObject root = document.object();
    if (root.contains(QLatin1String("format")) &&
        root.value(QLatin1String("format")).toInt() != kStateFormat) {
        setError(error, QStringLiteral("%1: unknown format").arg(path));
        return false;
    }
    if (!root.value(QLatin1String("slaves")).isArray()) {
        setError(error, QStringLiteral("%1: no \"slaves\" array").arg(path));
        return false;
    }

    // Everything is read before anything changes, so a bad file leaves the simulator as it was.
    QMap<int, SimPump> loaded;
    const QJsonArray slaves = root.value(QLatin1String("slaves")).toArray();
    for (int i = 0; i < slaves.size(); ++i) {
        const QJsonObject entry = slaves.at(i).toObject();
        const int address = entry.value(QLatin1String("address")).toInt(-1);
        if (address < PumpSimulator::kFirstSlaveAddress ||
            address > PumpSimulator::kLastSlaveAddress) {
            setError(error, QStringLiteral("%1: slave %2 has no valid address").arg(path).arg(i));
            return false;
        }
        // A fresh pump: its parts start over beside the loaded tables.
        SimPump pump;
        QString reason;
        if (!tablesFromJson(entry, &pump.tables(), &reason)) {
            setError(error, QStringLiteral("%1: slave %2: %3").arg(path).arg(address).arg(reason));
            return false;
        }
        loaded.insert(address, pump);
    }
    for (auto it = loaded.cbegin(); it != loaded.cend(); ++it) {
        simulator.addSlave(it.key());
        *simulator.pump(it.key()) = it.value();
    }
    return true;
}

bool save(const PumpSimulator &simulator, const QString &path, QString *error)
{
    QJsonArray slaves;
    for (int address : simulator.slaves()) {
        QJsonObject entry = tablesToJson(simulator.pump(address)->tables());
        entry.insert(QLatin1String("address"), address);
        slaves.append(entry);
    }
    QJsonObject root;
    root.insert(QLatin1String("format"), kStateFormat);
    root.insert(QLatin1String("slaves"), slaves);

    // QSaveFile replaces the old state only once the new one is complete.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    file.write(QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!file.commit()) {
        setError(error, QStringLiteral("%1: %2").arg(path, file.errorString()));
        return false;
    }
    return true;
}

} // namespace SimState

#include "PumpNames.h"

#include "AppSettings.h"

#include <QSettings>

namespace PumpNames {

using namespace AppSettings;

namespace {

// The value of key in each of the four entries of group; an invalid variant
// where the entry or its key is missing.
QVector<QVariant> entries(QSettings &settings, const QString &group, const char *key)
{
    QVector<QVariant> values(kChannelCount);
    const int size = settings.beginReadArray(group);
    for (int i = 0; i < kChannelCount && i < size; ++i) {
        settings.setArrayIndex(i);
        values[i] = settings.value(QLatin1String(key));
    }
    settings.endArray();
    return values;
}

QVector<int> indicesOf(const QVector<QVariant> &values)
{
    QVector<int> indices(kChannelCount, -1);
    for (int i = 0; i < kChannelCount; ++i) {
        bool ok = false;
        const int index = values.at(i).toInt(&ok);
        if (values.at(i).isValid() && ok)
            indices[i] = index;
    }
    return indices;
}

} // namespace

QString groupOf(int address)
{
    const QString master = QLatin1String(kGroupPumps);
    return address == kMasterAddress ? master : QStringLiteral("%1_%2").arg(master).arg(address);
}

QString derivedName(const QString &pumpName, const QString &masterName)
{
    QString name = masterName;
    if (!pumpName.isEmpty())
        name = masterName.isEmpty() ? pumpName : QStringLiteral("%1 %2").arg(pumpName, masterName);
    return name.left(kMaxNameLength);
}

QStringList names(QSettings &settings, int address, const QString &pumpName)
{
    const QVector<QVariant> master = entries(settings, groupOf(kMasterAddress), kPumpsName);
    const QVector<QVariant> own =
        address == kMasterAddress ? master : entries(settings, groupOf(address), kPumpsName);
    QStringList list;
    for (int i = 0; i < kChannelCount; ++i) {
        if (own.at(i).isValid() || address == kMasterAddress)
            list << own.at(i).toString();
        else
            list << derivedName(pumpName, master.at(i).toString());
    }
    return list;
}

void setNames(QSettings &settings, int address, const QStringList &names)
{
    settings.beginWriteArray(groupOf(address));
    for (int i = 0; i < kChannelCount; ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(kPumpsName), names.value(i));
    }
    settings.endArray();
}

QStringList reagentNames(QSettings &settings)
{
    QStringList list;
    const int size = settings.beginReadArray(QLatin1String(kGroupReagent));
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        list << settings.value(QLatin1String(kReagentName)).toString();
    }
    settings.endArray();
    return list;
}

QVector<int> reagentIndices(QSettings &settings, int address)
{
    const QVector<int> master =
        indicesOf(entries(settings, groupOf(kMasterAddress), kPumpsReagentIndex));
    if (address == kMasterAddress)
        return master;
    const QVector<QVariant> own = entries(settings, groupOf(address), kPumpsReagentIndex);
    const QVector<int> stored = indicesOf(own);
    QVector<int> indices(kChannelCount);
    for (int i = 0; i < kChannelCount; ++i)
        indices[i] = own.at(i).isValid() ? stored.at(i) : master.at(i);
    return indices;
}

void setReagentIndices(QSettings &settings, int address, const QVector<int> &indices)
{
    settings.beginWriteArray(groupOf(address));
    for (int i = 0; i < kChannelCount && i < indices.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(kPumpsReagentIndex), indices.at(i));
    }
    settings.endArray();
}

} // namespace PumpNames

#include "PumpNames.h"

#include "AppSettings.h"

#include <QSettings>

namespace PumpNames {

using namespace AppSettings;

QStringList names(QSettings &settings)
{
    QStringList list;
    const int size = settings.beginReadArray(QLatin1String(kGroupPumps));
    for (int i = 0; i < kChannelCount; ++i) {
        if (i < size) {
            settings.setArrayIndex(i);
            list << settings.value(QLatin1String(kPumpsName)).toString();
        } else {
            list << QString();
        }
    }
    settings.endArray();
    return list;
}

void setNames(QSettings &settings, const QStringList &names)
{
    settings.beginWriteArray(QLatin1String(kGroupPumps));
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

QVector<int> reagentIndices(QSettings &settings)
{
    QVector<int> indices(kChannelCount, -1);
    const int size = settings.beginReadArray(QLatin1String(kGroupPumps));
    for (int i = 0; i < kChannelCount && i < size; ++i) {
        settings.setArrayIndex(i);
        bool ok = false;
        const int index = settings.value(QLatin1String(kPumpsReagentIndex)).toInt(&ok);
        indices[i] = ok ? index : -1;
    }
    settings.endArray();
    return indices;
}

void setReagentIndices(QSettings &settings, const QVector<int> &indices)
{
    settings.beginWriteArray(QLatin1String(kGroupPumps));
    for (int i = 0; i < kChannelCount && i < indices.size(); ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(kPumpsReagentIndex), indices.at(i));
    }
    settings.endArray();
}

} // namespace PumpNames

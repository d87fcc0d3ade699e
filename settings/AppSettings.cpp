#include "AppSettings.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace AppSettings {

namespace {

// Translation context of the names: the orchestrator writes them.
const char kNameContext[] = "UiOperate";

struct ReagentDefault
{
    const char *name;
    double max;
    double offer;
};

// The sixth reagent, "Other", has no recorded dosing figures; it takes the
// most conservative pair of the others (the Sr / mixed-water values), so the
// quick setup never recommends more of an unknown liquid than of any known one.
const ReagentDefault kReagents[kReagentCount] = {
    {QT_TRANSLATE_NOOP("UiOperate", "Ca"), 40.0, 0.7},
    {QT_TRANSLATE_NOOP("UiOperate", "Mg"), 40.0, 0.5},
    {QT_TRANSLATE_NOOP("UiOperate", "Kh"), 100.0, 4.4},
    {QT_TRANSLATE_NOOP("UiOperate", "Sr"), 20.0, 0.5},
    {QT_TRANSLATE_NOOP("UiOperate", "阴阳水"), 20.0, 0.5},
    {QT_TRANSLATE_NOOP("UiOperate", "Other"), 20.0, 0.5},
};

const char *const kPumpNames[kPumpCount] = {
    QT_TRANSLATE_NOOP("UiOperate", "Ca"),
    QT_TRANSLATE_NOOP("UiOperate", "Mg"),
    QT_TRANSLATE_NOOP("UiOperate", "Kh"),
    QT_TRANSLATE_NOOP("UiOperate", "Other"),
};

QString translated(const char *source)
{
    return QCoreApplication::translate(kNameContext, source);
}

} // namespace

QSettings &store()
{
    static QSettings settings(QString::fromLatin1(kOrganisation),
                              QString::fromLatin1(kApplication));
    return settings;
}

bool isFirstRun(const QSettings &settings)
{
    return settings.value(QLatin1String(kMarkerKey), QString()).toString() !=
        QLatin1String(kMarkerValue);
}

void writeNetworkDefaults(QSettings &settings)
{
    settings.setValue(QLatin1String(kNetIp), QString::fromLatin1(kDefaultIp));
    settings.setValue(QLatin1String(kNetPort), kDefaultPort);
    settings.setValue(QLatin1String(kSavePassword), 1);
    settings.setValue(QLatin1String(kLoginPassword), QString::fromLatin1(kDefaultPassword));
}

void writeClientDefaults(QSettings &settings)
{
    settings.setValue(QLatin1String(kMarkerKey), QString::fromLatin1(kMarkerValue));
    settings.setValue(QLatin1String(kDisplayPrompt), 1);
    settings.setValue(QLatin1String(kAquariumVolume), 100.0);

    // Arrays are written without a size: the stored size is the highest
    // index written plus one.
    settings.beginWriteArray(QLatin1String(kGroupPumps));
    for (int i = 0; i < kPumpCount; ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(kPumpsName), translated(kPumpNames[i]));
        settings.setValue(QLatin1String(kPumpsReagentIndex), i);
    }
    settings.endArray();

    settings.beginWriteArray(QLatin1String(kGroupReagent));
    for (int i = 0; i < kReagentCount; ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(kReagentName), translated(kReagents[i].name));
        settings.setValue(QLatin1String(kReagentMax), kReagents[i].max);
        settings.setValue(QLatin1String(kReagentOffer), kReagents[i].offer);
    }
    settings.endArray();

    settings.setValue(QLatin1String(kChemicalInterval), 4);
    settings.setValue(QLatin1String(kChemicalPump4Select), 0);
    settings.setValue(QLatin1String(kChemicalPump5Select), 0);

    settings.beginWriteArray(QLatin1String(kGroupSlaves));
    for (int i = 0; i < kSlaveCount; ++i) {
        settings.setArrayIndex(i);
        settings.setValue(QLatin1String(kSlaveAddress), i + 1);
        settings.setValue(QLatin1String(kSlaveOnOff), 0);
    }
    settings.endArray();
}

void factoryReset(QSettings &settings)
{
    settings.clear();
    settings.setValue(QLatin1String(kNetIp), QString::fromLatin1(kDefaultIp));
    settings.setValue(QLatin1String(kNetPort), kDefaultPort);
    settings.setValue(QLatin1String(kSavePassword), 1);
}

bool isValidBridgeHost(const QString &text)
{
    // Host names are at most 253 characters, each label 1 to 63.
    static const QRegularExpression hostName(
        QStringLiteral("^(?=.{1,253}$)([A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?)"
                       "(\\.[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?)*$"));
    static const QRegularExpression digitsAndDots(QStringLiteral("^[0-9.]+$"));
    static const QRegularExpression ipv4(
        QStringLiteral("^((25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])\\.){3}"
                       "(25[0-5]|2[0-4][0-9]|1[0-9][0-9]|[1-9]?[0-9])$"));
    if (digitsAndDots.match(text).hasMatch())
        return ipv4.match(text).hasMatch();
    return hostName.match(text).hasMatch();
}

std::optional<int> bridgePort(const QString &text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    const QString trimmed = text.trimmed();
    if (!digits.match(trimmed).hasMatch())
        return std::nullopt;
    const int port = trimmed.toInt();
    if (port < 1 || port > 65535)
        return std::nullopt;
    return port;
}

} // namespace AppSettings

#include "Language.h"

#include "AppSettings.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace Language {

QTranslator &translator()
{
    static QTranslator *appTranslator = new QTranslator;
    return *appTranslator;
}

QString resourceFor(int code)
{
    switch (code) {
    case kChinese:
        return QStringLiteral(":/Translate/tidewell_d4_zh.qm");
    case kEnglish:
        return QStringLiteral(":/Translate/tidewell_d4_en.qm");
    case kFrench:
        return QStringLiteral(":/Translate/tidewell_d4_fr.qm");
    case kGerman:
        return QStringLiteral(":/Translate/tidewell_d4_de.qm");
    default:
        return QString();
    }
}

int install(int code)
{
    if (resourceFor(code).isEmpty())
        code = kEnglish;
    QCoreApplication::removeTranslator(&translator());
    // A missing translation leaves the source texts in place.
    if (translator().load(resourceFor(code)))
        QCoreApplication::installTranslator(&translator());
    return code;
}

int installFromSettings()
{
    QSettings &settings = AppSettings::store();
    if (AppSettings::isFirstRun(settings))
        settings.setValue(QLatin1String(AppSettings::kLanguage), int(QLocale().language()));
    const int stored = settings.value(QLatin1String(AppSettings::kLanguage)).toInt();
    const int installed = install(stored);
    if (installed != stored)
        settings.setValue(QLatin1String(AppSettings::kLanguage), installed);
    return installed;
}

} // namespace Language

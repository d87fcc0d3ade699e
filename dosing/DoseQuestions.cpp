#include "DoseQuestions.h"

#include "MyMessageBox.h"

namespace {

const QLatin1String kLineBreak("<br>");

// The day names of the week-day selector, Monday first as in the week mask.
const char *const kDayNames[] = {
    QT_TRANSLATE_NOOP("WeekWidget", "Monday "),   QT_TRANSLATE_NOOP("WeekWidget", "Tuesday"),
    QT_TRANSLATE_NOOP("WeekWidget", "Wednesday"), QT_TRANSLATE_NOOP("WeekWidget", "Thursday"),
    QT_TRANSLATE_NOOP("WeekWidget", "Friday"),    QT_TRANSLATE_NOOP("WeekWidget", "Saturday "),
    QT_TRANSLATE_NOOP("WeekWidget", "Sunday")};

// Wide enough for the quick setup's three columns side by side without
// each cell wrapping into a narrow strip.
constexpr int kPreviewWidth = 640;

} // namespace

QString DoseQuestions::aboveMaximumText(const QVector<DoseGuards::Excess> &excesses,
                                        const QStringList &channelNames,
                                        const QStringList &reagentNames, double aquariumLitres)
{
    QStringList lines;
    for (const DoseGuards::Excess &excess : excesses) {
        lines << tr("%1 (channel %2), %3: %4 ml per dosing day; the quick setup allows at most %5 "
                    "ml a day for a %6 l aquarium.")
                     .arg(channelNames.value(excess.channel), QString::number(excess.channel + 1),
                          reagentNames.value(excess.reagentIndex),
                          DoseGuards::formatMl(excess.dailyMl),
                          DoseGuards::formatMl(excess.maximumMl),
                          DoseGuards::formatMl(aquariumLitres));
    }
    return tr("Above the maximum daily dose:\n\n%1\n\nToo much can harm the animals in the tank. "
              "Send it to the pump anyway?")
        .arg(lines.join(QLatin1Char('\n')));
}

bool DoseQuestions::confirmAboveMaximum(QWidget *parent,
                                        const QVector<DoseGuards::Excess> &excesses,
                                        const QStringList &channelNames,
                                        const QStringList &reagentNames, double aquariumLitres)
{
    if (excesses.isEmpty())
        return true;
    return MyMessageBox::ask(parent,
                             aboveMaximumText(excesses, channelNames, reagentNames, aquariumLitres),
                             tr("Send Anyway"), tr("Cancel"), true);
}

QStringList DoseQuestions::describe(const DoseGuards::ChannelSummary &channel)
{
    if (!channel.on)
        return {tr("Off")};
    QStringList lines;
    lines << (channel.custom ? tr("On, custom plans") : tr("On"));
    switch (channel.runMode) {
    case DoseProgramme::RunOneDay:
        lines << tr("every day");
        break;
    case DoseProgramme::RunTwoDays:
        lines << tr("every %1 days").arg(2);
        break;
    case DoseProgramme::RunThreeDays:
        lines << tr("every %1 days").arg(3);
        break;
    default: {
        // The dose editor's own day names, so both read alike.
        QStringList days;
        for (int day = 0; day < int(sizeof kDayNames / sizeof kDayNames[0]); ++day) {
            if (channel.weekMask & (1 << day))
                days << QCoreApplication::translate("WeekWidget", kDayNames[day]).trimmed();
        }
        lines << (days.isEmpty() ? tr("no day of the week") : days.join(QStringLiteral(", ")));
        break;
    }
    }
    lines << tr("%1 ml per dosing day").arg(DoseGuards::formatMl(channel.dailyMl));
    lines << describeDoses(channel.doses);
    return lines;
}

QString DoseQuestions::describeDoses(const QVector<Overview::Dose> &doses)
{
    if (doses.isEmpty())
        return tr("no dose");
    QStringList times;
    bool equal = true;
    for (const Overview::Dose &dose : doses) {
        times << dose.time.toString(QStringLiteral("hh:mm"));
        equal = equal && qFuzzyCompare(dose.volumeMl + 1, doses.first().volumeMl + 1);
    }
    if (equal) {
        return tr("%1 x %2 ml at %3")
            .arg(QString::number(doses.size()), DoseGuards::formatMl(doses.first().volumeMl),
                 times.join(QStringLiteral(", ")));
    }
    QStringList each;
    for (int k = 0; k < doses.size(); ++k)
        each << tr("%1 %2 ml").arg(times.at(k), DoseGuards::formatMl(doses.at(k).volumeMl));
    return each.join(QStringLiteral(", "));
}

QString DoseQuestions::quickSetupText(const QVector<DoseGuards::ChannelChange> &changes,
                                      const QStringList &channelNames)
{
    QString rows;
    for (int i = 0; i < changes.size(); ++i) {
        const QStringList before = describe(changes.at(i).before);
        const QStringList after = describe(changes.at(i).after);
        QStringList shownAfter;
        // Line by line, so that a new volume stands out from the times it keeps.
        for (int k = 0; k < after.size(); ++k) {
            const QString line = after.at(k).toHtmlEscaped();
            shownAfter << (before.value(k) == after.at(k) ? line
                                                          : QStringLiteral("<b>%1</b>").arg(line));
        }
        QStringList shownBefore;
        for (const QString &line : before)
            shownBefore << line.toHtmlEscaped();
        rows += QStringLiteral("<tr><td>%1<br>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(tr("Channel %1").arg(i + 1), channelNames.value(i).toHtmlEscaped(),
                         shownBefore.join(kLineBreak), shownAfter.join(kLineBreak));
    }
    return QStringLiteral("<p>%1</p><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">"
                          "<tr><th>%2</th><th>%3</th><th>%4</th></tr>%5</table><p>%6</p>")
        .arg(tr("Setup replaces the whole automatic programme of the master pump. What "
                "changes is in bold.")
                 .toHtmlEscaped(),
             tr("Channel").toHtmlEscaped(), tr("Now").toHtmlEscaped(),
             tr("After Setup").toHtmlEscaped(), rows,
             tr("Write this programme to the pump?").toHtmlEscaped());
}

bool DoseQuestions::confirmQuickSetup(QWidget *parent,
                                      const QVector<DoseGuards::ChannelChange> &changes,
                                      const QStringList &channelNames)
{
    // Cancel is the default: OK replaces the programme the pump has now.
    return MyMessageBox::ask(parent, quickSetupText(changes, channelNames), tr("Write"),
                             tr("Cancel"), true, kPreviewWidth);
}

#pragma once

// The questions the dose pages put before they send a programme the user
// may not have meant: one for channels above their reagent's maximum daily
// dose, and the quick setup's preview of the programme it writes beside the
// one it replaces. Both go through MyMessageBox::ask, and nothing is sent
// unless the user answers OK.

#include "DoseGuards.h"

#include <QCoreApplication>
#include <QStringList>
#include <QVector>

class QWidget;

class DoseQuestions
{
    Q_DECLARE_TR_FUNCTIONS(DoseQuestions)
public:
    // No question, and true, when there is no excess.
    static bool confirmAboveMaximum(QWidget *parent, const QVector<DoseGuards::Excess> &excesses,
                                    const QStringList &channelNames,
                                    const QStringList &reagentNames, double aquariumLitres);
    static QString aboveMaximumText(const QVector<DoseGuards::Excess> &excesses,
                                    const QStringList &channelNames,
                                    const QStringList &reagentNames, double aquariumLitres);

    // The programme now and after the quick setup, channel by channel, what
    // changes in bold.
    static bool confirmQuickSetup(QWidget *parent,
                                  const QVector<DoseGuards::ChannelChange> &changes,
                                  const QStringList &channelNames);
    static QString quickSetupText(const QVector<DoseGuards::ChannelChange> &changes,
                                  const QStringList &channelNames);

private:
    static QStringList describe(const DoseGuards::ChannelSummary &channel);
    static QString describeDoses(const QVector<Overview::Dose> &doses);
};

#pragma once

// The channel names and reagent choices, kept on the PC only: array
// "group_pumps" (entry i is channel i + 1) holds each channel's name and
// its index into the reagent list "group_reagent".

#include <QStringList>
#include <QVector>

class QSettings;

namespace PumpNames {

constexpr int kChannelCount = 4;
// What the name dialog lets a user type.
constexpr int kMaxNameLength = 16;

// Four names; a channel without a stored name has an empty one.
QStringList names(QSettings &settings);
// Rewrites the four "pumps_name" entries; the reagent choices stay.
void setNames(QSettings &settings, const QStringList &names);

// Every "reagent_name" of "group_reagent", in array order.
QStringList reagentNames(QSettings &settings);
// The stored reagent index of each of the four channels, -1 where none is.
QVector<int> reagentIndices(QSettings &settings);
void setReagentIndices(QSettings &settings, const QVector<int> &indices);

} // namespace PumpNames

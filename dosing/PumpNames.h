#pragma once

// The channel names and reagent choices of each pump, kept on the PC only.
// The master (bus address 1) keeps them in the array "group_pumps", as it
// always has; a slave at address N keeps its own in "group_pumps_N". In
// both, entry i is channel i + 1, with "pumps_name" its name and
// "pumps_reagent_index" its index into the reagent list "group_reagent",
// which every pump shares.
//
// A slave entry without a name of its own reads as the master's name of that
// channel behind the slave's display name ("Slave1 Ca"), and one without a
// reagent choice as the master's choice. Reading writes nothing: a slave's
// array appears only when its names or its reagent choices are saved. The
// display name is the one the orchestrator gives the pump and its tabs
// carry; windows hand it in, since nothing here knows them.

#include <QStringList>
#include <QVector>

class QSettings;

namespace PumpNames {

constexpr int kChannelCount = 4;
// What the name dialog lets a user type.
constexpr int kMaxNameLength = 16;
// The pump whose names keep the array without an address.
constexpr int kMasterAddress = 1;

// "group_pumps" for the master, "group_pumps_N" for the slave at address N.
QString groupOf(int address);

// Four names of the pump at address; a master channel without a stored name
// has an empty one. pumpName goes in front of a name a slave takes from the
// master; without it the master's name is taken as it stands.
QStringList names(QSettings &settings, int address, const QString &pumpName = QString());
// Rewrites the pump's four "pumps_name" entries; its reagent choices stay.
void setNames(QSettings &settings, int address, const QStringList &names);

// A slave channel's name before the user names it: the master's name behind
// the pump's, cut to what the dialog takes, so that confirming it unchanged
// stores what the pages showed.
QString derivedName(const QString &pumpName, const QString &masterName);

// Every "reagent_name" of "group_reagent", in array order.
QStringList reagentNames(QSettings &settings);
// The stored reagent index of each of the pump's four channels, -1 where
// none is.
QVector<int> reagentIndices(QSettings &settings, int address);
void setReagentIndices(QSettings &settings, int address, const QVector<int> &indices);

} // namespace PumpNames

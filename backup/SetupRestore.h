#pragma once

// What a restore writes, group by group: each group is what one page's own
// save writes (the dose programme, the intervals, the temperature settings,
// the calibration table, the bottles), taken from the file's image into the
// register image the writes read from. The groups' writes carry both commit
// coils at 0 and the pages' single commit writes are left out: the pump
// takes its new settings the moment it sees a commit coil at 1, so that
// happens once, in a request of its own, after every group is in place.
// Never the clock, the run coils, the password or the boot register.

#include <QString>
#include <QStringList>
#include <QVector>

struct RegisterImage;

namespace SetupRestore {

// The intervals and the temperature settings live in the master only.
constexpr int kMasterAddress = 1;

enum class Group { Programme, Intervals, Temperature, Calibration, Bottles };

// The groups a restore to address writes, in the order it writes them.
QVector<Group> groupsFor(int address);
QString groupName(Group group);

// Copies the group's values from file into shared, both commit coils at 0
// there, and returns the group's writes to address.
QStringList stage(Group group, const RegisterImage &file, RegisterImage &shared, int address);
// Sets both commit coils in shared and returns the one write of them.
QStringList stageCommit(RegisterImage &shared, int address);

struct Cell
{
    enum Table { Coil, HoldingRegister };
    Table table = HoldingRegister;
    int index = 0;
    bool operator==(const Cell &other) const
    {
        return table == other.table && index == other.index;
    }
};

// Every cell the group's writes carry, the commit coils left out: the pump
// clears those itself once it has taken the settings.
QVector<Cell> writtenCells(Group group, int address);

struct Mismatch
{
    Group group = Group::Programme;
    Cell cell;
    int expected = 0;
    int found = 0;
};

// The written cells of groups where the pump, read back after the restore,
// holds something other than the file.
QVector<Mismatch> compare(const QVector<Group> &groups, const RegisterImage &file,
                          const RegisterImage &pump, int address);

} // namespace SetupRestore

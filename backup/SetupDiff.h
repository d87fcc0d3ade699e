#pragma once

// What a restore would change on a pump, in the words of its pages: the
// pump as it is now against the file, section by section (each channel's
// programme, the intervals, the temperature settings, each channel's
// calibration, each bottle, the PC settings), each line one setting that
// differs. Settings that are equal are not listed.

#include "SetupFile.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct RegisterImage;

namespace SetupDiff {

struct Change
{
    QString what;
    QString now; // as the pump (or the PC) holds it
    QString after; // as the file has it
    // "what: now → after", for a line of text.
    QString line() const;
};

struct Section
{
    QString title;
    QVector<Change> changes;
};

QVector<Section> differences(const RegisterImage &pump, const RegisterImage &file, int address,
                             const SetupFile::PcSettings &pcNow,
                             const SetupFile::PcSettings &pcFile);

} // namespace SetupDiff

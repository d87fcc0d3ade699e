#pragma once

#include <QString>

// One Modbus request as text: slave address, function code, image index and
// count in decimal, separated by single spaces ("1 3 0 22"). Writes carry no
// values: they take them from the register image at the given index.
struct CommandString
{
    int slave = 0; // only the low 8 bits reach the wire
    int function = 0;
    int index = 0;
    int count = 0; // not read for functions 5 and 6

    // A field that is missing or not a number counts as 0.
    static CommandString parse(const QString &command);

    static QString format(int slave, int function, int index, int count);
    static QString format(int slave, int function, int index);
};

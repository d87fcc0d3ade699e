#include "CommandString.h"

#include <QStringList>

CommandString CommandString::parse(const QString &command)
{
    const QStringList fields = command.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    const auto field = [&fields](int i) {
        return i < fields.size() ? fields.at(i).toInt(nullptr, 10) : 0;
    };
    CommandString parsed;
    parsed.slave = field(0);
    parsed.function = field(1);
    parsed.index = field(2);
    if (parsed.function != 5 && parsed.function != 6)
        parsed.count = field(3);
    return parsed;
}

QString CommandString::format(int slave, int function, int index, int count)
{
    return QStringLiteral("%1 %2 %3 %4").arg(slave).arg(function).arg(index).arg(count);
}

QString CommandString::format(int slave, int function, int index)
{
    return QStringLiteral("%1 %2 %3").arg(slave).arg(function).arg(index);
}

#include "FirmwareVersions.h"

#include "RegisterImage.h"

namespace FirmwareVersions {

QString appVersion(const RegisterImage &image)
{
    const int v = image.inputRegisters[kAppVersionRegister];
    return QStringLiteral("%1.%2.%3").arg(v >> 12).arg((v >> 8) & 0xF).arg(v & 0xFF);
}

QString build(const RegisterImage &image)
{
    return QString::number(image.inputRegisters[kBuildRegister] + kBuildOffset);
}

} // namespace FirmwareVersions

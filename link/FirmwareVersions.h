#pragma once

// The firmware versions a pump reports in its input registers after a full
// read: the application version packed as 4 + 4 + 8 bits, and a build
// number the user sees with a fixed offset added.

#include <QString>

struct RegisterImage;

namespace FirmwareVersions {

constexpr int kAppVersionRegister = 29;
constexpr int kBuildRegister = 30;
constexpr int kBuildOffset = 200000;

// "major.minor.patch" from register 29: bits 15..12, 11..8 and 7..0.
QString appVersion(const RegisterImage &image);
// Register 30 plus the offset, in decimal.
QString build(const RegisterImage &image);

} // namespace FirmwareVersions

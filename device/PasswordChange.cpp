#include "PasswordChange.h"

#include "CommandString.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"

namespace PasswordChange {

QStringList readCommands()
{
    return {CommandString::format(kSlave, Modbus::ReadHoldingRegisters, kLengthRegister,
                                  kRegisterCount)};
}

QStringList writeCommands()
{
    return {CommandString::format(kSlave, Modbus::WriteMultipleRegisters, kLengthRegister,
                                  kRegisterCount),
            CommandString::format(kSlave, Modbus::WriteSingleCoil, kCommitCoil)};
}

bool matchesDevice(const RegisterImage &image, const QByteArray &typed)
{
    const int length = image.holdingRegisters[kLengthRegister];
    return typed.size() == length && length <= kMaxLength && devicePassword(image) == typed;
}

QByteArray devicePassword(const RegisterImage &image)
{
    const int length = image.holdingRegisters[kLengthRegister];
    if (length < 0 || length > kMaxLength)
        return {};
    QByteArray characters;
    for (int k = 0; k < kMaxLength / 2; ++k) {
        const int value = image.holdingRegisters[kFirstCharacterRegister + k];
        characters.append(static_cast<char>((value >> 8) & 0xFF));
        characters.append(static_cast<char>(value & 0xFF));
    }
    return characters.left(length);
}

Check check(const RegisterImage &image, const QByteArray &oldPassword,
            const QByteArray &newPassword, const QByteArray &confirmation)
{
    const int length = image.holdingRegisters[kLengthRegister];
    if (length < 0 || length > kMaxLength || oldPassword.size() != length ||
        oldPassword != devicePassword(image))
        return Check::OldPasswordWrong;
    if (newPassword != confirmation)
        return Check::PasswordsDiffer;
    if (newPassword.size() > kMaxLength)
        return Check::TooLong;
    if (newPassword.isEmpty())
        return Check::Empty;
    return Check::Passed;
}

bool isAscii(const QString &password)
{
    for (const QChar c : password) {
        if (c.unicode() > 0x7F)
            return false;
    }
    return true;
}

void pack(RegisterImage &image, const QByteArray &password)
{
    image.holdingRegisters[kLengthRegister] = password.size();
    QByteArray bytes = password;
    if (bytes.size() % 2 != 0)
        bytes.append(kOddFiller);
    // Never past register 164, whatever the caller checked.
    for (int k = 0; k + 1 < bytes.size() && k < kMaxLength; k += 2) {
        const int high = static_cast<uchar>(bytes.at(k));
        const int low = static_cast<uchar>(bytes.at(k + 1));
        image.holdingRegisters[kFirstCharacterRegister + k / 2] = high * 256 + low;
    }
    image.coils[kCommitCoil] = 1;
}

} // namespace PasswordChange

#pragma once

// Changing the device password: the pump keeps it in holding registers 161
// (length) and 162..164 (up to six characters, two per register, high byte
// first) of the master. The dialog reads them, checks what the user typed
// against them here, packs the new password into the register image and
// writes it back, then sets the commit coil.

#include <QByteArray>
#include <QString>
#include <QStringList>

struct RegisterImage;

namespace PasswordChange {

constexpr int kSlave = 1;
constexpr int kLengthRegister = 161;
constexpr int kFirstCharacterRegister = 162;
constexpr int kRegisterCount = 4; // 161..164
constexpr int kMaxLength = 6;
// Written with 1 after the new password, so that the pump keeps it.
constexpr int kCommitCoil = 34;
// Fills the last register when the length is odd.
constexpr char kOddFiller = '0';

// The checks in the order they are made; each failure has its prompt.
enum class Check {
    Passed = 0,
    OldPasswordWrong = 13,
    PasswordsDiffer = 14,
    TooLong = 15,
    Empty = 16,
};

// Reads the password registers.
QStringList readCommands();
// Writes them, then the commit coil.
QStringList writeCommands();

// The characters the pump holds, as many as its length register says (at
// most six; nothing when the length is out of range).
QByteArray devicePassword(const RegisterImage &image);

// The login's test: typed holds exactly the characters the pump holds (an
// empty entry matches a pump whose length register is 0).
bool matchesDevice(const RegisterImage &image, const QByteArray &typed);

// First failing check, in the order 13, 14, 15, 16.
Check check(const RegisterImage &image, const QByteArray &oldPassword,
            const QByteArray &newPassword, const QByteArray &confirmation);

// The pump's registers hold single bytes that the login reads back
// unsigned: only characters up to 0x7F survive the round trip.
bool isAscii(const QString &password);

// Puts the length and the characters into the image, and the commit coil
// to 1. Registers past the new length keep their values.
void pack(RegisterImage &image, const QByteArray &password);

} // namespace PasswordChange

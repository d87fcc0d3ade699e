#pragma once

// The pump's boot loader: short ASCII commands, and the image exchanged in
// XMODEM-CRC blocks of 128 bytes. Every send is tagged with the command
// character it stands for; the reply that follows is judged under that tag.

#include <QByteArray>

namespace Boot {

constexpr int kBlockSize = 128;
constexpr int kBlockFrameSize = 3 + kBlockSize + 2; // SOH, number, complement, data, CRC

constexpr char kSoh = 0x01;
constexpr char kEot = 0x04;
constexpr char kAck = 0x06;
constexpr char kCommandAccepted = static_cast<char>(0x80);
constexpr char kReadyToReceive = 'C';

enum Tag {
    TagEndOfTransmission = 4,
    TagConnect = '#',
    TagBlockReceived = 'B',
    TagBlockSent = 'C',
    TagStart = 'G',
    TagErase = 'I',
    TagRead = 'R',
    TagWrite = 'S',
    TagSwitchToBoot = 'Z',
};

enum Status {
    StatusAccepted = 0,
    StatusRejected = 2,
    StatusNoReply = 400,
};

// One XMODEM-CRC block: SOH, block number, its complement, the data and the
// CRC-16/XMODEM of the data, high byte first.
QByteArray buildBlock(int blockNumber, const char *data, int length);

} // namespace Boot

#pragma once

// The pump's boot loader: short ASCII commands, and the image exchanged in
// XMODEM-CRC blocks of 128 bytes. Every send is tagged with the command
// character it stands for; the reply that follows is judged under that tag.
// The command queue keeps its boot commands as text ("73 4096 996": tag and
// up to two arguments in decimal); encodeCommand turns one into the bytes
// the boot loader reads (I1000,3e4#) and the time its answer may take.

#include <QByteArray>
#include <QMetaType>
#include <QString>

#include <optional>

namespace Boot {

constexpr int kBlockSize = 128;
constexpr int kBlockFrameSize = 3 + kBlockSize + 2; // SOH, number, complement, data, CRC

constexpr char kSoh = 0x01;
constexpr char kEot = 0x04;
constexpr char kAck = 0x06;
constexpr char kCommandAccepted = static_cast<char>(0x80);
constexpr char kReadyToReceive = 'C';
// Sent by the boot loader when it starts, answered with kHandshake.
constexpr char kBootStarted = '<';
constexpr char kHandshake = '>';
// Fills the image up to a whole number of blocks.
constexpr char kPadding = 0x1A;

// How long the boot loader may take to answer; erasing the flash takes longer.
constexpr int kReplyTimeoutMs = 400;
constexpr int kEraseTimeoutMs = 2000;
// From the switch request to the boot loader's '<'. The request is a Modbus
// write, so its echo may take a Modbus response time; the restart into the
// boot loader and its '<' follow within milliseconds. A pump that has not
// announced itself by then did not take the switch.
constexpr int kSwitchTimeoutMs = 2400;

// Where the application starts in the pump's flash, and the last flash page
// the erase reaches: 996 keeps the setting information, 1012 erases it too.
constexpr int kApplicationAddress = 0x1000;
constexpr int kEraseEndPage = 996;
constexpr int kEraseAllEndPage = 1012;

// Holding register 160 of the master, written with this value, makes the
// running application restart into its boot loader.
constexpr int kSwitchSlave = 1;
constexpr int kSwitchRegister = 160;
constexpr quint16 kSwitchValue = 0x9B47;

enum Tag {
    TagEndOfTransmission = 4,
    TagConnect = '#',
    TagBlockReceived = 'B',
    TagBlockSent = 'C',
    TagStart = 'G',
    TagH = 'H',
    TagErase = 'I',
    TagN = 'N',
    TagO = 'O',
    TagRead = 'R',
    TagWrite = 'S',
    TagT = 'T',
    TagV = 'V',
    TagW = 'W',
    TagSwitchToBoot = 'Z',
    TagLowerH = 'h',
    TagLowerO = 'o',
    TagLowerW = 'w',
};

enum Status {
    StatusAccepted = 0,
    StatusRejected = 2,
    StatusNoReply = 400,
};

// What an upgrade step ends with, as the page hears it.
enum Result {
    ResultConnected = 1,
    ResultErased = 3,
    ResultDownloaded = 5,
    ResultDownloadFailed = 6,
    ResultVerified = 7,
    ResultVerifyFailed = 8,
    ResultCommandFailed = 9,
};

// The steps the upgrade page asks for, one at a time. They cross to the link
// thread as the int of a queued signal; stepAction() gives that int.
enum class UpgradeStep {
    SwitchToBoot = 0,
    Connect = 1,
    Erase = 2,
    Download = 3,
    Verify = 4,
};

constexpr int stepAction(UpgradeStep step)
{
    return static_cast<int>(step);
}

// Why a step ended in a failed result, for the log and for the user. It
// goes out just before the result it explains.
struct Failure
{
    enum class Reason {
        None,
        // A command went out attempts times and was never answered.
        NoAnswer,
        // A command was answered, attempts times, but never accepted.
        Refused,
        // The pump answered the switch with something other than its '<'.
        NotBootLoader,
        // Block `block` went out attempts times; refusals of them were
        // refused, the others went unanswered.
        BlockFailed,
        // During the read-back, block `block` came bad or not at all
        // attempts times; refusals of them came bad.
        ReadBlockFailed,
        // The read-back differs from the image, first in block `block`.
        Mismatch,
        // The step needs an image and none is loaded.
        NoImage,
        // Another batch or step held the queue, or the link was down.
        LinkBusy,
        // The link went away in the middle of the step.
        LinkLost,
    };

    // The upgrade steps, and the start of the application that follows a
    // good verification.
    enum class Step { SwitchToBoot, Connect, Erase, Download, Verify, StartApplication };

    Step step = Step::Connect;
    Reason reason = Reason::None;
    int block = 0;
    int attempts = 0;
    int refusals = 0;
};

// One line in English for the log.
QString describe(const Failure &failure);

// One XMODEM-CRC block: SOH, block number, its complement, the data and the
// CRC-16/XMODEM of the data, high byte first.
QByteArray buildBlock(int blockNumber, const char *data, int length);

// The image padded with kPadding up to a whole number of blocks.
QByteArray padImage(const QByteArray &image);
int blockCount(int imageSize);

// A boot command as the queue keeps it: "tag", "tag a" or "tag a b".
QString command(int tag);
QString command(int tag, int argument);
QString command(int tag, int first, int second);

struct EncodedCommand
{
    QByteArray bytes;
    int timeoutMs = kReplyTimeoutMs;
};

// The bytes of a command string; nothing for a tag the boot loader lacks.
std::optional<EncodedCommand> encodeCommand(const QString &command);

// Judges each reply under the tag of what was sent: StatusAccepted or
// StatusRejected. Keeps the counters of the verification, where the pump
// sends the image back block by block: the 'R' reply resets them.
class ReplyJudge
{
public:
    int judge(int tag, const QByteArray &reply);
    void setBlocksExpected(int blocks) { m_blocksExpected = blocks; }
    int blocksExpected() const { return m_blocksExpected; }
    int blocksReceived() const { return m_blocksReceived; }
    quint8 expectedBlock() const { return m_expectedBlock; }

private:
    int judgeBlock(const QByteArray &reply);

    quint8 m_expectedBlock = 1;
    int m_blocksReceived = 0;
    int m_blocksExpected = 0;
};

// How many bytes of buffer make the complete reply to what was sent under
// tag, or 0 while it is still on its way: a block from the pump is 133
// bytes and may arrive in pieces; every other reply is what has come.
int replyLength(int tag, const QByteArray &buffer);

} // namespace Boot

Q_DECLARE_METATYPE(Boot::Failure)

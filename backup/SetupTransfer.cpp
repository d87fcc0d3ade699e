#include "SetupTransfer.h"

#include "BatchStart.h"
#include "CommSend.h"
#include "UiOperate.h"

#include <QDateTime>

namespace {

// Reported when another batch held the queue as the next one was due; no
// Modbus status, since nothing was sent.
constexpr int kStatusQueueBusy = -1;

} // namespace

SetupTransfer::SetupTransfer(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<SetupTransfer::Outcome>();
    if (CommSend *queue = CommSend::instance()) {
        connect(this, &SetupTransfer::transmission, queue, &CommSend::transmission,
                Qt::QueuedConnection);
        // Delivered in this thread; only the batches of a run of ours count.
        connect(queue, &CommSend::requestProgress, this, [this](int done, int) {
            if (m_step != Step::Idle)
                Q_EMIT progress(m_requestsDone + done, m_requestsInAll);
        });
    }
}

bool SetupTransfer::send(const QStringList &commands, Step step)
{
    if (!BatchStart::begin(commands, this))
        return false;
    m_step = step;
    m_batchSize = commands.size();
    Q_EMIT transmission();
    return true;
}

bool SetupTransfer::startBackup(int address, const SetupFile::PcSettings &pc)
{
    if (isRunning())
        return false;
    m_address = address;
    m_pc = pc;
    m_requestsDone = 0;
    m_requestsInAll = UiOperate::fullReadCommands(address).size();
    return send(UiOperate::fullReadCommands(address), Step::BackupRead);
}

bool SetupTransfer::startRestoreRead(const SetupFile::Setup &file, int address)
{
    if (isRunning())
        return false;
    m_address = address;
    m_fileSetup = file;
    m_file = RegisterImage();
    SetupFile::toImage(file, m_file);
    m_targetRead = false;
    m_groups = SetupRestore::groupsFor(address);
    m_requestsDone = 0;
    m_requestsInAll = UiOperate::fullReadCommands(address).size();
    return send(UiOperate::fullReadCommands(address), Step::TargetRead);
}

bool SetupTransfer::startRestoreWrites()
{
    if (isRunning() || !m_targetRead || !BatchStart::isIdle())
        return false;
    m_written.clear();
    m_mismatches.clear();
    m_status = 0;
    m_requestsDone = 0;
    RegisterImage scratch;
    m_requestsInAll = 0;
    for (SetupRestore::Group group : qAsConst(m_groups))
        m_requestsInAll += SetupRestore::stage(group, m_file, scratch, m_address).size();
    m_requestsInAll += SetupRestore::stageCommit(scratch, m_address).size() +
        UiOperate::fullReadCommands(m_address).size();
    sendGroup();
    return true;
}

void SetupTransfer::sendGroup()
{
    const SetupRestore::Group group = m_groups.at(m_written.size());
    // The queue is idle between our batches, so the register image the
    // writes read from is ours to fill.
    const QStringList commands =
        SetupRestore::stage(group, m_file, *RegisterImage::shared(), m_address);
    if (!send(commands, Step::Group)) {
        m_status = kStatusQueueBusy;
        finishRestore(Outcome::WriteFailed);
    }
}

QVector<SetupRestore::Group> SetupTransfer::notWritten() const
{
    return m_groups.mid(m_written.size());
}

void SetupTransfer::finishRestore(Outcome outcome)
{
    m_step = Step::Idle;
    m_outcome = outcome;
    Q_EMIT restoreFinished(outcome);
}

void SetupTransfer::operateSuccess()
{
    const Step step = m_step;
    m_step = Step::Idle;
    m_requestsDone += m_batchSize;
    Q_EMIT progress(m_requestsDone, m_requestsInAll);
    switch (step) {
    case Step::Idle:
        return;
    case Step::BackupRead: {
        RegisterImage image;
        image.copyReadRangesFrom(*RegisterImage::shared());
        m_setup = SetupFile::fromPump(image, m_address, m_pc, QDateTime::currentDateTime());
        Q_EMIT readFinished(true);
        return;
    }
    case Step::TargetRead:
        m_target = RegisterImage();
        m_target.copyReadRangesFrom(*RegisterImage::shared());
        m_targetRead = true;
        Q_EMIT readFinished(true);
        return;
    case Step::Group:
        m_written.append(m_groups.at(m_written.size()));
        if (m_written.size() < m_groups.size()) {
            sendGroup();
            return;
        }
        if (!send(SetupRestore::stageCommit(*RegisterImage::shared(), m_address), Step::Commit)) {
            m_status = kStatusQueueBusy;
            finishRestore(Outcome::CommitFailed);
        }
        return;
    case Step::Commit:
        if (!send(UiOperate::fullReadCommands(m_address), Step::CheckRead)) {
            m_status = kStatusQueueBusy;
            finishRestore(Outcome::ReadBackFailed);
        }
        return;
    case Step::CheckRead: {
        RegisterImage pump;
        pump.copyReadRangesFrom(*RegisterImage::shared());
        m_target = pump;
        m_mismatches = SetupRestore::compare(m_groups, m_file, pump, m_address);
        finishRestore(m_mismatches.isEmpty() ? Outcome::Restored : Outcome::Differs);
        return;
    }
    }
}

void SetupTransfer::operateFailure(int status)
{
    const Step step = m_step;
    m_step = Step::Idle;
    m_status = status;
    switch (step) {
    case Step::Idle:
        return;
    case Step::BackupRead:
    case Step::TargetRead:
        m_targetRead = false;
        Q_EMIT readFinished(false);
        return;
    case Step::Group:
        finishRestore(Outcome::WriteFailed);
        return;
    case Step::Commit:
        finishRestore(Outcome::CommitFailed);
        return;
    case Step::CheckRead:
        finishRestore(Outcome::ReadBackFailed);
        return;
    }
}

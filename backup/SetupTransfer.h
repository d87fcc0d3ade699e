#pragma once

// Runs a backup or a restore of one pump through the command queue, batch
// by batch, on the GUI thread:
//   backup:  the start-up read of the pump -> setup() holds the file's content;
//   restore: the start-up read of the target (what would change is known
//            from it), then, once the caller has asked the user, one batch
//            per group, one commit, and the start-up read again, compared
//            with the file register by register.
// A failed batch ends the run; the result names the groups written before
// it, so the user knows what a second restore has left to do.

#include "CommBackOperate.h"
#include "RegisterImage.h"
#include "SetupFile.h"
#include "SetupRestore.h"

#include <QObject>
#include <QVector>

class SetupTransfer : public QObject, public CommBackOperate
{
    Q_OBJECT
public:
    enum class Outcome {
        Restored, // every written register holds the file's value
        ReadFailed, // the target could not be read; nothing was written
        WriteFailed, // a group's batch failed; see written() and notWritten()
        CommitFailed, // every group written, the commit not confirmed
        ReadBackFailed, // written and committed, the check read failed
        Differs, // the check read found registers unlike the file
    };
    Q_ENUM(Outcome)

    explicit SetupTransfer(QObject *parent = nullptr);

    bool isRunning() const { return m_step != Step::Idle; }

    // Reads the pump at address whole; readFinished() follows. False, with
    // nothing sent, while the queue or this object is busy.
    bool startBackup(int address, const SetupFile::PcSettings &pc);
    // The backup of the last successful startBackup().
    const SetupFile::Setup &setup() const { return m_setup; }

    // Reads the target of a restore; readFinished() follows, and then
    // targetImage() holds the pump as it is now.
    bool startRestoreRead(const SetupFile::Setup &file, int address);
    const RegisterImage &targetImage() const { return m_target; }
    const RegisterImage &fileImage() const { return m_file; }

    // Writes the groups of the target address, commits and checks them;
    // restoreFinished() follows. Only after a successful startRestoreRead.
    bool startRestoreWrites();

    Outcome outcome() const { return m_outcome; }
    int failedStatus() const { return m_status; }
    QVector<SetupRestore::Group> written() const { return m_written; }
    QVector<SetupRestore::Group> notWritten() const;
    QVector<SetupRestore::Mismatch> mismatches() const { return m_mismatches; }

    // Requests of the run so far and in all, for a progress bar.
    int requestsDone() const { return m_requestsDone; }
    int requestsInAll() const { return m_requestsInAll; }

    void operateSuccess() override;
    void operateFailure(int status) override;

Q_SIGNALS:
    void transmission();
    void progress(int done, int inAll);
    void readFinished(bool ok);
    void restoreFinished(SetupTransfer::Outcome outcome);

private:
    enum class Step { Idle, BackupRead, TargetRead, Group, Commit, CheckRead };

    bool send(const QStringList &commands, Step step);
    void sendGroup();
    void finishRestore(Outcome outcome);

    Step m_step = Step::Idle;
    int m_address = 0;
    SetupFile::PcSettings m_pc;
    SetupFile::Setup m_setup;
    SetupFile::Setup m_fileSetup;
    RegisterImage m_file;
    RegisterImage m_target;
    bool m_targetRead = false;
    QVector<SetupRestore::Group> m_groups;
    QVector<SetupRestore::Group> m_written;
    QVector<SetupRestore::Mismatch> m_mismatches;
    Outcome m_outcome = Outcome::Restored;
    int m_status = 0;
    int m_requestsDone = 0; // in the batches before the running one
    int m_requestsInAll = 0;
    int m_batchSize = 0;
};

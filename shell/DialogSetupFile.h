#pragma once

#include "SetupTransfer.h"
#include "ui_DialogSetupFile.h"

#include <QDialog>
#include <QVector>

class DialogWaiting;

// Backup and restore of one pump's setup. Backup reads the chosen pump whole
// and saves it in a file. Restore checks the file before anything is sent,
// reads the chosen pump, lists what would change, and writes only when the
// user presses Restore; the pump is then read again and compared.
class DialogSetupFile : public QDialog
{
    Q_OBJECT
public:
    enum class Mode { Backup, Restore };

    struct Pump
    {
        QString name;
        int address = 0;
    };

    DialogSetupFile(Mode mode, const QVector<Pump> &pumps, QWidget *parent = nullptr);

    // Preselects the pump at address, when it is offered.
    void choosePump(int address);

    // Whether a backup was saved in a file while the dialog was open.
    bool saved() const { return m_saved; }

    // The pump as read back after the last restore.
    const RegisterImage &readBack() const { return m_transfer.targetImage(); }

Q_SIGNALS:
    // After a restore the pump holds new settings: pages showing it must
    // take them from readBack().
    void restored(int address);

private:
    void browse();
    void startBackup();
    void compare();
    void startRestore();
    void backupRead(bool ok);
    void targetRead(bool ok);
    void restoreFinished(SetupTransfer::Outcome outcome);
    void showProgress(int done, int inAll);
    void setBusy(bool busy);
    void showResult(const QString &text);
    void showChanges();
    // The file as typed, with the suffix added when it is missing.
    QString filePath() const;
    Pump chosenPump() const;
    // Asks about a file made from another address or firmware; true to go on.
    bool acceptOrigin();

    Ui::DialogSetupFile m_ui;
    Mode m_mode;
    QVector<Pump> m_pumps;
    SetupTransfer m_transfer;
    DialogWaiting *m_waiting;
    SetupFile::Setup m_file;
    bool m_compared = false;
    bool m_saved = false;
};

#pragma once

// The "Firmware Upgrade" page. It shows the master pump's firmware versions
// as the last read stored them. The user picks a firmware file, which is
// checked, and presses Upgrade; after the user confirms, the page chains the
// boot loader's steps through the command queue (connect, erase, download,
// verify), logs each result and shows the blocks done. A pump that does not
// answer the connect runs its application: with the user's consent the page
// switches it into its boot loader and connects again. A failure names its
// step and reason, and keeps the file for another try. The main window
// keeps the link in boot mode while the page is in use.

#include "BootProtocol.h"

#include <QFile>
#include <QWidget>

#include "ui_FirmwareUpgrade.h"
#include <functional>

class FirmwareUpgrade : public QWidget
{
    Q_OBJECT
public:
    // Failed: a step failed; the file is still loaded, so Upgrade tries
    // again, and another file may be chosen.
    enum class State { Ready, FileLoaded, Running, Failed };

    explicit FirmwareUpgrade(QWidget *parent = nullptr);

    void showToolTips();
    void clearToolTips();
    State state() const { return m_state; }

    // Whether an upgrade that erases the settings first offers a backup of
    // the master's; not while the pump waits in its boot loader, where it
    // reads nothing.
    void setBackupOffered(bool offered) { m_backupOffered = offered; }

    // Test seam: with a chooser set, File asks it for the path instead of
    // showing the file dialog. The product never sets one.
    using FileChooser = std::function<QString(QWidget *parent)>;
    static void setFileChooser(FileChooser chooser);

Q_SIGNALS:
    void upgradeAction(int action);

public Q_SLOTS:
    void upgradeReturnAcction(int code);
    void upgradeReturnFailure(const Boot::Failure &failure);
    void upgradeReturnProgress(int block);
    void btnSelectFile_Clicked();
    void btnConnect_Clicked();
    void cbEraseAll_StateChanged(int state);
    // Not on the form: the steps one by one.
    void btnUpgrade_Clicked();
    void btnErase_Clicked();
    void btnPromgram_Clicked();
    void btnVerify_Clicked();
    void btnClear_Clicked();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void showState(State state);
    void appendLog(const QString &line);
    // Takes the idle queue and asks for the step; false when it is busy.
    bool requestStep(Boot::UpgradeStep step);
    void finish(const QString &line);
    // Ends a run that failed: the result line, then why, in the log and in
    // a warning.
    void fail(const QString &line);
    // Before a run: the user confirms the file and the pump, and erasing
    // the settings again when asked to.
    bool confirmUpgrade();
    // After the erase was confirmed: a backup first, if the user wants one;
    // false when the upgrade is called off.
    bool offerBackup();
    // The connect went unanswered: the pump may run its application. True
    // when the user agreed and the switch into the boot loader is on its way.
    bool switchIntoBootLoader();
    void showVersions();
    void refuseFile(const QString &message);
    QString failureText(const Boot::Failure &failure) const;

    Ui::FirmwareUpgrade m_ui;
    State m_state = State::Ready;
    bool m_backupOffered = true;
    QString m_path;
    QFile m_file;
    // Why the step in flight failed, told just before its result.
    Boot::Failure m_failure;
    // The run has already tried the switch into the boot loader.
    bool m_switchTried = false;
};

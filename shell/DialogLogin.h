#pragma once

// The first window of each login cycle. Its construction starts the link:
// it creates the register image, the command queue and its worker thread.
// Confirm reads the pump's password registers and compares them with what
// was typed; Upgrade goes straight to the firmware page.

#include "CommBackOperate.h"

#include "ui_DialogLogin.h"
#include <QDialog>

class CommSend;
class QThread;

class DialogLogin : public QDialog, public CommBackOperate
{
    Q_OBJECT
public:
    explicit DialogLogin(QWidget *parent = nullptr);
    ~DialogLogin() override;

    // 0: log in and read the pumps; 1: firmware upgrade only.
    int launchMode() const { return m_upgradeChosen ? 1 : 0; }
    bool upgradeChosen() const { return m_upgradeChosen; }

    void operateSuccess() override;
    void operateFailure(int status) override;

    // True when typed matches the password held in the register image.
    static bool matchesDevicePassword(const QByteArray &typed);

Q_SIGNALS:
    void transmission();
    void finished();
    void started();

public Q_SLOTS:
    void recieveData(int status);
    void btnCancel_Clicked();
    void btnConfirm_Clicked();
    void btnUpgrade_Clicked();
    void btnNetSetup_Clicked();
    void cBoxSave_StateChanged(int state);

protected:
    void changeEvent(QEvent *event) override;

private:
    int linkState() const;

    Ui::DialogLogin m_ui;
    QThread *m_thread;
    CommSend *m_queue;
    bool m_upgradeChosen = false;
    bool m_awaitingReply = false;
};

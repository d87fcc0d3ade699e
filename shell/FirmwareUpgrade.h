#pragma once

// The "Firmware Upgrade" page. The user picks a firmware file and presses
// Upgrade; the page then chains the boot loader's steps through the command
// queue (connect, erase, download, verify), logs each result and shows the
// blocks done. The main window keeps the link in boot mode while the page
// is in use.

#include "BootProtocol.h"

#include <QFile>
#include <QWidget>

#include "ui_FirmwareUpgrade.h"
#include <functional>

class FirmwareUpgrade : public QWidget
{
    Q_OBJECT
public:
    enum class State { Ready, FileLoaded, Running };

    explicit FirmwareUpgrade(QWidget *parent = nullptr);

    void showToolTips();
    void clearToolTips();
    State state() const { return m_state; }

    // Test seam: with a chooser set, File asks it for the path instead of
    // showing the file dialog. The product never sets one.
    using FileChooser = std::function<QString(QWidget *parent)>;
    static void setFileChooser(FileChooser chooser);

Q_SIGNALS:
    void upgradeAction(int action);

public Q_SLOTS:
    void upgradeReturnAcction(int code);
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

private:
    void showState(State state);
    void appendLog(const QString &line);
    // Takes the idle queue and asks for the step; false when it is busy.
    bool requestStep(Boot::UpgradeStep step);
    void finish(const QString &line);

    Ui::FirmwareUpgrade m_ui;
    State m_state = State::Ready;
    QString m_path;
    QFile m_file;
};

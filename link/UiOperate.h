#pragma once

// The part of a login cycle between the login and the end of the main
// window's loop: writes the first-run defaults, reads every pump in use (23
// requests each, master first), keeps one device image per pump, creates the
// main window and hands each pump to it, then routes every batch outcome of
// the queue to the callback that asked for it. While it reads, it turns the
// queue's progress through each pump's batch into progress over the whole
// read-out. A pump that did not answer can be read again on the user's
// request, alone, with the same requests, once no other batch runs.

#include "CommBackOperate.h"

#include <QObject>
#include <QStringList>
#include <QVector>

#include <functional>

class DeviceHost;
struct RegisterImage;

class UiOperate : public QObject, public CommBackOperate
{
    Q_OBJECT
public:
    using HostFactory = std::function<DeviceHost *()>;

    static constexpr int kWindowWidth = 900;
    static constexpr int kWindowHeight = 600;

    explicit UiOperate(HostFactory createMainWindow, QObject *parent = nullptr);
    ~UiOperate() override;

    // 0 while starting, 1 once the main window is shown, -1 when the master
    // did not answer.
    int launchState() const { return m_launchState; }
    DeviceHost *mainWindow() const { return m_mainWindow; }
    const QVector<RegisterImage *> &deviceImages() const { return m_deviceImages; }

    // The 23 requests that read one pump whole.
    static QStringList fullReadCommands(int address);

    void operateSuccess() override;
    void operateFailure(int status) override;

Q_SIGNALS:
    void command(int type);
    void transmisson();
    void launchStateChanged(int state);
    // During the read-out after login: pump is being read, and done of the
    // total requests of every pump in use are over.
    void readOutProgress(const QString &pump, int done, int total);

public Q_SLOTS:
    void recieveData(int status);
    void readAllData(int address);
    void startLaunch(int mode);
    // Reads the pump handed over as tab again, alone; false, with nothing
    // sent, while another batch runs.
    bool retryDevice(int tab);

private:
    bool addDevice(const QString &name, bool online);
    void createMainWindow(int mode);
    void showMainWindow();
    void storeFirmwareVersions();
    // The name the pump being read is handed over with when it answers.
    QString currentName() const;
    void followReadOut(int done, int total);
    void finishRetry(bool answered);

    HostFactory m_createMainWindow;
    DeviceHost *m_mainWindow = nullptr;
    int m_launchState = 0;
    int m_readStep = 0;
    int m_currentDevice = 0;
    int m_launchMode = 0;
    QVector<int> m_deviceInUse;
    QVector<int> m_deviceAddress;
    QVector<RegisterImage *> m_deviceImages;
    // Bus address of each pump handed over, by tab.
    QVector<int> m_tabAddresses;
    // The tab whose pump is being read again, -1 when none.
    int m_retryTab = -1;
};

#pragma once

// The part of a login cycle between the login and the end of the main
// window's loop: writes the first-run defaults, reads every pump in use (23
// requests each, master first), keeps one device image per pump, creates the
// main window and hands each pump to it, then routes every batch outcome of
// the queue to the callback that asked for it.

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

public Q_SLOTS:
    void recieveData(int status);
    void readAllData(int address);
    void startLaunch(int mode);

private:
    bool addDevice(const QString &name, bool online);
    void createMainWindow(int mode);
    void showMainWindow();
    void storeFirmwareVersions();

    HostFactory m_createMainWindow;
    DeviceHost *m_mainWindow = nullptr;
    int m_launchState = 0;
    int m_readStep = 0;
    int m_currentDevice = 0;
    int m_launchMode = 0;
    QVector<int> m_deviceInUse;
    QVector<int> m_deviceAddress;
    QVector<RegisterImage *> m_deviceImages;
};

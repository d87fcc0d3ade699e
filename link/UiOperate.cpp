#include "UiOperate.h"

#include "AppSettings.h"
#include "BatchOutcome.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "CommandString.h"
#include "DeviceHost.h"
#include "FirmwareVersions.h"
#include "ModbusCodec.h"
#include "RegisterImage.h"

#include <QDateTime>
#include <QDebug>

namespace {
// The most the full read asks for in one request.
constexpr int kFullReadChunk = 22;

// Reads count items of one table from index 0, kFullReadChunk at a time.
void appendChunkedRead(QStringList &commands, int address, int function, int count)
{
    for (int index = 0; index < count; index += kFullReadChunk)
        commands << CommandString::format(address, function, index,
                                          qMin(kFullReadChunk, count - index));
}
} // namespace

DeviceHost::~DeviceHost() = default;

UiOperate::UiOperate(HostFactory createMainWindow, QObject *parent)
    : QObject(parent)
    , m_createMainWindow(std::move(createMainWindow))
{
    QSettings &settings = AppSettings::store();
    if (AppSettings::isFirstRun(settings))
        AppSettings::writeClientDefaults(settings);

    auto *master = new RegisterImage;
    RegisterImage::setWorking(master);
    m_deviceImages.append(master);

    m_deviceInUse.append(1);
    m_deviceAddress.append(1);
    const int slaves = settings.beginReadArray(QLatin1String(AppSettings::kGroupSlaves));
    for (int i = 0; i < slaves; ++i) {
        settings.setArrayIndex(i);
        m_deviceInUse.append(settings.value(QLatin1String(AppSettings::kSlaveOnOff)).toInt());
        m_deviceAddress.append(settings.value(QLatin1String(AppSettings::kSlaveAddress)).toInt());
    }
    settings.endArray();

    CommSend *queue = CommSend::instance();
    connect(this, &UiOperate::transmisson, queue, &CommSend::transmission, Qt::QueuedConnection);
    connect(queue, &CommSend::returnStatus, this, &UiOperate::recieveData);
    connect(queue, &CommSend::requestProgress, this, &UiOperate::followReadOut);
}

UiOperate::~UiOperate()
{
    delete m_mainWindow;
    if (RegisterImage::working() == m_deviceImages.value(0))
        RegisterImage::setWorking(nullptr);
    qDeleteAll(m_deviceImages);
}

QStringList UiOperate::fullReadCommands(int address)
{
    QStringList commands;
    appendChunkedRead(commands, address, Modbus::ReadCoils, RegisterImage::kReadCoilCount);
    appendChunkedRead(commands, address, Modbus::ReadDiscreteInputs,
                      RegisterImage::kReadDiscreteInputCount);
    appendChunkedRead(commands, address, Modbus::ReadHoldingRegisters,
                      RegisterImage::kReadHoldingRegisterCount);
    appendChunkedRead(commands, address, Modbus::ReadInputRegisters,
                      RegisterImage::kReadInputRegisterCount);
    return commands;
}

void UiOperate::recieveData(int status)
{
    BatchOutcome::route(*CommSend::instance(), status);
    qDebug().noquote() << QStringLiteral("retValue:%1").arg(status);
}

void UiOperate::readAllData(int address)
{
    BatchStart::queue(fullReadCommands(address), this);
    Q_EMIT transmisson();
}

QString UiOperate::currentName() const
{
    return m_currentDevice == 0 ? tr("Master") : tr("Slave") + QString::number(m_currentDevice);
}

void UiOperate::followReadOut(int done, int total)
{
    if (m_readStep == 0)
        return;
    // Every pump's batch is the same full read, so the pumps before this
    // one account for total requests each.
    int before = 0;
    int inUse = 0;
    for (int device = 0; device < m_deviceInUse.size(); ++device) {
        if (m_deviceInUse.at(device) != 1)
            continue;
        ++inUse;
        if (device < m_currentDevice)
            ++before;
    }
    Q_EMIT readOutProgress(currentName(), before * total + done, inUse * total);
}

void UiOperate::startLaunch(int mode)
{
    m_launchMode = mode;
    if (mode == 0) {
        m_readStep = 1;
        m_currentDevice = 0;
        readAllData(m_deviceAddress.at(0));
    } else if (mode == 1) {
        createMainWindow(1);
        showMainWindow();
    }
}

void UiOperate::createMainWindow(int mode)
{
    if (!m_mainWindow) {
        m_mainWindow = m_createMainWindow();
        m_mainWindow->setRetryHandler([this](int tab) { return retryDevice(tab); });
    }
    m_mainWindow->setLaunchMode(mode);
}

void UiOperate::showMainWindow()
{
    m_mainWindow->showFixedSize(kWindowWidth, kWindowHeight);
    m_readStep = 0;
    m_launchState = 1;
    Q_EMIT launchStateChanged(m_launchState);
}

void UiOperate::storeFirmwareVersions()
{
    const RegisterImage &image = *RegisterImage::shared();
    QSettings &settings = AppSettings::store();
    settings.setValue(QLatin1String(AppSettings::kFirmwareAppVersion),
                      tr("Firmvare App Version ") + FirmwareVersions::appVersion(image));
    settings.setValue(QLatin1String(AppSettings::kFirmwareVersion),
                      tr("Firmvare Version ") + FirmwareVersions::build(image));
}

bool UiOperate::addDevice(const QString &name, bool online)
{
    const int index = m_currentDevice;
    // The pages number their tabs in the order the pumps were handed over,
    // one image each; slaves not in use take no tab.
    const int tab = m_deviceImages.size() - 1;
    RegisterImage *image = m_deviceImages.last();
    // After a failed read the register image still holds the pump read
    // before: a silent pump's image stays as it was made, with nothing in it.
    if (online) {
        image->copyReadRangesFrom(*RegisterImage::shared());
        image->clockTakenAtMs = QDateTime::currentMSecsSinceEpoch();
    }

    // The next pump is read while the window takes this one: the register
    // image has been copied, so the reply may land in it already.
    bool reading = false;
    for (int next = index + 1; next < m_deviceInUse.size() && !reading; ++next) {
        if (m_deviceInUse.at(next) != 1)
            continue;
        m_deviceImages.append(new RegisterImage);
        m_currentDevice = next;
        m_readStep = next + 1;
        readAllData(m_deviceAddress.at(next));
        reading = true;
    }

    if (!m_mainWindow)
        createMainWindow(0);
    m_tabAddresses.append(m_deviceAddress.at(index));
    m_mainWindow->addDevice(name, m_deviceAddress.at(index), image);
    if (!online)
        m_mainWindow->setDeviceOnline(tab, false);
    return reading;
}

bool UiOperate::retryDevice(int tab)
{
    // The queue takes one batch at a time: while a page's batch, or the
    // read-out, runs, this one is not queued at all rather than mixed in.
    if (m_readStep != 0 || m_retryTab >= 0 || tab < 0 || tab >= m_tabAddresses.size())
        return false;
    if (!BatchStart::begin(fullReadCommands(m_tabAddresses.at(tab)), this))
        return false;
    m_retryTab = tab;
    Q_EMIT transmisson();
    return true;
}

void UiOperate::finishRetry(bool answered)
{
    const int tab = m_retryTab;
    m_retryTab = -1;
    // A pump that did not answer keeps its image as it was: nothing in it
    // came from the pump, and the register image holds what other pumps said.
    if (answered) {
        m_deviceImages.at(tab)->copyReadRangesFrom(*RegisterImage::shared());
        m_deviceImages.at(tab)->clockTakenAtMs = QDateTime::currentMSecsSinceEpoch();
    }
    m_mainWindow->setDeviceOnline(tab, answered);
}

void UiOperate::operateSuccess()
{
    if (m_retryTab >= 0) {
        finishRetry(true);
        return;
    }
    if (m_readStep == 0)
        return;
    const QString name = currentName();
    if (m_readStep == 1)
        storeFirmwareVersions();
    if (m_readStep == m_currentDevice + 1 && addDevice(name, true))
        return;
    showMainWindow();
}

void UiOperate::operateFailure(int status)
{
    Q_UNUSED(status)
    if (m_retryTab >= 0) {
        finishRetry(false);
        return;
    }
    if (m_readStep == 0)
        return;
    if (m_readStep == 1) {
        m_readStep = 0;
        m_launchState = -1;
        Q_EMIT launchStateChanged(m_launchState);
        return;
    }
    if (m_readStep == m_currentDevice + 1 && addDevice(currentName(), false))
        return;
    showMainWindow();
}

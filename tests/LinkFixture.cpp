#include "LinkFixture.h"

#include "AppSettings.h"
#include "BatchOutcome.h"
#include "BatchStart.h"
#include "Communication.h"
#include "TestSupport.h"

#include <QSignalSpy>
#include <QTest>

LinkFixture::LinkFixture()
{
    m_queue = new CommSend;
    CommSend::setInstance(m_queue);
    m_queue->moveToThread(&m_thread);
    connect(&m_thread, &QThread::started, m_queue, &CommSend::start, Qt::QueuedConnection);
    connect(&m_thread, &QThread::finished, m_queue, &CommSend::stop, Qt::DirectConnection);
    connect(this, &LinkFixture::startQueue, m_queue, &CommSend::start, Qt::QueuedConnection);
    connect(this, &LinkFixture::stopQueue, m_queue, &CommSend::stop, Qt::QueuedConnection);
    connect(this, &LinkFixture::transmission, m_queue, &CommSend::transmission,
            Qt::QueuedConnection);
    // Routed on the creating thread, as the login dialog and the
    // orchestrator do.
    m_routing = connect(m_queue, &CommSend::returnStatus, this,
                        [this](int status) { BatchOutcome::route(*m_queue, status); });
}

LinkFixture::~LinkFixture()
{
    m_thread.quit();
    m_thread.wait();
}

bool LinkFixture::start()
{
    if (!m_sim.listen(0))
        return false;
    QSettings &settings = TestSupport::freshSettings();
    settings.setValue(QLatin1String(AppSettings::kNetIp), QStringLiteral("127.0.0.1"));
    settings.setValue(QLatin1String(AppSettings::kNetPort), m_sim.port());
    QSignalSpy connected(&m_sim, &PumpSimulator::clientConnected);
    m_thread.start();
    return connected.wait(5000);
}

bool LinkFixture::resetForClientTest(int language)
{
    // A batch may still end its retries, and a reconnect take its time.
    constexpr int kSettleMs = 15000;
    if (!QTest::qWaitFor([this] { return m_queue->isIdle() && m_sim.hasClient(); }, kSettleMs))
        return false;
    QSettings &settings = AppSettings::store();
    settings.clear();
    AppSettings::writeNetworkDefaults(settings);
    settings.setValue(QLatin1String(AppSettings::kNetIp), QStringLiteral("127.0.0.1"));
    settings.setValue(QLatin1String(AppSettings::kNetPort), m_sim.port());
    settings.setValue(QLatin1String(AppSettings::kLanguage), language);
    AppSettings::writeClientDefaults(settings);
    m_sim.setFaults(SimFaults());
    m_sim.clearRequests();
    return true;
}

Communication *LinkFixture::link() const
{
    return Communication::current();
}

bool LinkFixture::runBatch(const QStringList &commands, CommBackOperate *callback)
{
    if (!BatchStart::begin(commands, callback, m_queue))
        return false;
    Q_EMIT transmission();
    return true;
}

void LinkFixture::reconnectTo(const QString &ip, int port)
{
    link()->setIp(ip);
    link()->setPort(port);
    Q_EMIT stopQueue();
    Q_EMIT startQueue();
}

#include "SensorStatusSetup.h"

#include "BatchStart.h"
#include "CommSend.h"
#include "DialogWaiting.h"
#include "LiquidSensors.h"
#include "MyMessageBox.h"
#include "RegisterImage.h"

namespace {

// Help text of the prompt catalogue.
constexpr int kReadHelp = 29;

} // namespace

SensorStatusSetup::SensorStatusSetup(int address, RegisterImage *image, QWidget *parent)
    : QWidget(parent)
    , m_address(address)
    , m_image(image)
    , m_waiting(new DialogWaiting(this))
{
    m_ui.setupUi(this);
    m_items = {m_ui.wgItem1, m_ui.wgItem2, m_ui.wgItem3, m_ui.wgItem4};
    // The names count down while the inputs count up.
    m_ui.wgItem1->setName(tr("Sensor4"));
    m_ui.wgItem2->setName(tr("Sensor3"));
    m_ui.wgItem3->setName(tr("Sensor2"));
    m_ui.wgItem4->setName(tr("Sensor1"));
    showStates();

    connect(m_ui.btnRead, &QPushButton::clicked, this, &SensorStatusSetup::btnRead_Clicked);
    if (CommSend *queue = CommSend::instance())
        connect(this, &SensorStatusSetup::transmission, queue, &CommSend::transmission,
                Qt::QueuedConnection);
}

void SensorStatusSetup::setTitle(const QString &title)
{
    m_ui.gBoxSensor->setTitle(title);
}

void SensorStatusSetup::showToolTips()
{
    m_ui.btnRead->setToolTip(MyMessageBox::helpText(kReadHelp));
}

void SensorStatusSetup::clearToolTips()
{
    m_ui.btnRead->setToolTip(QString());
}

void SensorStatusSetup::showStates()
{
    const QVector<int> states = LiquidSensors::states(*m_image);
    for (int i = 0; i < m_items.size() && i < states.size(); ++i)
        m_items.at(i)->setState(states.at(i));
}

void SensorStatusSetup::btnRead_Clicked()
{
    if (!BatchStart::begin(LiquidSensors::read(m_address), this))
        return;
    m_waiting->exec();
    m_pending = Read;
    Q_EMIT transmission();
}

void SensorStatusSetup::operateSuccess()
{
    const int pending = m_pending;
    m_pending = None;
    if (pending != Read)
        return;
    LiquidSensors::take(*RegisterImage::shared(), *m_image);
    showStates();
    m_waiting->close();
    MyMessageBox::prompt(this, 5);
}

void SensorStatusSetup::operateFailure(int status)
{
    Q_UNUSED(status)
    const int pending = m_pending;
    m_pending = None;
    if (pending != Read)
        return;
    m_waiting->close();
    MyMessageBox::prompt(this, 6);
}

#include "ManualControlUnit.h"

#include "BatchStart.h"
#include "CommSend.h"
#include "DoseGuards.h"
#include "ElidedText.h"
#include "ManualDosing.h"
#include "MyMessageBox.h"
#include "RegisterImage.h"

#include <QMovie>
#include <QSignalBlocker>
#include <QTimer>

ManualControlUnit::ManualControlUnit(int address, int pump, RegisterImage *image, QWidget *parent)
    : QWidget(parent)
    , m_address(address)
    , m_pump(pump)
    , m_image(image)
    , m_runTimer(new QTimer(this))
    , m_movie(new QMovie(QStringLiteral(":/images/motor_run.gif"), QByteArray(), this))
{
    m_ui.setupUi(this);
    m_ui.dsVolume->setRange(0, ManualDosing::kMaxManualVolume);
    // The button shows the pump stopped within a few ms of the pump itself.
    m_runTimer->setTimerType(Qt::PreciseTimer);
    m_ui.lbPump->setMovie(m_movie);
    // An opaque label repaints alone on each frame of the motor's animation;
    // a transparent one would make every group box behind it paint too.
    m_ui.lbPump->setAutoFillBackground(true);
    m_movie->setCacheMode(QMovie::CacheAll);
    // Started and stopped at once, so the label shows the first frame.
    m_movie->start();
    m_movie->stop();

    connect(m_runTimer, &QTimer::timeout, this, &ManualControlUnit::timeout);
    connect(m_ui.btnStart, &QPushButton::clicked, this, &ManualControlUnit::btnStart_Clicked);
    connect(m_ui.combSpeed, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ManualControlUnit::combSpeed_Changed);
    if (CommSend *queue = CommSend::instance())
        connect(this, &ManualControlUnit::transmisson, queue, &CommSend::transmission,
                Qt::QueuedConnection);
}

void ManualControlUnit::setPumpName(const QString &name)
{
    ElidedText::setTitle(m_ui.gBoxPump, name);
}

void ManualControlUnit::setSpeed(int gear)
{
    const QSignalBlocker blocker(m_ui.combSpeed);
    m_ui.combSpeed->setCurrentIndex(gear);
}

int ManualControlUnit::speed() const
{
    return m_ui.combSpeed->currentIndex();
}

double ManualControlUnit::volume() const
{
    return m_ui.dsVolume->value();
}

void ManualControlUnit::setVolume(double ml)
{
    m_ui.dsVolume->setValue(ml);
}

bool ManualControlUnit::isRunTimerActive() const
{
    return m_runTimer->isActive();
}

int ManualControlUnit::runTimerInterval() const
{
    return m_runTimer->interval();
}

void ManualControlUnit::showRunning(bool running)
{
    m_shownRunning = running;
    m_ui.btnStart->setText(running ? tr("Stop") : tr("Start"));
    if (running) {
        m_movie->start();
    } else {
        m_movie->stop();
        m_runTimer->stop();
    }
}

void ManualControlUnit::showRunState()
{
    // The label is the state shown, not the animation's: a movie that cannot
    // play never reports itself running.
    const bool running = ManualDosing::isRunning(*m_image, m_pump);
    if (running != m_shownRunning)
        showRunning(running);
}

void ManualControlUnit::btnStart_Clicked()
{
    if (!BatchStart::isIdle())
        return;
    // The button does what it says: a press on "Stop" stops the pump even if
    // the image has it stopped already, and never starts it.
    const bool start = !m_shownRunning;
    const int volume = int(m_ui.dsVolume->value());
    if (start && !confirmLiquidLeft(volume))
        return;
    // Another batch may have begun while the question was open.
    if (!BatchStart::isIdle())
        return;
    m_pending = StartStop;
    const ManualDosing::RunWrite write = ManualDosing::startOrStop(
        *m_image, *RegisterImage::shared(), m_address, m_pump, start, volume);
    m_wasRunning = write.wasRunning;
    BatchStart::queue(write.commands, this);
    Q_EMIT transmisson();
}

bool ManualControlUnit::confirmLiquidLeft(int volumeMl)
{
    // The liquid left as the liquid page shows it; the bottle itself may
    // hold a little less by now.
    const std::optional<int> left = DoseGuards::runAboveLiquidLeft(*m_image, m_pump, volumeMl);
    if (!left)
        return true;
    return MyMessageBox::ask(this,
                             tr("%1: a run of %2 ml is more than the %3 ml left in its bottle. "
                                "The bottle may run empty before the run ends. Start it anyway?")
                                 .arg(ElidedText::fullText(m_ui.gBoxPump),
                                      QString::number(volumeMl), QString::number(*left)),
                             tr("Start Anyway"), tr("Cancel"), true);
}

void ManualControlUnit::combSpeed_Changed(int gear)
{
    if (!BatchStart::isIdle()) {
        // Nothing is written, so the selector must not show a gear the pump does not have.
        setSpeed(ManualDosing::gear(*m_image, m_pump));
        return;
    }
    m_pending = GearChange;
    const QStringList commands = ManualDosing::gearChange(*m_image, *RegisterImage::shared(),
                                                          m_address, m_pump, gear, &m_previousGear);
    BatchStart::queue(commands, this);
    Q_EMIT transmisson();
}

void ManualControlUnit::operateSuccess()
{
    const int pending = m_pending;
    m_pending = None;
    if (pending != StartStop)
        return;
    if (!ManualDosing::isRunning(*m_image, m_pump)) {
        showRunning(false);
        return;
    }
    showRunning(true);
    if (m_wasRunning)
        return;
    const int volume = m_image->holdingRegisters[ManualDosing::runVolumeRegister(m_pump)];
    const int calibration = ManualDosing::calibration(*m_image, m_pump, speed());
    // With no volume the pump runs until stopped; with no calibration the
    // run has no known length: either way the button stays on "Stop".
    if (const std::optional<quint32> ms =
            ManualDosing::runTimeMs(quint32(volume), quint32(calibration)))
        m_runTimer->start(int(qMin<quint32>(*ms, quint32(std::numeric_limits<int>::max()))));
}

void ManualControlUnit::operateFailure(int status)
{
    Q_UNUSED(status)
    const int pending = m_pending;
    m_pending = None;
    if (pending == StartStop) {
        ManualDosing::setRunning(*m_image, m_pump, m_wasRunning);
    } else if (pending == GearChange) {
        ManualDosing::restoreGear(*m_image, m_pump, m_previousGear);
        setSpeed(ManualDosing::gear(*m_image, m_pump));
    }
}

void ManualControlUnit::timeout()
{
    // The pump stops by itself after the volume; nothing is sent.
    showRunning(false);
    ManualDosing::setRunning(*m_image, m_pump, false);
}

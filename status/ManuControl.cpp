#include "ManuControl.h"

#include "AppSettings.h"
#include "BatchOutcome.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "DialogWaiting.h"
#include "ElidedText.h"
#include "ManualControlUnit.h"
#include "ManualDosing.h"
#include "MyMessageBox.h"
#include "PumpNames.h"
#include "RegisterImage.h"
#include "UnsavedEdits.h"

#include <QShowEvent>
#include <QSignalBlocker>
#include <QTimer>

namespace {

constexpr int kTickMs = 1000;
// Characters the calibration's pump choice is sized for: the default names
// and a little more.
constexpr int kPumpChoiceLength = 10;
constexpr int kMsPerSecond = 1000;

} // namespace

// Sends the automatic stop now, or right after the batch that is running.
// While it waits it stands in as that batch's callback: the batch's end is
// the first moment the queue is free, and nothing else can queue before the
// stop does. The outcome is then handed on unchanged.
class ManuControl::AutoStop : public CommBackOperate
{
public:
    explicit AutoStop(ManuControl *owner)
        : m_owner(owner)
    {
    }

    void request()
    {
        m_requested = true;
        sendOrWait();
    }

    // Gives a batch's outcome back to whoever asked for it, as if nothing had stood in.
    void release()
    {
        CommSend *queue = CommSend::instance();
        if (m_waiting && queue && queue->callback() == this)
            queue->setCallback(m_forwardTo);
        m_waiting = false;
        m_forwardTo = nullptr;
    }

    void operateSuccess() override { outcome(0); }
    void operateFailure(int status) override { outcome(status); }

private:
    void sendOrWait()
    {
        CommSend *queue = CommSend::instance();
        if (!queue)
            return;
        if (!queue->isIdle()) {
            m_forwardTo = queue->callback();
            m_waiting = true;
            queue->setCallback(this);
            return;
        }
        m_requested = false;
        m_inFlight = true;
        // The register image is prepared only now: a reply of the batch
        // that ran may have put the pump's running coil there.
        BatchStart::queue(m_owner->stopCommands(), this, queue);
        Q_EMIT m_owner->transmission();
    }

    void outcome(int status)
    {
        if (m_waiting) {
            CommBackOperate *target = m_forwardTo;
            m_waiting = false;
            m_forwardTo = nullptr;
            sendOrWait();
            BatchOutcome::deliver(target, status);
            return;
        }
        if (m_inFlight) {
            m_inFlight = false;
            m_owner->autoStopFinished(status);
        }
    }

    ManuControl *m_owner;
    bool m_requested = false;
    bool m_waiting = false;
    bool m_inFlight = false;
    CommBackOperate *m_forwardTo = nullptr;
};

ManuControl::ManuControl(int address, RegisterImage *image, const QString &pumpName,
                         QWidget *parent)
    : QWidget(parent)
    , m_address(address)
    , m_pumpName(pumpName)
    , m_image(image)
    , m_waiting(new DialogWaiting(this))
    , m_caliTimer(new QTimer(this))
    , m_autoStop(std::make_unique<AutoStop>(this))
{
    m_ui.setupUi(this);
    for (int pump = 0; pump < ManualDosing::kPumpCount; ++pump) {
        auto *unit = new ManualControlUnit(address, pump, image, m_ui.gBoxManual);
        m_ui.gridUnits->addWidget(unit, 0, pump);
        m_units.append(unit);
    }

    m_caliPump = 0;
    m_caliRunning = false;
    m_caliGear = quint8(ManualDosing::gear(*m_image, m_caliPump));
    // Thirty ticks must make thirty seconds: the work time is what the
    // calibration divides by.
    m_caliTimer->setTimerType(Qt::PreciseTimer);
    m_ui.btnStartCali->setEnabled(false);
    m_ui.btnCaliRead->setEnabled(false);
    m_ui.btnSaveCali->setEnabled(false);
    // Sized for the page, not for the longest name, which the box cuts.
    m_ui.combCaliPump->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_ui.combCaliPump->setMinimumContentsLength(kPumpChoiceLength);
    showPumpNames();
    m_ui.dsCaliTime->setRange(ManualDosing::kMinWorkTimeSeconds, ManualDosing::kMaxWorkTimeSeconds);
    m_ui.dsCaliTime->setValue(ManualDosing::kDefaultWorkTimeSeconds);
    m_ui.lbWorkTime->setText(tr("%1 S").arg(0));
    m_ui.lbEverage->setText(tr("%1 ml/min").arg(QStringLiteral("0.00")));
    m_ui.lbCaliHint->hide();

    m_edits = new UnsavedEdits(this);
    m_edits->watch(m_ui.dsCaliGet);
    m_edits->setReload([this] { m_ui.dsCaliGet->setValue(m_ui.dsCaliGet->minimum()); });

    connect(m_caliTimer, &QTimer::timeout, this, &ManuControl::timeoutCalibrate);
    connect(m_ui.cBoxCaliMode, &QCheckBox::stateChanged, this,
            &ManuControl::cBoxCaliMode_CheckChanged);
    connect(m_ui.combCaliPump, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &ManuControl::combCaliPump_CurrentIndexChanged);
    connect(m_ui.btnCaliRead, &QPushButton::clicked, this, &ManuControl::btnCaliRead_Clicked);
    connect(m_ui.btnStartCali, &QPushButton::clicked, this, &ManuControl::btnStartCali_Clicked);
    connect(m_ui.btnSaveCali, &QPushButton::clicked, this, &ManuControl::btnSaveResult_Clicked);
    if (CommSend *queue = CommSend::instance())
        connect(this, &ManuControl::transmission, queue, &CommSend::transmission,
                Qt::QueuedConnection);
}

ManuControl::~ManuControl()
{
    m_autoStop->release();
}

int ManuControl::completedWorkTimeMs() const
{
    return m_completedRun ? m_completedRun->workTimeMs : 0;
}

QStringList ManuControl::pumpNames() const
{
    // Only four pumps have run coils; a longer list would address other coils.
    return PumpNames::names(AppSettings::store(), m_address, m_pumpName)
        .mid(0, ManualDosing::kPumpCount);
}

void ManuControl::showPumpNames()
{
    const QStringList names = pumpNames();
    for (ManualControlUnit *unit : qAsConst(m_units)) {
        const int pump = unit->pumpIndex();
        if (pump < names.size())
            unit->setPumpName(names.at(pump));
    }
    for (int i = 0; i < names.size(); ++i) {
        if (i == m_ui.combCaliPump->count())
            m_ui.combCaliPump->addItem(QString());
        ElidedText::setItemText(m_ui.combCaliPump, i, names.at(i));
    }
}

void ManuControl::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    for (ManualControlUnit *unit : qAsConst(m_units))
        unit->setSpeed(ManualDosing::gear(*m_image, unit->pumpIndex()));
    showRunStates();
    showPumpNames();
    m_caliGear = quint8(ManualDosing::gear(*m_image, m_caliPump));
}

void ManuControl::showRunStates()
{
    for (ManualControlUnit *unit : qAsConst(m_units))
        unit->showRunState();
}

void ManuControl::showFlowOfEntry()
{
    const int value = ManualDosing::calibration(*m_image, m_caliPump, m_caliGear);
    if (const std::optional<double> flow = ManualDosing::flowFromCalibration(value))
        m_ui.lbEverage->setText(tr("%1 ml/min").arg(QString::number(*flow, 'f', 1)));
}

void ManuControl::showHint(const QString &text)
{
    m_ui.lbCaliHint->setText(text);
    m_ui.lbCaliHint->setVisible(!text.isEmpty());
}

void ManuControl::lockRunChoice(bool locked)
{
    m_ui.combCaliPump->setEnabled(!locked);
    m_ui.cBoxCaliMode->setEnabled(!locked);
}

void ManuControl::cBoxCaliMode_CheckChanged(int state)
{
    const bool on = state == Qt::Checked;
    m_ui.btnStartCali->setEnabled(on);
    m_ui.btnCaliRead->setEnabled(on);
    m_ui.btnSaveCali->setEnabled(on);
}

void ManuControl::combCaliPump_CurrentIndexChanged(int pump)
{
    if (pump < 0 || pump >= ManualDosing::kPumpCount)
        return;
    m_caliPump = quint8(pump);
    m_caliGear = quint8(ManualDosing::gear(*m_image, pump));
    showFlowOfEntry();
}

void ManuControl::btnCaliRead_Clicked()
{
    if (!BatchStart::begin(ManualDosing::calibrationRead(m_address), this))
        return;
    m_waiting->exec();
    m_pending = Read;
    Q_EMIT transmission();
}

void ManuControl::btnStartCali_Clicked()
{
    if (!BatchStart::isIdle())
        return;
    m_waiting->exec();
    m_pending = StartStop;
    m_caliGear = quint8(ManualDosing::gear(*m_image, m_caliPump));
    QStringList commands;
    if (!m_caliRunning) {
        m_runPump = m_caliPump;
        m_runGear = m_caliGear;
        m_workTimeMs = int(m_ui.dsCaliTime->value()) * kMsPerSecond;
        // A new run makes the measurement of the last one void.
        m_completedRun.reset();
        showHint(QString());
        lockRunChoice(true);
        commands = ManualDosing::calibrationRunWrite(*m_image, *RegisterImage::shared(), m_address,
                                                     m_runPump, true);
    } else {
        commands = ManualDosing::calibrationRunWrite(*m_image, *RegisterImage::shared(), m_address,
                                                     m_runPump, false);
    }
    showRunStates();
    BatchStart::queue(commands, this);
    Q_EMIT transmission();
}

void ManuControl::timeoutCalibrate()
{
    ++m_elapsedSeconds;
    m_ui.lbWorkTime->setText(tr("%1 S").arg(m_elapsedSeconds));
    if (m_elapsedSeconds * kMsPerSecond < m_workTimeMs)
        return;
    m_caliTimer->stop();
    m_caliRunning = false;
    m_ui.btnStartCali->setText(tr("Start"));
    // Only a run nobody stopped before its time measured the work time.
    m_stoppingRun.reset();
    if (ManualDosing::isRunning(*m_image, m_runPump))
        m_stoppingRun = CompletedRun {m_runPump, m_runGear, m_workTimeMs};
    ManualDosing::setRunning(*m_image, m_runPump, false);
    showRunStates();
    m_autoStop->request();
}

QStringList ManuControl::stopCommands()
{
    return ManualDosing::calibrationRunWrite(*m_image, *RegisterImage::shared(), m_address,
                                             m_runPump, false);
}

void ManuControl::autoStopFinished(int status)
{
    lockRunChoice(false);
    m_waiting->close();
    if (status == 0) {
        m_completedRun = m_stoppingRun;
        m_stoppingRun.reset();
        MyMessageBox::prompt(this, 24);
        return;
    }
    // The pump may have run on: what it delivered measures nothing.
    m_stoppingRun.reset();
    MyMessageBox::prompt(this, 2);
}

void ManuControl::btnSaveResult_Clicked()
{
    if (!BatchStart::isIdle())
        return;
    m_caliGear = quint8(ManualDosing::gear(*m_image, m_caliPump));
    if (!m_completedRun || m_completedRun->pump != m_caliPump ||
        m_completedRun->gear != m_caliGear) {
        showHint(tr("Run the calibration of this pump at its current speed to the end first, "
                    "then enter the volume it delivered."));
        return;
    }
    const ManualDosing::CalibrationResult result =
        ManualDosing::calibrate(m_completedRun->workTimeMs, m_ui.dsCaliGet->value());
    if (result.error != ManualDosing::CalibrationError::None) {
        showHint(tr("Enter the volume the pump delivered before saving."));
        return;
    }
    showHint(QString());
    m_waiting->exec();
    m_pending = Save;
    m_savedEntryPump = m_caliPump;
    m_savedEntryGear = m_caliGear;
    m_savedEntryValue = ManualDosing::calibration(*m_image, m_caliPump, m_caliGear);
    const QStringList commands = ManualDosing::calibrationSave(
        *m_image, *RegisterImage::shared(), m_address, m_caliPump, m_caliGear, result.value);
    m_ui.lbEverage->setText(tr("%1 ml/min").arg(QString::number(result.flowMlPerMin, 'f', 2)));
    BatchStart::queue(commands, this);
    Q_EMIT transmission();
}

void ManuControl::operateSuccess()
{
    const int pending = m_pending;
    m_pending = None;
    switch (pending) {
    case Read:
        ManualDosing::takeCalibrationTable(*RegisterImage::shared(), *m_image);
        m_caliGear = quint8(ManualDosing::gear(*m_image, m_caliPump));
        showFlowOfEntry();
        m_waiting->close();
        MyMessageBox::prompt(this, 5);
        break;
    case StartStop:
        if (m_caliRunning) {
            // Stopped by hand before its time: the run measured nothing.
            m_ui.btnStartCali->setText(tr("Start"));
            m_caliRunning = false;
            m_caliTimer->stop();
            lockRunChoice(false);
        } else {
            m_caliRunning = true;
            m_ui.btnStartCali->setText(tr("Stop"));
            m_elapsedSeconds = 0;
            m_ui.lbWorkTime->setText(tr("%1 S").arg(m_elapsedSeconds));
            m_caliTimer->start(kTickMs);
        }
        m_waiting->close();
        break;
    case Save:
        m_edits->clear();
        m_waiting->close();
        MyMessageBox::prompt(this, 3);
        break;
    default:
        break;
    }
}

void ManuControl::operateFailure(int status)
{
    Q_UNUSED(status)
    const int pending = m_pending;
    m_pending = None;
    switch (pending) {
    case Read:
        m_waiting->close();
        MyMessageBox::prompt(this, 6);
        break;
    case StartStop:
        ManualDosing::setRunning(*m_image, m_runPump,
                                 !ManualDosing::isRunning(*m_image, m_runPump));
        showRunStates();
        if (!m_caliRunning)
            lockRunChoice(false);
        m_waiting->close();
        break;
    case Save:
        // The pump kept its old value; so does the page.
        ManualDosing::restoreCalibration(*m_image, m_savedEntryPump, m_savedEntryGear,
                                         m_savedEntryValue);
        m_waiting->close();
        MyMessageBox::prompt(this, 4);
        break;
    default:
        break;
    }
}

#include "DoseSetGroup.h"

#include "AppSettings.h"
#include "AutoModeUnit.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "DialogWaiting.h"
#include "DoseGuards.h"
#include "DoseQuestions.h"
#include "MyMessageBox.h"
#include "PumpNames.h"
#include "RegisterImage.h"
#include "UnsavedEdits.h"

#include <QMessageBox>
#include <QSignalBlocker>

using namespace DoseProgramme;

namespace {
DoseSetGroup::RefusalObserver g_refusalObserver;
} // namespace

void DoseSetGroup::setRefusalObserver(RefusalObserver observer)
{
    g_refusalObserver = std::move(observer);
}

DoseSetGroup::DoseSetGroup(int address, RegisterImage *image, const QString &pumpName,
                           QWidget *parent)
    : QWidget(parent)
    , m_image(image)
    , m_address(address)
    , m_pumpName(pumpName)
    , m_pending(std::make_unique<RegisterImage>())
{
    m_ui.setupUi(this);
    if (CommSend *queue = CommSend::instance())
        connect(this, &DoseSetGroup::transmission, queue, &CommSend::transmission,
                Qt::QueuedConnection);
    connect(m_ui.btnRead, &QPushButton::clicked, this, &DoseSetGroup::btnRead_clicked);
    connect(m_ui.btnSave, &QPushButton::clicked, this, &DoseSetGroup::btnSave_clicked);
    connect(m_ui.combAutoCustom, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &DoseSetGroup::combAutoCustom_CurrentIndexChanged);
    m_waiting = new DialogWaiting(this);
    m_units = {m_ui.wgPump1, m_ui.wgPump2, m_ui.wgPump3, m_ui.wgPump4};
    decodeAndShow();
    // Watched only now: the decode above is the pump's, not the user's.
    m_edits = new UnsavedEdits(this);
    m_edits->watch(m_ui.combAutoCustom);
    for (AutoModeUnit *unit : m_units)
        unit->watchEdits(m_edits);
    m_edits->setReload([this] { decodeAndShow(); });
}

void DoseSetGroup::showToolTips()
{
    m_ui.btnRead->setToolTip(MyMessageBox::helpText(5));
    m_ui.btnSave->setToolTip(MyMessageBox::helpText(6));
}

void DoseSetGroup::clearToolTips()
{
    m_ui.btnRead->setToolTip(QString());
    m_ui.btnSave->setToolTip(QString());
}

void DoseSetGroup::retranslate()
{
    m_ui.retranslateUi(this);
}

void DoseSetGroup::reloadReagents()
{
    QSettings &settings = AppSettings::store();
    const QStringList names = PumpNames::reagentNames(settings);
    const QVector<int> indices = PumpNames::reagentIndices(settings, m_address);
    for (int i = 0; i < m_units.size(); ++i) {
        m_units[i]->setReagentNames(names);
        m_units[i]->setReagent(indices.value(i, -1));
    }
}

void DoseSetGroup::showProgramme(const Programme &programme)
{
    reloadReagents();
    const int mode = programme.setupMode;
    if (mode >= 0 && mode < m_ui.combAutoCustom->count()) {
        for (AutoModeUnit *unit : m_units)
            unit->setDisplayMode(mode);
        {
            const QSignalBlocker blocker(m_ui.combAutoCustom);
            m_ui.combAutoCustom->setCurrentIndex(mode);
        }
        combAutoCustom_CurrentIndexChanged(mode);
    }
    for (int i = 0; i < m_units.size(); ++i)
        m_units.at(i)->setChannel(programme.channels.at(i));
}

Programme DoseSetGroup::collect() const
{
    Programme programme;
    programme.setupMode = m_ui.combAutoCustom->currentIndex();
    for (int i = 0; i < m_units.size(); ++i)
        programme.channels[i] = m_units.at(i)->channel();
    return programme;
}

void DoseSetGroup::decodeAndShow()
{
    const Programme decoded = decode(*m_image);
    showProgramme(decoded);
    // What the editors show after their own rounding and snapping; a Save
    // writes only what differs from it.
    m_shown = collect();
    for (int i = 0; i < kChannelCount; ++i) {
        m_shown.channels[i].volumeClamped = decoded.channels.at(i).volumeClamped;
        m_shown.channels[i].plansClamped = decoded.channels.at(i).plansClamped;
    }
}

void DoseSetGroup::parameterUpdate()
{
    // The quick setup has just written the programme, replacing any edits.
    {
        const UnsavedEdits::Loading loading(*m_edits);
        decodeAndShow();
    }
    m_edits->clear();
}

void DoseSetGroup::combAutoCustom_CurrentIndexChanged(int index)
{
    for (AutoModeUnit *unit : m_units)
        unit->autoCustomModeChanged(index);
}

void DoseSetGroup::showPumpNames()
{
    const QStringList names = PumpNames::names(AppSettings::store(), m_address, m_pumpName);
    for (int i = 0; i < m_units.size(); ++i)
        m_units[i]->setTitle(names.value(i));
}

void DoseSetGroup::showEvent(QShowEvent *event)
{
    showPumpNames();
    const Programme decoded = decode(*m_image);
    const UnsavedEdits::Loading loading(*m_edits);
    for (int i = 0; i < m_units.size(); ++i) {
        // The speed may have been changed by another page of this pump; a
        // speed the user chose here and the pump has not changed stays.
        const int speed = decoded.channels.at(i).speed;
        if (speed >= 0 && speed < SpeedCount && speed != m_shown.channels.at(i).speed) {
            m_units[i]->setSpeed(speed);
            m_shown.channels[i].speed = speed;
        }
    }
    QWidget::showEvent(event);
}

void DoseSetGroup::btnRead_clicked()
{
    if (!BatchStart::begin(readCommands(m_address), this))
        return;
    m_waiting->exec();
    m_state = StateReading;
    Q_EMIT transmission();
}

void DoseSetGroup::btnSave_clicked()
{
    if (!BatchStart::isIdle())
        return;
    Programme edited = collect();
    if (const std::optional<int> channel = channelWithoutDoseChoice(edited)) {
        const int i = *channel;
        refuse(tr("%1 (channel %2) is On, but its stop time is not after its start time, so it "
                  "has no doses per day. Choose a later stop time. Nothing was saved.")
                   .arg(m_units.at(i)->title())
                   .arg(i + 1));
        return;
    }

    // Edited plans go to the pump in time order; untouched ones stay as read.
    for (int i = 0; i < kChannelCount; ++i) {
        Channel &channel = edited.channels[i];
        if (channel.plans != m_shown.channels.at(i).plans)
            sortPlans(channel.plans);
    }
    *m_pending = *m_image;
    encodeChanges(m_shown, edited, *m_pending);

    // Weighed as the pump will hold it, with the reagents this Save stores.
    QSettings &settings = AppSettings::store();
    QVector<int> reagents;
    QStringList titles;
    for (const AutoModeUnit *unit : m_units) {
        reagents << unit->reagent();
        titles << unit->title();
    }
    const double litres = DoseGuards::storedAquariumLitres(settings);
    if (!DoseQuestions::confirmAboveMaximum(
            this, DoseGuards::aboveMaximum(decode(*m_pending), reagents, litres), titles,
            PumpNames::reagentNames(settings), litres))
        return;
    // Another batch may have begun while the question was open.
    if (!BatchStart::isIdle())
        return;

    m_waiting->exec();
    // Only a changed choice is stored: a slave that has none of its own
    // keeps following the master's until the user picks one for it.
    if (reagents != PumpNames::reagentIndices(settings, m_address))
        PumpNames::setReagentIndices(settings, m_address, reagents);
    m_state = StateSaving;
    for (AutoModeUnit *unit : m_units)
        unit->putPlansInOrder();
    copySaveRanges(*m_pending, *RegisterImage::shared());
    m_saving = collect();

    BatchStart::queue(saveCommands(m_address), this);
    Q_EMIT transmission();
}

void DoseSetGroup::refuse(const QString &text)
{
    if (g_refusalObserver) {
        g_refusalObserver(this, text);
        return;
    }
    QMessageBox::information(this, tr("Prompt"), text, tr("Okey"), QString(), QString(), 0, -1);
}

void DoseSetGroup::operateSuccess()
{
    const int state = m_state;
    m_state = StateIdle;
    if (state == StateReading) {
        copyReadRanges(*RegisterImage::shared(), *m_image);
        {
            const UnsavedEdits::Loading loading(*m_edits);
            decodeAndShow();
        }
        m_edits->clear();
        m_waiting->close();
        MyMessageBox::prompt(this, 5);
    } else if (state == StateSaving) {
        copySaveRanges(*m_pending, *m_image);
        m_shown = m_saving;
        m_edits->clear();
        m_waiting->close();
        MyMessageBox::prompt(this, 3);
    }
}

void DoseSetGroup::operateFailure(int status)
{
    Q_UNUSED(status)
    const int state = m_state;
    m_state = StateIdle;
    if (state == StateReading) {
        m_waiting->close();
        MyMessageBox::prompt(this, 6);
    } else if (state == StateSaving) {
        m_waiting->close();
        MyMessageBox::prompt(this, 4);
    }
}

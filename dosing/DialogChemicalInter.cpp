#include "DialogChemicalInter.h"

#include "AppSettings.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "MyMessageBox.h"
#include "PumpNames.h"
#include "RegisterImage.h"

DialogChemicalInter::DialogChemicalInter(QWidget *parent)
    : QDialog(parent)
{
    m_ui.setupUi(this);
    setWindowTitle(tr("Chemical Interval"));
    if (CommSend *queue = CommSend::instance())
        connect(this, &DialogChemicalInter::transmission, queue, &CommSend::transmission,
                Qt::QueuedConnection);
    connect(m_ui.btnRead, &QPushButton::clicked, this, &DialogChemicalInter::btnRead_Clicked);
    connect(m_ui.btnConfirm, &QPushButton::clicked, this, &DialogChemicalInter::btnConfirm_Clicked);
    connect(m_ui.btnCancel, &QPushButton::clicked, this, &DialogChemicalInter::btnCancel_Clicked);

    m_boxes[0] = m_ui.sbInterval1;
    m_boxes[1] = m_ui.sbInterval2;
    m_boxes[2] = m_ui.sbInterval3;
    m_boxes[3] = m_ui.sbInterval4;
    for (int i = 0; i < ChemicalInterval::kChannelCount; ++i)
        m_boxes[i]->setRange(ChemicalInterval::kMinimum[i], ChemicalInterval::kMaximum);

    // The intervals are the master's. After the read-out of the slaves the
    // register image holds the last slave's registers, so start from the
    // master's own device image when there is one.
    const RegisterImage *master = RegisterImage::working();
    showIntervals(ChemicalInterval::load(master ? *master : *RegisterImage::shared()));

    // The channels whose intervals these are: the master's.
    const QStringList names =
        PumpNames::names(AppSettings::store(), ChemicalInterval::kMasterAddress);
    QLabel *const captions[] = {m_ui.lbInterval1, m_ui.lbInterval2, m_ui.lbInterval3,
                                m_ui.lbInterval4};
    for (int i = 0; i < ChemicalInterval::kChannelCount; ++i)
        captions[i]->setText(names.value(i));
}

void DialogChemicalInter::showIntervals(const ChemicalInterval::Intervals &intervals)
{
    for (int i = 0; i < ChemicalInterval::kChannelCount; ++i)
        m_boxes[i]->setValue(intervals[i]);
}

ChemicalInterval::Intervals DialogChemicalInter::intervals() const
{
    ChemicalInterval::Intervals values {};
    for (int i = 0; i < ChemicalInterval::kChannelCount; ++i)
        values[i] = m_boxes[i]->value();
    return values;
}

void DialogChemicalInter::btnConfirm_Clicked()
{
    if (!BatchStart::isIdle())
        return;
    const ChemicalInterval::Intervals values = intervals();
    if (!ChemicalInterval::withinTotal(values)) {
        MyMessageBox::prompt(this, 27);
        return;
    }
    m_state = StateSaving;
    ChemicalInterval::store(values, *RegisterImage::shared());
    BatchStart::queue({ChemicalInterval::writeCommand()}, this);
    Q_EMIT transmission();
}

void DialogChemicalInter::btnRead_Clicked()
{
    if (!BatchStart::begin({ChemicalInterval::readCommand()}, this))
        return;
    m_state = StateReading;
    Q_EMIT transmission();
}

void DialogChemicalInter::btnCancel_Clicked()
{
    reject();
}

void DialogChemicalInter::operateSuccess()
{
    const int state = m_state;
    m_state = StateIdle;
    if (state == StateIdle)
        return;
    // The master's device image follows what the pump now holds.
    if (RegisterImage *master = RegisterImage::working())
        ChemicalInterval::copy(*RegisterImage::shared(), *master);
    if (state == StateSaving)
        accept();
    else
        showIntervals(ChemicalInterval::load(*RegisterImage::shared()));
}

void DialogChemicalInter::operateFailure(int status)
{
    Q_UNUSED(status)
    const int state = m_state;
    m_state = StateIdle;
    if (state == StateSaving)
        MyMessageBox::prompt(this, 4);
    else if (state == StateReading)
        MyMessageBox::prompt(this, 6);
}

#include "ParameterSetup.h"

#include "AppSettings.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "DialogWaiting.h"
#include "DoseGuards.h"
#include "DoseQuestions.h"
#include "MyMessageBox.h"
#include "PumpNames.h"
#include "RegisterImage.h"
#include "UnsavedEdits.h"

ParameterSetup::ParameterSetup(QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    if (CommSend *queue = CommSend::instance())
        connect(this, &ParameterSetup::transmission, queue, &CommSend::transmission,
                Qt::QueuedConnection);
    connect(m_ui.btnCalculate, &QPushButton::clicked, this, &ParameterSetup::btnCalculate_Click);
    connect(m_ui.btnReset, &QPushButton::clicked, this, &ParameterSetup::btnReset_Click);
    connect(m_ui.btnSetup, &QPushButton::clicked, this, &ParameterSetup::btnSetup_Click);
    connect(m_ui.cbCustom, &QCheckBox::stateChanged, this, &ParameterSetup::cbCustom_StateChanged);
    m_waiting = new DialogWaiting(this);
    // A calculated result is the user's too, until Setup has written it.
    m_edits = new UnsavedEdits(this);
    m_edits->watch({m_ui.dsAquarium, m_ui.dsConsumeCa, m_ui.dsConsumeMg, m_ui.dsConsumeKh,
                    m_ui.cbCustom, m_ui.dsSupplyCa, m_ui.dsSupplyMg, m_ui.dsSupplyKh, m_ui.dsMaxCa,
                    m_ui.dsMaxMg, m_ui.dsMaxKh, m_ui.dsMaxSr, m_ui.dsMaxColdHot});
    m_edits->setReload([this] { btnReset_Click(); });
    btnReset_Click();
}

QuickSetup::Inputs ParameterSetup::inputs() const
{
    return {m_ui.dsAquarium->value(), m_ui.dsConsumeCa->value(), m_ui.dsConsumeMg->value(),
            m_ui.dsConsumeKh->value()};
}

QuickSetup::Results ParameterSetup::results() const
{
    QuickSetup::Results r;
    r.supplyCa = m_ui.dsSupplyCa->value();
    r.supplyMg = m_ui.dsSupplyMg->value();
    r.supplyKh = m_ui.dsSupplyKh->value();
    r.maxCa = m_ui.dsMaxCa->value();
    r.maxMg = m_ui.dsMaxMg->value();
    r.maxKh = m_ui.dsMaxKh->value();
    r.maxSr = m_ui.dsMaxSr->value();
    r.maxColdHot = m_ui.dsMaxColdHot->value();
    return r;
}

void ParameterSetup::showResults(const QuickSetup::Results &r)
{
    m_ui.dsSupplyCa->setValue(r.supplyCa);
    m_ui.dsSupplyMg->setValue(r.supplyMg);
    m_ui.dsSupplyKh->setValue(r.supplyKh);
    m_ui.dsMaxCa->setValue(r.maxCa);
    m_ui.dsMaxMg->setValue(r.maxMg);
    m_ui.dsMaxKh->setValue(r.maxKh);
    m_ui.dsMaxSr->setValue(r.maxSr);
    m_ui.dsMaxColdHot->setValue(r.maxColdHot);
}

void ParameterSetup::setResultsEnabled(bool enabled)
{
    QDoubleSpinBox *const fields[] = {m_ui.dsMaxCa,    m_ui.dsMaxMg,      m_ui.dsMaxKh,
                                      m_ui.dsMaxSr,    m_ui.dsMaxColdHot, m_ui.dsSupplyCa,
                                      m_ui.dsSupplyMg, m_ui.dsSupplyKh};
    for (QDoubleSpinBox *field : fields)
        field->setEnabled(enabled);
}

void ParameterSetup::btnCalculate_Click()
{
    showResults(QuickSetup::calculate(inputs()));
}

void ParameterSetup::cbCustom_StateChanged(int state)
{
    if (state == Qt::Checked)
        setResultsEnabled(true);
    else if (state == Qt::Unchecked)
        setResultsEnabled(false);
}

void ParameterSetup::btnReset_Click()
{
    // Back to what the last Setup stored, which replaces any edits.
    const UnsavedEdits::Loading loading(*m_edits);
    m_ui.cbCustom->setChecked(false);
    setResultsEnabled(false);
    const QuickSetup::Stored stored = QuickSetup::load(AppSettings::store());
    m_ui.dsConsumeCa->setValue(stored.inputs.consumeCa);
    m_ui.dsConsumeMg->setValue(stored.inputs.consumeMg);
    m_ui.dsConsumeKh->setValue(stored.inputs.consumeKh);
    showResults(stored.results);
    m_ui.dsAquarium->setValue(stored.inputs.volume);
    m_edits->clear();
}

void ParameterSetup::btnSetup_Click()
{
    if (!BatchStart::isIdle())
        return;
    // The ranges Setup writes go back to the master as the master last
    // reported them, not as the last pump read left the register image.
    RegisterImage &image = *RegisterImage::shared();
    const RegisterImage *master = RegisterImage::working();
    const RegisterImage &masterImage = master ? *master : image;
    const QuickSetup::Results written = results();
    const double litres = m_ui.dsAquarium->value();
    if (!confirmProgramme(masterImage, written, litres))
        return;
    // Another batch may have begun while a question was open.
    if (!BatchStart::isIdle())
        return;
    m_waiting->exec();
    QuickSetup::prepare(masterImage, image, written, litres);
    m_state = StateWriting;
    BatchStart::queue(QuickSetup::commands(), this);
    Q_EMIT transmission();
}

bool ParameterSetup::confirmProgramme(const RegisterImage &master,
                                      const QuickSetup::Results &written, double litres)
{
    // First what changes, then, for the programme just seen, what it doses
    // above the maximum: the aquarium volume and reagents are the ones
    // Setup stores.
    QSettings &settings = AppSettings::store();
    const QStringList names = PumpNames::names(settings, PumpNames::kMasterAddress);
    const DoseProgramme::Programme after = DoseGuards::afterQuickSetup(master, written, litres);
    if (!DoseQuestions::confirmQuickSetup(
            this, DoseGuards::compare(DoseProgramme::decode(master), after), names))
        return false;
    return DoseQuestions::confirmAboveMaximum(
        this, DoseGuards::aboveMaximum(after, DoseGuards::quickSetupReagents(), litres), names,
        PumpNames::reagentNames(settings), litres);
}

void ParameterSetup::btnSave_Click()
{
    QuickSetup::store(AppSettings::store(), {inputs(), results()});
}

void ParameterSetup::operateSuccess()
{
    const int state = m_state;
    m_state = StateIdle;
    if (state != StateWriting)
        return;
    Q_EMIT quikSetup();
    btnSave_Click();
    m_edits->clear();
    m_waiting->close();
    MyMessageBox::prompt(this, 3);
}

void ParameterSetup::operateFailure(int status)
{
    Q_UNUSED(status)
    const int state = m_state;
    m_state = StateIdle;
    if (state != StateWriting)
        return;
    m_waiting->close();
    MyMessageBox::prompt(this, 4);
}

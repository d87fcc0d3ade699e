#include "LiquidStatus.h"

#include "AppSettings.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "DialogWaiting.h"
#include "LiquidStatusUnit.h"
#include "MyMessageBox.h"
#include "PumpNames.h"
#include "RegisterImage.h"
#include "UnsavedEdits.h"

#include <QShowEvent>

namespace {

// Help texts of the prompt catalogue.
constexpr int kReadHelp = 7;
constexpr int kSaveHelp = 8;
// The read of a fifth bottle, which no unit shows.
constexpr int kFifthBottle = 4;

} // namespace

LiquidStatus::LiquidStatus(int address, RegisterImage *image, const QString &pumpName,
                           QWidget *parent)
    : QWidget(parent)
    , m_address(address)
    , m_pumpName(pumpName)
    , m_image(image)
    , m_waiting(new DialogWaiting(this))
{
    m_ui.setupUi(this);
    m_units = {m_ui.wgPump1, m_ui.wgPump2, m_ui.wgPump3, m_ui.wgPump4};
    refreshLists();
    m_edits = new UnsavedEdits(this);
    refreshUnits();
    for (LiquidStatusUnit *unit : m_units)
        unit->watchEdits(m_edits);
    m_edits->setReload([this] {
        refreshLists();
        refreshUnits();
    });

    connect(m_ui.wgPump1, &LiquidStatusUnit::updataUnitData, this, &LiquidStatus::btnPump1_Clicked);
    connect(m_ui.wgPump2, &LiquidStatusUnit::updataUnitData, this, &LiquidStatus::btnPump2_Clicked);
    connect(m_ui.wgPump3, &LiquidStatusUnit::updataUnitData, this, &LiquidStatus::btnPump3_Clicked);
    connect(m_ui.wgPump4, &LiquidStatusUnit::updataUnitData, this, &LiquidStatus::btnPump4_Clicked);
    connect(m_ui.btnRead, &QPushButton::clicked, this, &LiquidStatus::btnRead_Clicked);
    connect(m_ui.btnSave, &QPushButton::clicked, this, &LiquidStatus::btnSave_Clicked);
    if (CommSend *queue = CommSend::instance())
        connect(this, &LiquidStatus::transmission, queue, &CommSend::transmission,
                Qt::QueuedConnection);
}

void LiquidStatus::showToolTips()
{
    m_ui.btnRead->setToolTip(MyMessageBox::helpText(kReadHelp));
    m_ui.btnSave->setToolTip(MyMessageBox::helpText(kSaveHelp));
}

void LiquidStatus::clearToolTips()
{
    m_ui.btnRead->setToolTip(QString());
    m_ui.btnSave->setToolTip(QString());
}

void LiquidStatus::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    showPumpNames();
    // The dose pages of this pump share its device image and may have
    // written a new programme since; the bottles stay as last read here.
    for (int pump = 0; pump < m_units.size(); ++pump)
        showDaysLeft(pump);
}

void LiquidStatus::showPumpNames()
{
    const QStringList names = PumpNames::names(AppSettings::store(), m_address, m_pumpName);
    for (int i = 0; i < names.size() && i < m_units.size(); ++i)
        m_units.at(i)->setName(names.at(i));
}

void LiquidStatus::refreshLists()
{
    m_bottles = LiquidBottles::bottles(*m_image);
}

void LiquidStatus::refreshUnits()
{
    for (int pump = 0; pump < m_units.size(); ++pump)
        refreshUnit(pump);
}

void LiquidStatus::refreshUnit(int pump)
{
    const UnsavedEdits::Loading loading(*m_edits);
    LiquidStatusUnit *unit = m_units.at(pump);
    const LiquidBottles::Bottle &bottle = m_bottles.at(pump);
    unit->setCapacity(LiquidBottles::capacityMl(bottle));
    const int left = LiquidBottles::liquidLeftMl(bottle);
    unit->setLiquidLeft(left);
    unit->setFillLevel(LiquidBottles::fillLevel(bottle));
    unit->setChecked(false);
    showDaysLeft(pump);
}

void LiquidStatus::showDaysLeft(int pump)
{
    const int left = LiquidBottles::liquidLeftMl(m_bottles.at(pump));
    const std::optional<qint64> days = LiquidBottles::daysLeft(*m_image, pump, left);
    m_units.at(pump)->setDaysLeft(days ? QString::number(*days) : QStringLiteral("--"));
}

void LiquidStatus::queue(const QStringList &commands)
{
    BatchStart::queue(commands, this);
    Q_EMIT transmission();
}

void LiquidStatus::readBottle(int pump)
{
    if (!BatchStart::isIdle())
        return;
    m_waiting->exec();
    m_pending = pump + 1;
    this->queue(LiquidBottles::readBottle(m_address, pump));
}

void LiquidStatus::btnPump1_Clicked()
{
    readBottle(0);
}

void LiquidStatus::btnPump2_Clicked()
{
    readBottle(1);
}

void LiquidStatus::btnPump3_Clicked()
{
    readBottle(2);
}

void LiquidStatus::btnPump4_Clicked()
{
    readBottle(3);
}

void LiquidStatus::btnPump5_Clicked()
{
    readBottle(kFifthBottle);
}

void LiquidStatus::btnRead_Clicked()
{
    if (!BatchStart::isIdle())
        return;
    m_waiting->exec();
    m_pending = ReadAll;
    this->queue(LiquidBottles::readAll(m_address));
}

void LiquidStatus::btnSave_Clicked()
{
    if (!BatchStart::isIdle())
        return;
    m_waiting->exec();
    m_pending = Save;
    QVector<LiquidBottles::Refill> chosen;
    for (int pump = 0; pump < m_units.size(); ++pump) {
        if (m_units.at(pump)->isChecked())
            chosen.append({pump, m_units.at(pump)->capacity()});
    }
    m_beforeSave = LiquidBottles::bottles(*m_image);
    const QStringList commands =
        LiquidBottles::refill(*m_image, *RegisterImage::shared(), m_address, chosen);
    if (commands.isEmpty()) {
        m_pending = None;
        m_waiting->close();
        MyMessageBox::prompt(this, 19);
        return;
    }
    this->queue(commands);
}

void LiquidStatus::operateSuccess()
{
    const int pending = m_pending;
    m_pending = None;
    if (pending >= 1 && pending <= LiquidBottles::kPumpCount) {
        const int pump = pending - 1;
        LiquidBottles::takeBottle(*RegisterImage::shared(), *m_image, pump);
        refreshLists();
        refreshUnit(pump);
        m_waiting->close();
        MyMessageBox::prompt(this, 5);
    } else if (pending == kFifthBottle + 1) {
        m_waiting->close();
    } else if (pending == ReadAll) {
        LiquidBottles::takeAll(*RegisterImage::shared(), *m_image);
        refreshLists();
        refreshUnits();
        m_edits->clear();
        m_waiting->close();
        MyMessageBox::prompt(this, 5);
    } else if (pending == Save) {
        refreshLists();
        refreshUnits();
        m_edits->clear();
        m_waiting->close();
        MyMessageBox::prompt(this, 3);
    }
}

void LiquidStatus::operateFailure(int status)
{
    Q_UNUSED(status)
    const int pending = m_pending;
    m_pending = None;
    if (pending >= 1 && pending <= ReadAll) {
        m_waiting->close();
        MyMessageBox::prompt(this, 6);
    } else if (pending == Save) {
        // The page never shows a bottle the pump did not accept.
        LiquidBottles::restore(*m_image, m_beforeSave);
        m_waiting->close();
        MyMessageBox::prompt(this, 4);
    }
}

#include "OverviewPage.h"

#include "AppSettings.h"
#include "BatchStart.h"
#include "CommSend.h"
#include "DialogWaiting.h"
#include "MyMessageBox.h"
#include "PumpNames.h"
#include "RegisterImage.h"
#include "UiOperate.h"

#include <QApplication>
#include <QDateTime>
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLocale>
#include <QPainter>
#include <QSettings>
#include <QStyle>
#include <QStyledItemDelegate>

namespace {

constexpr int kSecondsPerMinute = 60;
constexpr int kSecondsPerHour = 3600;
constexpr int kSecondsPerDay = 86400;
constexpr int kDaysInWeek = 7;
// Channel names are cut beyond this, whole in the tool tip.
constexpr int kChannelColumnEms = 7;
constexpr double kTreeFontScale = 0.9;
// The cell's margins and a little air beside the widest line.
constexpr int kProgrammeMarginPx = 16;
// A warning row's background; the word in the warnings column says the same
// without colour.
const QColor kWarningBackground(255, 236, 179);
const QColor kWarningText(160, 40, 0);
const QColor kOfflineText(128, 128, 128);
const QColor kBottleFill(159, 208, 240);

// The bottle column: liquid left of the capacity as a bar, the numbers on it.
class BottleDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const QVariant level = index.data(OverviewPage::kFillLevelRole);
        if (!level.isValid()) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.canConvert<QBrush>())
            painter->fillRect(option.rect, background.value<QBrush>());
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        // One line high, in the middle of rows that wrap.
        const qreal height = option.fontMetrics.height() + 6;
        QRectF outline = QRectF(option.rect).adjusted(3.5, 0, -3.5, 0);
        outline.setTop(option.rect.center().y() - height / 2 + 0.5);
        outline.setHeight(height);
        painter->setPen(option.palette.color(QPalette::Mid));
        painter->setBrush(option.palette.color(QPalette::Base));
        painter->drawRoundedRect(outline, 3, 3);
        QRectF fill = outline.adjusted(1, 1, -1, -1);
        fill.setWidth(fill.width() * qBound(0.0, level.toDouble(), 1.0));
        painter->setPen(Qt::NoPen);
        painter->setBrush(kBottleFill);
        painter->drawRect(fill);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(outline, Qt::AlignCenter, index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        // Room for the bar's frame around the text.
        return QStyledItemDelegate::sizeHint(option, index) + QSize(10, 8);
    }
};

// The programme column wraps its lines in its fixed width; the tree sizes a
// row from a hint that does not know that width.
class WrappingDelegate : public QStyledItemDelegate
{
public:
    explicit WrappingDelegate(QTreeWidget *tree)
        : QStyledItemDelegate(tree)
        , m_tree(tree)
    {
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize hint = QStyledItemDelegate::sizeHint(option, index);
        const int margin = 2 * (m_tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
        const int width = m_tree->header()->sectionSize(index.column()) - margin;
        if (width <= 0)
            return hint;
        const QRect text =
            option.fontMetrics.boundingRect(QRect(0, 0, width, QWIDGETSIZE_MAX), Qt::TextWordWrap,
                                            index.data(Qt::DisplayRole).toString());
        return QSize(hint.width(), qMax(hint.height(), text.height() + margin));
    }

private:
    QTreeWidget *m_tree;
};

QString ml(double volume)
{
    return OverviewPage::tr("%1 ml").arg(QLocale().toString(volume, 'f', 1));
}

// In the client's language, which need not be the system's.
const char *const kWeekdays[kDaysInWeek] = {
    QT_TRANSLATE_NOOP("OverviewPage", "Mon"), QT_TRANSLATE_NOOP("OverviewPage", "Tue"),
    QT_TRANSLATE_NOOP("OverviewPage", "Wed"), QT_TRANSLATE_NOOP("OverviewPage", "Thu"),
    QT_TRANSLATE_NOOP("OverviewPage", "Fri"), QT_TRANSLATE_NOOP("OverviewPage", "Sat"),
    QT_TRANSLATE_NOOP("OverviewPage", "Sun")};

QString weekdays(int mask)
{
    QStringList days;
    for (int bit = 0; bit < kDaysInWeek; ++bit) {
        if (mask & (1 << bit))
            days << OverviewPage::tr(kWeekdays[bit]);
    }
    return days.join(QStringLiteral(", "));
}

QString runModeText(const Overview::Channel &channel)
{
    if (channel.custom)
        return OverviewPage::tr("Custom plans");
    switch (channel.runMode) {
    case DoseProgramme::RunOneDay:
        return OverviewPage::tr("Every day");
    case DoseProgramme::RunTwoDays:
        return OverviewPage::tr("Every 2 days");
    case DoseProgramme::RunThreeDays:
        return OverviewPage::tr("Every 3 days");
    case DoseProgramme::RunWeek:
        return channel.weekMask ? weekdays(channel.weekMask) : OverviewPage::tr("No week day");
    default:
        return OverviewPage::tr("Unknown mode");
    }
}

// Two lines for the cell, the times on the second: equal automatic doses
// name their volume once, on the first.
QString programmeText(const Overview::Channel &channel)
{
    const QString mode = runModeText(channel);
    if (channel.doses.isEmpty())
        return OverviewPage::tr("%1\n%2").arg(mode, OverviewPage::tr("No dose"));
    QStringList parts;
    if (!channel.custom) {
        for (const auto &dose : channel.doses)
            parts << dose.time.toString(QStringLiteral("HH:mm"));
        // A volume is not broken between its number and its unit.
        return OverviewPage::tr("%1 · %2 × %3\n%4")
            .arg(mode)
            .arg(channel.doses.size())
            .arg(ml(channel.doses.first().volumeMl).replace(QLatin1Char(' '), QChar::Nbsp),
                 parts.join(QStringLiteral(", ")));
    }
    for (const auto &dose : channel.doses)
        parts << OverviewPage::tr("%1 %2")
                     .arg(dose.time.toString(QStringLiteral("HH:mm")), ml(dose.volumeMl))
                     .replace(QLatin1Char(' '), QChar::Nbsp);
    return OverviewPage::tr("%1\n%2").arg(mode, parts.join(QStringLiteral(", ")));
}

// Every dose on a line of its own, for the tool tip.
QString dosesList(const Overview::Channel &channel)
{
    QStringList lines;
    for (const auto &dose : channel.doses)
        lines << OverviewPage::tr("%1 %2").arg(dose.time.toString(QStringLiteral("HH:mm")),
                                               ml(dose.volumeMl));
    return lines.join(QLatin1Char('\n'));
}

QString warningText(Overview::Warning warning)
{
    switch (warning) {
    case Overview::Warning::LowBottle:
        return OverviewPage::tr("Bottle low");
    case Overview::Warning::SensorLow:
        return OverviewPage::tr("Sensor low");
    case Overview::Warning::NoDose:
        return OverviewPage::tr("No dose");
    case Overview::Warning::AboveMaximum:
        return OverviewPage::tr("Above maximum");
    }
    return QString();
}

int lowBottleDays()
{
    return AppSettings::store()
        .value(QLatin1String(AppSettings::kLowBottleDays), Overview::kDefaultLowBottleDays)
        .toInt();
}

void markWarning(QTreeWidgetItem *item)
{
    for (int column = 0; column < OverviewPage::ColumnCount; ++column)
        item->setBackground(column, kWarningBackground);
}

} // namespace

OverviewPage::OverviewPage(QWidget *parent)
    : QWidget(parent)
    , m_waiting(new DialogWaiting(this))
{
    m_ui.setupUi(this);
    m_ui.pbReadAll->hide();
    m_ui.twOverview->setItemDelegateForColumn(ColumnProgramme,
                                              new WrappingDelegate(m_ui.twOverview));
    m_ui.twOverview->setItemDelegateForColumn(ColumnBottle, new BottleDelegate(m_ui.twOverview));
    // Sixteen rows and more: a size smaller than the window's keeps most of
    // them in view.
    QFont small = m_ui.twOverview->font();
    small.setPointSizeF(small.pointSizeF() * kTreeFontScale);
    m_ui.twOverview->setFont(small);
    const QFontMetrics metrics(small);
    QHeaderView *header = m_ui.twOverview->header();
    header->setSectionsMovable(false);
    header->setStretchLastSection(true);
    // The numbers take what they show; the programme has room for four
    // dose times a line, wrapping the rest; the warnings take what is left.
    for (int column = 0; column < ColumnCount; ++column)
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(ColumnChannel, QHeaderView::Fixed);
    header->resizeSection(ColumnChannel,
                          kChannelColumnEms * metrics.horizontalAdvance(QLatin1Char('M')));
    header->setSectionResizeMode(ColumnProgramme, QHeaderView::Fixed);
    header->resizeSection(ColumnProgramme,
                          metrics.horizontalAdvance(QStringLiteral("08:00, 11:00, 14:00, 17:00")) +
                              kProgrammeMarginPx);
    header->setSectionResizeMode(ColumnWarnings, QHeaderView::Stretch);
    {
        const QSignalBlocker blocker(m_ui.sbLowBottleDays);
        m_ui.sbLowBottleDays->setValue(lowBottleDays());
    }

    m_progressPause.setSingleShot(true);
    m_progressPause.setInterval(DialogWaiting::kProgressPauseMs);
    connect(&m_progressPause, &QTimer::timeout, this,
            [this] { m_ui.pbReadAll->setValue(m_readDone); });
    connect(m_ui.btnReadAll, &QPushButton::clicked, this, &OverviewPage::btnReadAll_Clicked);
    connect(m_ui.sbLowBottleDays, qOverload<int>(&QSpinBox::valueChanged), this,
            &OverviewPage::lowBottleDaysChanged);
    if (CommSend *queue = CommSend::instance()) {
        connect(this, &OverviewPage::transmission, queue, &CommSend::transmission,
                Qt::QueuedConnection);
        connect(queue, &CommSend::requestProgress, this, &OverviewPage::showReadProgress,
                Qt::QueuedConnection);
    }
}

OverviewPage::~OverviewPage()
{
    if (CommSend *queue = CommSend::instance())
        queue->forget(this);
}

void OverviewPage::addDevice(const QString &name, int address, RegisterImage *image)
{
    Device device;
    device.name = name;
    device.address = address;
    device.image = image;
    m_devices.append(device);
}

void OverviewPage::setDeviceOnline(int index, bool online)
{
    if (index < 0 || index >= m_devices.size())
        return;
    m_devices[index].online = online;
    refresh();
}

void OverviewPage::refresh()
{
    compute();
    // Read All shows its pumps once it is over, not after each of them.
    if (isVisible() && m_readIndex < 0)
        buildTree();
}

void OverviewPage::compute()
{
    QSettings &settings = AppSettings::store();
    Overview::Limits limits;
    limits.lowBottleDays = lowBottleDays();
    limits.aquariumLitres = settings.value(QLatin1String(AppSettings::kAquariumVolume)).toDouble();
    const QDateTime now = QDateTime::currentDateTime();
    int warnings = 0;
    for (Device &device : m_devices) {
        limits.reagentOfChannel = PumpNames::reagentIndices(settings, device.address);
        device.channels = Overview::channels(*device.image, limits);
        device.clock = Overview::checkClock(*device.image, now);
        if (!device.online)
            continue;
        for (const Overview::Channel &channel : qAsConst(device.channels))
            warnings += channel.warnings.size();
        if (device.clock.wrong)
            ++warnings;
    }
    if (warnings != m_warningCount) {
        m_warningCount = warnings;
        Q_EMIT warningsChanged(warnings);
    }
}

void OverviewPage::buildTree()
{
    QTreeWidget *tree = m_ui.twOverview;
    tree->setUpdatesEnabled(false);
    tree->clear();
    // Items are filled before they join the tree: each change to an item in
    // it has the header measure its columns again.
    QList<QTreeWidgetItem *> pumps;
    for (const Device &device : qAsConst(m_devices))
        pumps << pumpRows(device);
    tree->addTopLevelItems(pumps);
    for (QTreeWidgetItem *pump : qAsConst(pumps))
        pump->setFirstColumnSpanned(true);
    // One layout for all pumps, where expanding each would lay out each.
    tree->expandAll();
    tree->setUpdatesEnabled(true);
}

QTreeWidgetItem *OverviewPage::pumpRows(const Device &device) const
{
    auto *pump = new QTreeWidgetItem;
    QFont bold = pump->font(ColumnChannel);
    bold.setBold(true);
    pump->setFont(ColumnChannel, bold);
    if (!device.online) {
        // Zeros would read as empty bottles and no programme.
        pump->setText(ColumnChannel,
                      tr("%1 · offline: it did not answer its last read").arg(device.name));
        pump->setForeground(ColumnChannel, kOfflineText);
        return pump;
    }
    const Overview::Clock &clock = device.clock;
    QString clockText = clock.pumpNow
        ? tr("clock %1, %2")
              .arg(clock.pumpNow->toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                   clockDifferenceText(clock.offsetSeconds))
        : tr("clock not set");
    if (clock.wrong) {
        clockText = tr("%1 · Clock wrong").arg(clockText);
        markWarning(pump);
        pump->setForeground(ColumnChannel, kWarningText);
        pump->setIcon(ColumnChannel, style()->standardIcon(QStyle::SP_MessageBoxWarning));
    }
    pump->setText(ColumnChannel, tr("%1 · %2").arg(device.name, clockText));

    QSettings &settings = AppSettings::store();
    const QStringList names = PumpNames::names(settings, device.address, device.name);
    const QStringList reagents = PumpNames::reagentNames(settings);
    const QVector<int> reagentOf = PumpNames::reagentIndices(settings, device.address);
    for (int i = 0; i < device.channels.size(); ++i) {
        const Overview::Channel &channel = device.channels.at(i);
        auto *row = new QTreeWidgetItem(pump);
        const QString name =
            names.value(i).isEmpty() ? tr("Channel %1").arg(i + 1) : names.value(i);
        // A channel named after its reagent says it once.
        const QString reagent = reagents.value(reagentOf.value(i, -1));
        row->setText(ColumnChannel,
                     reagent.isEmpty() || name.contains(reagent) ? name
                                                                 : tr("%1\n%2").arg(name, reagent));
        row->setToolTip(ColumnChannel, row->text(ColumnChannel));
        if (channel.on) {
            row->setText(ColumnProgramme, programmeText(channel));
            row->setToolTip(ColumnProgramme, dosesList(channel));
            row->setText(ColumnDaily, ml(channel.dailyMl));
        } else {
            row->setText(ColumnProgramme, tr("Off"));
            row->setText(ColumnDaily, QStringLiteral("--"));
        }
        row->setText(ColumnBottle, tr("%1 ml").arg(channel.liquidLeftMl));
        row->setToolTip(
            ColumnBottle,
            tr("%1 ml left of %2 ml").arg(channel.liquidLeftMl).arg(channel.capacityMl));
        row->setData(ColumnBottle, kFillLevelRole, channel.fillLevel);
        row->setText(ColumnDaysLeft,
                     channel.daysLeft ? QString::number(*channel.daysLeft) : QStringLiteral("--"));
        row->setText(ColumnSensor, channel.sensorLow ? tr("Low") : tr("OK"));
        row->setTextAlignment(ColumnDaily, Qt::AlignRight | Qt::AlignVCenter);
        row->setTextAlignment(ColumnDaysLeft, Qt::AlignRight | Qt::AlignVCenter);
        if (channel.warnings.isEmpty())
            continue;
        QStringList words;
        for (Overview::Warning warning : channel.warnings)
            words << warningText(warning);
        row->setText(ColumnWarnings, words.join(QLatin1Char('\n')));
        if (channel.warnings.contains(Overview::Warning::AboveMaximum) && channel.maximumMl)
            row->setToolTip(ColumnWarnings,
                            tr("%1 a day is above the maximum of %2")
                                .arg(ml(channel.dailyMl), ml(*channel.maximumMl)));
        row->setIcon(ColumnWarnings, style()->standardIcon(QStyle::SP_MessageBoxWarning));
        row->setForeground(ColumnWarnings, kWarningText);
        markWarning(row);
    }
    return pump;
}

QString OverviewPage::clockDifferenceText(qint64 seconds)
{
    const qint64 size = std::llabs(seconds);
    QString amount;
    if (size < kSecondsPerMinute)
        amount = tr("%1 s").arg(size);
    else if (size < kSecondsPerHour)
        amount = tr("%1 min").arg(size / kSecondsPerMinute);
    else if (size < kSecondsPerDay)
        amount = tr("%1 h %2 min")
                     .arg(size / kSecondsPerHour)
                     .arg(size % kSecondsPerHour / kSecondsPerMinute);
    else
        amount = tr("%1 days").arg(size / kSecondsPerDay);
    if (seconds == 0)
        return tr("same time as the PC");
    return seconds > 0 ? tr("%1 ahead of the PC").arg(amount) : tr("%1 behind the PC").arg(amount);
}

void OverviewPage::btnReadAll_Clicked()
{
    if (m_readIndex >= 0 || m_devices.isEmpty() || !BatchStart::isIdle())
        return;
    m_silent.clear();
    const int perPump = UiOperate::fullReadCommands(m_devices.first().address).size();
    m_ui.pbReadAll->setRange(0, perPump * m_devices.size());
    m_readDone = 0;
    m_ui.pbReadAll->setValue(0);
    m_ui.pbReadAll->show();
    m_ui.btnReadAll->setEnabled(false);
    m_waiting->exec();
    readDevice(0);
}

void OverviewPage::readDevice(int index)
{
    m_readIndex = index;
    if (!BatchStart::begin(UiOperate::fullReadCommands(m_devices.at(index).address), this)) {
        // Only between pumps, and nothing else may start a batch then: a
        // stop rather than a hang if it ever did.
        finishDeviceRead(false);
        return;
    }
    Q_EMIT transmission();
}

void OverviewPage::showReadProgress(int done, int total)
{
    if (m_readIndex < 0)
        return;
    m_readDone = m_readIndex * total + done;
    // Repainted a few times a second, not after each of some hundred
    // requests; the latest count shows at the end of the pause.
    if (m_progressPause.isActive())
        return;
    m_ui.pbReadAll->setValue(m_readDone);
    m_progressPause.start();
}

void OverviewPage::operateSuccess()
{
    if (m_readIndex < 0)
        return;
    Device &device = m_devices[m_readIndex];
    device.image->copyReadRangesFrom(*RegisterImage::shared());
    device.image->clockTakenAtMs = QDateTime::currentMSecsSinceEpoch();
    finishDeviceRead(true);
}

void OverviewPage::operateFailure(int status)
{
    Q_UNUSED(status)
    if (m_readIndex >= 0)
        finishDeviceRead(false);
}

void OverviewPage::finishDeviceRead(bool answered)
{
    const int index = m_readIndex;
    m_devices[index].online = answered;
    if (!answered)
        m_silent << m_devices.at(index).name;
    if (index + 1 < m_devices.size()) {
        // The next pump's requests go out first: the other pages' work on
        // this one's image then overlaps the wire instead of delaying it.
        readDevice(index + 1);
        Q_EMIT deviceRead(index, answered);
        return;
    }
    Q_EMIT deviceRead(index, answered);
    m_readIndex = -1;
    m_progressPause.stop();
    m_ui.pbReadAll->setValue(m_readDone);
    m_ui.pbReadAll->hide();
    m_ui.btnReadAll->setEnabled(true);
    m_waiting->close();
    refresh();
    if (m_silent.isEmpty())
        MyMessageBox::prompt(this, 5);
    else
        MyMessageBox::warn(this, tr("%1 did not answer").arg(m_silent.join(QStringLiteral(", "))));
}

void OverviewPage::lowBottleDaysChanged(int days)
{
    AppSettings::store().setValue(QLatin1String(AppSettings::kLowBottleDays), days);
    refresh();
}

void OverviewPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The clock difference and the names may have moved since: cheap to take again.
    refresh();
}

void OverviewPage::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        m_ui.retranslateUi(this);
    QWidget::changeEvent(event);
}

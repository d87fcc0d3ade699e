#include "LiquidStatusUnit.h"

#include "ElidedText.h"
#include "LiquidBottles.h"
#include "UnsavedEdits.h"

#include <QImage>
#include <QPixmap>

#include <cmath>

namespace {

// The picture's outline is dark blue; everything it encloses below the cap
// is glass that shows liquid or air.
bool isOutline(QRgb pixel)
{
    return qAlpha(pixel) > 200 && qRed(pixel) < 70;
}

// The bottle drawn with its liquid at level (0 to 1) of the glass's height:
// each row inside the outline takes the colour of liquid or of empty glass.
QPixmap bottleAtLevel(double level)
{
    static const QImage picture =
        QImage(QStringLiteral(":/images/bottle.PNG")).convertToFormat(QImage::Format_ARGB32);
    QImage image = picture;
    const int centre = image.width() / 2;
    // The glass runs from below the cap's outline to above the bottom's.
    int top = 0;
    while (top < image.height() && !isOutline(image.pixel(centre, top)))
        ++top;
    while (top < image.height() && isOutline(image.pixel(centre, top)))
        ++top;
    int bottom = image.height() - 1;
    while (bottom > top && !isOutline(image.pixel(centre, bottom)))
        --bottom;
    while (bottom > top && isOutline(image.pixel(centre, bottom)))
        --bottom;
    if (bottom <= top)
        return QPixmap::fromImage(image);

    const QRgb air = qRgba(225, 242, 255, 115);
    const QRgb liquid = qRgb(143, 211, 244);
    const QRgb surface = qRgb(169, 223, 249);
    const int glassRows = bottom - top + 1;
    // Rows from this one down hold liquid.
    const int firstLiquidRow = bottom + 1 - int(std::lround(level * glassRows));
    for (int y = top; y <= bottom; ++y) {
        const QRgb colour = y < firstLiquidRow ? air : y == firstLiquidRow ? surface : liquid;
        for (int x = centre; x >= 0 && !isOutline(image.pixel(x, y)); --x)
            image.setPixel(x, y, colour);
        for (int x = centre + 1; x < image.width() && !isOutline(image.pixel(x, y)); ++x)
            image.setPixel(x, y, colour);
    }
    return QPixmap::fromImage(image);
}

} // namespace

LiquidStatusUnit::LiquidStatusUnit(QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
    m_ui.dsCapacity->setRange(0, LiquidBottles::kMaxCapacityMl);
    m_ui.dsCapacity->setEnabled(false);
    connect(m_ui.btnPump, &MyLabel::clicked, this, &LiquidStatusUnit::btnPump_Clicked);
    connect(m_ui.cbPump, &QCheckBox::stateChanged, this, &LiquidStatusUnit::cbPump_StateChanged);
}

void LiquidStatusUnit::setName(const QString &name)
{
    ElidedText::setText(m_ui.lbName, name);
}

void LiquidStatusUnit::setLiquidLeft(int ml)
{
    m_ui.lbLiquidLeft->setText(tr("%1 ml").arg(QString::number(double(ml), 'f', 1)));
}

void LiquidStatusUnit::setFillLevel(double level)
{
    level = qBound(0.0, level, 1.0);
    if (level == m_fillLevel)
        return;
    m_fillLevel = level;
    m_ui.btnPump->setPixmap(bottleAtLevel(level));
}

void LiquidStatusUnit::setDaysLeft(const QString &days)
{
    m_ui.lbDaysLeft->setText(tr("%1").arg(days));
}

void LiquidStatusUnit::setCapacity(double ml)
{
    m_ui.dsCapacity->setValue(ml);
}

double LiquidStatusUnit::capacity() const
{
    return m_ui.dsCapacity->value();
}

void LiquidStatusUnit::setChecked(bool checked)
{
    m_ui.cbPump->setChecked(checked);
}

bool LiquidStatusUnit::isChecked() const
{
    return m_ui.cbPump->isChecked();
}

void LiquidStatusUnit::watchEdits(UnsavedEdits *edits)
{
    edits->watch({m_ui.dsCapacity, m_ui.cbPump});
}

void LiquidStatusUnit::btnPump_Clicked()
{
    Q_EMIT updataUnitData();
}

void LiquidStatusUnit::cbPump_StateChanged(int state)
{
    m_ui.dsCapacity->setEnabled(state == Qt::Checked);
}

void LiquidStatusUnit::combWarnMode_CurrentIndexChanged(int index)
{
    Q_UNUSED(index)
}

#include "CustomInformation.h"

#include "MyMessageBox.h"

#include <QFont>
#include <QLabel>

CustomInformation::CustomInformation(QWidget *parent)
    : QWidget(parent)
{
    m_ui.setupUi(this);
}

QVector<DoseProgramme::Plan> CustomInformation::plans() const
{
    QVector<DoseProgramme::Plan> list;
    for (int i = 0; i < m_times.size(); ++i)
        list.append({m_times.at(i), m_volumes.at(i)});
    return list;
}

QString CustomInformation::planText(int number) const
{
    const int position = number - 1;
    return position >= 0 && position < m_labels.size() ? m_labels.at(position)->text() : QString();
}

void CustomInformation::relabel(int position)
{
    m_labels.at(position)->setText(QStringLiteral("%1 %2 %3ml")
                                       .arg(position + 1)
                                       .arg(m_times.at(position).toString(QStringLiteral("hh:mm")))
                                       .arg(m_volumes.at(position), 0, 'f', 0));
}

void CustomInformation::editPlan(int index, const QTime &time, double volume)
{
    const int count = planCount();
    if (index > count) {
        if (index == count + 1)
            addPlan(time, volume);
        else
            MyMessageBox::prompt(this, 26);
        return;
    }
    if (index < 1)
        return;
    m_times[index - 1] = time;
    m_volumes[index - 1] = volume;
    relabel(index - 1);
}

void CustomInformation::deletePlan(int index)
{
    if (index < 1 || index > planCount())
        return;
    const int position = index - 1;
    delete m_labels.takeAt(position);
    m_times.removeAt(position);
    m_volumes.removeAt(position);
    for (int p = position; p < m_labels.size(); ++p)
        relabel(p);
}

void CustomInformation::addPlan(const QTime &time, double volume)
{
    auto *label = new QLabel(m_ui.scrollAreaWidgetContents);
    label->setFont(QFont(QStringLiteral("Microsoft yahei"), 10));
    // Below the last plan, above the spacer that keeps the rows at the top.
    m_ui.planLayout->insertWidget(m_labels.size(), label);
    label->show();
    m_labels.append(label);
    m_times.append(time);
    m_volumes.append(volume);
    relabel(m_labels.size() - 1);
}

void CustomInformation::clear()
{
    qDeleteAll(m_labels);
    m_labels.clear();
    m_times.clear();
    m_volumes.clear();
}

void CustomInformation::putInOrder()
{
    QVector<DoseProgramme::Plan> sorted = plans();
    DoseProgramme::sortPlans(sorted);
    for (int i = 0; i < sorted.size(); ++i) {
        m_times[i] = sorted.at(i).time;
        m_volumes[i] = sorted.at(i).volume;
        relabel(i);
    }
}

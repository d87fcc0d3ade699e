#pragma once

#include "DoseProgramme.h"

#include "ui_CustomInformation.h"
#include <QTime>
#include <QVector>
#include <QWidget>

class QLabel;

// The custom plans of one channel, one label per plan in plan order, with
// the plans' times and volumes beside the labels.
class CustomInformation : public QWidget
{
    Q_OBJECT
public:
    explicit CustomInformation(QWidget *parent = nullptr);

    // index is 1-based: one past the last plan appends, further is refused.
    void editPlan(int index, const QTime &time, double volume);
    // Ignored for an index that names no plan.
    void deletePlan(int index);
    void addPlan(const QTime &time, double volume);
    void clear();
    void putInOrder();

    int planCount() const { return m_times.size(); }
    QVector<QTime> times() const { return m_times; }
    QVector<double> volumes() const { return m_volumes; }
    QVector<DoseProgramme::Plan> plans() const;
    // The text of plan number (1-based), for tests and screenshots.
    QString planText(int number) const;

private:
    void relabel(int position);

    Ui::CustomInformation m_ui;
    QVector<QLabel *> m_labels;
    QVector<QTime> m_times;
    QVector<double> m_volumes;
};

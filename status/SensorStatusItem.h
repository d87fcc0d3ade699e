#pragma once

#include <QWidget>

// One liquid sensor as a lamp: a circle, green while the sensor is normal
// (state 0) and red otherwise, with its name beside it, red too when active.
class SensorStatusItem : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kDefaultWidth = 400;
    static constexpr int kDefaultHeight = 71;

    explicit SensorStatusItem(QWidget *parent = nullptr);

    void setName(const QString &name);
    QString name() const { return m_name; }
    void setState(int state);
    int state() const { return m_state; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_name;
    int m_state = 0;
};

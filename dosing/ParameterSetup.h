#pragma once

#include <QWidget>

namespace Ui {
class ParameterSetup;
}

// The "Quik Setup" page: recommended doses from the aquarium's consumption.
class ParameterSetup : public QWidget
{
    Q_OBJECT
public:
    explicit ParameterSetup(QWidget *parent = nullptr);
    ~ParameterSetup() override;

Q_SIGNALS:
    // The master's programme was written; the dose pages must decode it again.
    void quikSetup();

private:
    Ui::ParameterSetup *m_ui;
};

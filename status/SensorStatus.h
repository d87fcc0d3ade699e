#pragma once

// The "Liquid sensor" page: one SensorStatusSetup tab per pump in use,
// master first, each with the help text of its read button switched by
// "display_prompt".

#include "DeviceTabs.h"
#include "ui_SensorStatus.h"

class SensorStatusSetup;

class SensorStatus : public DeviceTabs
{
    Q_OBJECT
public:
    explicit SensorStatus(QWidget *parent = nullptr);

    // Builds the page if its tab has not been shown yet.
    SensorStatusSetup *tab(int index);

protected:
    QWidget *createPage(const QString &name, int address, RegisterImage *image,
                        QWidget *parent) override;
    void setPageToolTips(QWidget *page, bool shown) override;

private:
    Ui::SensorStatus m_ui;
};

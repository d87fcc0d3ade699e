#pragma once

// The "Liquid Status" page: one LiquidStatus tab per pump in use, master
// first, with the help texts of its buttons switched by "display_prompt".

#include "DeviceTabs.h"
#include "ui_LiquidStatusSetup.h"

class LiquidStatus;

class LiquidStatusSetup : public DeviceTabs
{
    Q_OBJECT
public:
    explicit LiquidStatusSetup(QWidget *parent = nullptr);

    // Builds the page if its tab has not been shown yet.
    LiquidStatus *tab(int index);

protected:
    QWidget *createPage(const QString &name, int address, RegisterImage *image,
                        QWidget *parent) override;
    void setPageToolTips(QWidget *page, bool shown) override;
    void showPumpNames(QWidget *page) override;

private:
    Ui::LiquidStatusSetup m_ui;
};

#pragma once

// The "Liquid Status" page: one LiquidStatus tab per pump in use, master
// first, with the help texts of its buttons switched by "display_prompt".

#include "DeviceTabs.h"

class LiquidStatus;

namespace Ui {
class LiquidStatusSetup;
}

class LiquidStatusSetup : public DeviceTabs
{
    Q_OBJECT
public:
    explicit LiquidStatusSetup(QWidget *parent = nullptr);
    ~LiquidStatusSetup() override;

    LiquidStatus *tab(int index) const;

protected:
    QWidget *createPage(const QString &name, int address, RegisterImage *image,
                        QWidget *parent) override;
    void setPageToolTips(QWidget *page, bool shown) override;

private:
    Ui::LiquidStatusSetup *m_ui;
};

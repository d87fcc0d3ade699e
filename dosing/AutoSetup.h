#pragma once

#include "DeviceTabs.h"
#include "ui_AutoSetup.h"

class DoseSetGroup;

// The "Dose Settings" page: one dose settings tab per pump in use, master
// first, each bound to its pump's address and device image.
class AutoSetup : public DeviceTabs
{
    Q_OBJECT
public:
    explicit AutoSetup(QWidget *parent = nullptr);

    // Builds the page if its tab has not been shown yet.
    DoseSetGroup *page(int index);
    void retranslate();

public Q_SLOTS:
    // Decodes the master's device image again, after the quick setup wrote
    // the master's programme.
    void parameterUpdate();

protected:
    QWidget *createPage(const QString &name, int address, RegisterImage *image,
                        QWidget *parent) override;
    void setPageToolTips(QWidget *page, bool shown) override;
    void showPumpNames(QWidget *page) override;

private:
    Ui::AutoSetup m_ui;
};

#pragma once

#include <QVector>
#include <QWidget>

class DoseSetGroup;
struct RegisterImage;

namespace Ui {
class AutoSetup;
}

// The "Dose Settings" page: one dose settings tab per pump in use, master
// first, each bound to its pump's address and device image.
class AutoSetup : public QWidget
{
    Q_OBJECT
public:
    explicit AutoSetup(QWidget *parent = nullptr);
    ~AutoSetup() override;

    void addDevice(const QString &name, int address, RegisterImage *image);
    // Ignored for an index without a page.
    void setDeviceOnline(int index, bool online);
    bool isDeviceOnline(int index) const;
    int deviceCount() const;
    DoseSetGroup *page(int index) const { return m_pages.value(index); }
    void showToolTips();
    void clearToolTips();
    void retranslate();

public Q_SLOTS:
    // Decodes the master's device image again, after the quick setup wrote
    // the master's programme.
    void parameterUpdate();

private:
    Ui::AutoSetup *m_ui;
    QVector<DoseSetGroup *> m_pages;
};

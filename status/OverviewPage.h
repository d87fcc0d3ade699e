#pragma once

// The "Overview" page: every channel of every pump in use on one screen,
// with the doses of a dosing day, the bottle, the sensor and the warnings,
// and each pump's clock against the PC's. It is built from the pumps'
// device images and the channel names in the settings, so showing it sends
// nothing; the main window asks it to refresh after any batch, and "Read
// All" reads every pump whole, one batch per pump, reporting each pump's
// outcome so that the other pages can follow. While the page is hidden a
// refresh only counts the warnings, which the status bar shows.

#include "CommBackOperate.h"
#include "Overview.h"

#include "ui_OverviewPage.h"
#include <QStringList>
#include <QTimer>
#include <QVector>
#include <QWidget>

class DialogWaiting;
struct RegisterImage;

class OverviewPage : public QWidget, public CommBackOperate
{
    Q_OBJECT
public:
    // Columns of the overview's tree.
    enum Column {
        ColumnChannel = 0,
        ColumnProgramme,
        ColumnDaily,
        ColumnBottle,
        ColumnDaysLeft,
        ColumnSensor,
        ColumnWarnings,
        ColumnCount
    };
    // The item data role holding a channel row's fill level (0 to 1) in the
    // bottle column, which is drawn as a bar.
    static constexpr int kFillLevelRole = Qt::UserRole + 1;

    explicit OverviewPage(QWidget *parent = nullptr);
    ~OverviewPage() override;

    void addDevice(const QString &name, int address, RegisterImage *image);
    void setDeviceOnline(int index, bool online);

    // Takes the images and settings as they are now; sends nothing.
    void refresh();
    int warningCount() const { return m_warningCount; }
    bool isReading() const { return m_readIndex >= 0; }

    // "5 min ahead of the PC", "12 s behind the PC", "same time as the PC".
    static QString clockDifferenceText(qint64 seconds);

    void operateSuccess() override;
    void operateFailure(int status) override;

Q_SIGNALS:
    void transmission();
    void warningsChanged(int count);
    // Read All heard the pump handed over as index, or heard nothing from it.
    void deviceRead(int index, bool answered);

public Q_SLOTS:
    void btnReadAll_Clicked();

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    struct Device
    {
        QString name;
        int address = 0;
        RegisterImage *image = nullptr;
        bool online = true;
        QVector<Overview::Channel> channels;
        Overview::Clock clock;
    };

    void compute();
    void buildTree();
    QTreeWidgetItem *pumpRows(const Device &device) const;
    void readDevice(int index);
    void finishDeviceRead(bool answered);
    void showReadProgress(int done, int total);
    void lowBottleDaysChanged(int days);

    Ui::OverviewPage m_ui;
    DialogWaiting *m_waiting;
    QVector<Device> m_devices;
    int m_warningCount = 0;
    // The pump Read All is reading, -1 when it is not running.
    int m_readIndex = -1;
    // Requests of Read All over so far, and the pause between two showings.
    int m_readDone = 0;
    QTimer m_progressPause;
    QStringList m_silent;
};

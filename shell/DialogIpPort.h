#pragma once

#include "ui_DialogIpPort.h"
#include <QDialog>

// The address and port of the pump's WiFi bridge. Confirm stores them for
// the next start; Reconnect restarts the running link with them as typed,
// without storing anything.
class DialogIpPort : public QDialog
{
    Q_OBJECT
public:
    explicit DialogIpPort(QWidget *parent = nullptr);

    // The port as typed; 0 when it is not a number.
    static int portFromText(const QString &text);

Q_SIGNALS:
    void finished();
    void started();

public Q_SLOTS:
    void btnCancel_Clicked();
    void btnConfirm_Clicked();
    void btnReConnect_Clicked();
    void conStatus(int state);

private:
    Ui::DialogIpPort m_ui;
};

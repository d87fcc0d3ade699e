#pragma once

#include "ui_DialogIpPort.h"
#include <QDialog>

// The address and port of the pump's WiFi bridge. Confirm stores them for
// the next start; Reconnect restarts the running link with them as typed,
// without storing anything. Neither does anything with an entry that is not
// an address or port.
class DialogIpPort : public QDialog
{
    Q_OBJECT
public:
    explicit DialogIpPort(QWidget *parent = nullptr);

    // The address and port the last Reconnect dialled, if there was one.
    bool hasDialled() const { return m_dialledPort > 0; }
    QString dialledHost() const { return m_dialledHost; }
    int dialledPort() const { return m_dialledPort; }

Q_SIGNALS:
    void finished();
    void started();

public Q_SLOTS:
    void btnCancel_Clicked();
    void btnConfirm_Clicked();
    void btnReConnect_Clicked();
    void conStatus(int state);

private:
    // The address and port as typed, when both may be stored and dialled;
    // otherwise a message naming the field, and false.
    bool checkEntry(QString *ip, int *port);

    Ui::DialogIpPort m_ui;
    QString m_dialledHost;
    int m_dialledPort = 0;
};

#pragma once

// The "Auto Dose" page of one pump: the four channel editors, Read and Save.
// Read queues the programme's sixteen requests; on success the replied
// ranges go from the register image into the pump's device image and are
// decoded into the editors. Save collects the editors and encodes only what
// differs from what was shown into a copy of the device image; when a
// channel of that copy doses more a day than its reagent's maximum, the user
// is asked first. It then copies the programme ranges into the register
// image and queues the sixteen writes, all to this page's own address; the
// device image takes the copy when the pump has accepted the whole batch.

#include "CommBackOperate.h"
#include "DoseProgramme.h"
#include "RegisterImage.h"

#include <QVector>
#include <QWidget>

#include "ui_DoseSetGroup.h"
#include <functional>
#include <memory>

class AutoModeUnit;
class DialogWaiting;
class UnsavedEdits;

class DoseSetGroup : public QWidget, public CommBackOperate
{
    Q_OBJECT
public:
    enum State { StateIdle = 0, StateReading, StateSaving };

    // pumpName, the pump's display name, goes in front of the master's channel
    // names while a slave has none of its own.
    DoseSetGroup(int address, RegisterImage *image, const QString &pumpName = QString(),
                 QWidget *parent = nullptr);

    int address() const { return m_address; }
    RegisterImage *deviceImage() const { return m_image; }
    int state() const { return m_state; }
    AutoModeUnit *unit(int channel) const { return m_units.value(channel); }

    void showToolTips();
    void clearToolTips();
    void retranslate();
    // The channel titles as the settings now name this pump's channels.
    void showPumpNames();

    void operateSuccess() override;
    void operateFailure(int status) override;

    // Test seam for the message that refuses a Save; the product never sets it.
    using RefusalObserver = std::function<void(QWidget *parent, const QString &text)>;
    static void setRefusalObserver(RefusalObserver observer);

Q_SIGNALS:
    void transmission();

public Q_SLOTS:
    void btnRead_clicked();
    void btnSave_clicked();
    void combAutoCustom_CurrentIndexChanged(int index);
    void parameterUpdate();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void decodeAndShow();
    void showProgramme(const DoseProgramme::Programme &programme);
    DoseProgramme::Programme collect() const;
    void reloadReagents();
    void refuse(const QString &text);

    Ui::DoseSetGroup m_ui;
    RegisterImage *m_image;
    int m_address;
    QString m_pumpName;
    DialogWaiting *m_waiting;
    UnsavedEdits *m_edits;
    QVector<AutoModeUnit *> m_units;
    // The programme as the editors showed it after the last decode or Save.
    DoseProgramme::Programme m_shown;
    // What a Save in flight sends, and the programme the editors then show.
    std::unique_ptr<RegisterImage> m_pending;
    DoseProgramme::Programme m_saving;
    int m_state = StateIdle;
};

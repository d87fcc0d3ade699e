#pragma once

// The client's one main window: the page list, the stack of seven pages,
// the menus, and the status bar. The orchestrator hands it the pumps; it
// switches the link between Modbus and boot mode with the page in use,
// switches the language and the help prompts, and runs the factory restore.

#include "CommBackOperate.h"
#include "DeviceHost.h"

#include "ui_MainWindowConn.h"
#include <QMainWindow>
#include <QVector>

class LinkStatusLine;
class QLabel;
class QListWidgetItem;
class QToolButton;

class MainWindowConn : public QMainWindow, public CommBackOperate, public DeviceHost
{
    Q_OBJECT
public:
    // The event-loop result that makes the entry point run the login cycle
    // again (0xF8A432EB as a signed 32-bit value).
    static constexpr int kRestartCode = -123456789;

    enum Page {
        PageOverview = 0,
        PageTimeTemp,
        PageDoseSettings,
        PageManual,
        PageLiquidStatus,
        PageQuickSetup,
        PageSensor,
        PageFirmwareUpgrade,
        PageCount,
    };

    explicit MainWindowConn(QWidget *parent = nullptr);

    void setLaunchMode(int mode) override;
    void addDevice(const QString &name, int address, RegisterImage *image) override;
    void setDeviceOnline(int index, bool online) override;
    void showFixedSize(int width, int height) override;
    void setRetryHandler(RetryHandler retry) override { m_retry = std::move(retry); }

    void operateSuccess() override;
    void operateFailure(int status) override;

    int launchMode() const { return m_launchMode; }
    bool restorePending() const { return m_restoreStep != RestoreStep::None; }
    int currentPage() const;
    QListWidgetItem *pageItem(int page) const { return m_items.value(page); }
    // Whether a page holds edits the pump has not taken.
    bool hasUnsavedEdits(int page) const;

Q_SIGNALS:
    void transmission();

public Q_SLOTS:
    void actionQuit();
    void actionBackupSetupFile();
    void actionRestoreSetupFile();
    void actionAbout();
    void actionPumpName();
    void actionIpPortSetup();
    void actionRestoreSetup();
    void actionDisplayPrompt();
    void actionQuietConfirmations();
    void actionPasswordSetup();
    void actionChemicalInterval();
    void languageEnglish();
    void languageChinese();
    void languageFrench();
    void languageGerman();
    void listWidgetSetupItemClicked(QListWidgetItem *item);
    void parameterUpdate();
    void connectStatusSlot(int state);

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The factory restore runs as two batches: the factory values, then the
    // commit that makes the pump take them.
    enum class RestoreStep { None, Writing, Committing };
    // Between the notice and the link's line.
    static constexpr int kStatusGapPx = 24;
    // QStatusBar draws a message this far from its left edge.
    static constexpr int kStatusMessageIndentPx = 6;

    void setPromptsShown(bool shown);
    void setQuietConfirmations(bool quiet);
    // The notice, or a message in its place, then the link's line in what is
    // left of the bar.
    void layOutStatusBar();
    void showUnsavedMarks();
    // True when nothing is unsaved or the user chose to drop it.
    bool mayDropUnsavedEdits();
    void switchLanguage(int code);
    void checkLanguageAction(int code);
    void showPage(int page);
    void connectLinkStatus();
    void disconnectLinkStatus();
    void queueRestoreStep(RestoreStep step, const QStringList &commands);
    void retryDevice(int index);
    // After Read All heard a pump, or not: the other pages follow as after
    // a Retry, and those without unsaved edits show what was read.
    void deviceReadAll(int index, bool answered);
    void showWarningCount(int count);
    void slaveClocksSet(const QDateTime &moment);
    // The pump whose tab the page shown shows; the master on a page without
    // pump tabs.
    int shownDevice() const;
    void reloadPumpNames();

    Ui::MainWindowConn m_ui;
    QLabel *m_statusLabel;
    LinkStatusLine *m_linkStatus;
    // The overview's warning count; a click shows the overview.
    QToolButton *m_warnings;
    // Bus address and name of each pump in use, by device index.
    QVector<int> m_deviceAddresses;
    QStringList m_deviceNames;
    QVector<RegisterImage *> m_deviceImages;
    // The pumps that did not answer their read after login, named to the
    // user once the window is up.
    QStringList m_silentAtLogin;
    QVector<QListWidgetItem *> m_items;
    // The page list's texts in the language the window was built in; a
    // language switch shows at the next start.
    QStringList m_captions;
    int m_launchMode = 0;
    RestoreStep m_restoreStep = RestoreStep::None;
    bool m_languageSwitched = false;
    QMetaObject::Connection m_linkStatusConnection;
    RetryHandler m_retry;
    // The pump being read again on the user's request, -1 when none.
    int m_retryIndex = -1;
};

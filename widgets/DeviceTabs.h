#pragma once

#include <QVector>
#include <QWidget>

class QTabWidget;
struct RegisterImage;

// A page with one tab per pump in use, master first, in the order the
// orchestrator hands the pumps over. Each tab is bound to its pump's bus
// address and device image; a pump that did not answer its read after
// login keeps its tab, covered, its page disabled, and the cover's Retry
// asks for the pump to be read again. When it answers, its page is built
// afresh from the image the read filled. Subclasses supply the form's tab
// widget and create the page of one pump.
//
// A pump's page is built the first time its tab is shown, or when code asks
// for it, not when the pump is handed over: the read-out after login would
// otherwise spend its time building pages nobody may open. Until then the
// tab holds an empty widget, which carries the cover and the disabled state
// while the container keeps the help-text switch; the page is built into
// it, filling it, and decodes its device image as it is at that moment.
//
// A page's edits the pump has not taken mark its tab ("Master *"). Leaving
// such a tab asks first: the user stays, or drops the edits and the page
// shows what the pump holds again.
class DeviceTabs : public QWidget
{
    Q_OBJECT
public:
    void addDevice(const QString &name, int address, RegisterImage *image);
    // An index past the last tab is ignored. Offline, the cover shows now as
    // the time of the last try; back online, a page built before is built
    // again, as it showed what the empty image held.
    void setDeviceOnline(int index, bool online);
    // While the pump's read runs, its cover waits and offers no Retry.
    void setDeviceRetrying(int index, bool retrying);
    bool isDeviceOnline(int index) const;
    int deviceCount() const;
    // The index of the tab shown, -1 before the first pump is handed over.
    int currentDevice() const;
    bool isPageBuilt(int index) const;
    // Switch the help texts of every tab; the main window calls these on
    // each page it switches.
    void showToolTips();
    void clearToolTips();
    // Whether the page of a tab holds edits the pump has not taken.
    bool hasUnsavedEdits(int index) const;
    // After the pump's device image was replaced: a built page shows it
    // again, its edits dropped; a page not built yet decodes it when built.
    void reloadDevice(int index);
    // After channel names were changed: every built page shows its pump's
    // names now; a slave that has none of its own shows the master's. A page
    // not built yet reads them when built.
    void reloadPumpNames();

Q_SIGNALS:
    // A tab's mark came or went.
    void unsavedEditsChanged();

Q_SIGNALS:
    // Retry was pressed on the cover of tab index.
    void retryRequested(int index);

protected:
    explicit DeviceTabs(QWidget *parent);

    // The form's tab widget, set once after setupUi.
    void setTabWidget(QTabWidget *tabs);
    // The page of a tab, built now if it was not yet; null past the last tab.
    QWidget *pageAt(int index);
    // The pages built so far, in tab order.
    QVector<QWidget *> builtPages() const;

    virtual QWidget *createPage(const QString &name, int address, RegisterImage *image,
                                QWidget *parent) = 0;
    // A new page gets the help texts "display_prompt" asked for when its
    // pump was handed over, or the last switch since. Pages without help
    // texts keep the default, which does nothing.
    virtual void setPageToolTips(QWidget *page, bool shown);
    // A page that shows channel names shows them again from the settings.
    virtual void showPumpNames(QWidget *page);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Device
    {
        QString name;
        int address = 0;
        RegisterImage *image = nullptr;
        // The tab widget's page: it carries the cover, and the built page fills it.
        QWidget *tab = nullptr;
        QWidget *page = nullptr;
        bool toolTipsShown = false;
        bool online = true;
        // Connected to retryRequested once it exists.
        QWidget *cover = nullptr;
    };

    QWidget *buildPage(Device &device);
    void setToolTipsShown(bool shown);
    void showUnsavedMark(int index);
    void tabChanged(int index);

    QTabWidget *m_tabs = nullptr;
    QVector<Device> m_devices;
    // The tab shown before the one the tab widget has just switched to.
    int m_shownTab = -1;
    bool m_switchingBack = false;
};

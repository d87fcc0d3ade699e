#pragma once

#include <QVector>
#include <QWidget>

class QTabWidget;
struct RegisterImage;

// A page with one tab per pump in use, master first, in the order the
// orchestrator hands the pumps over. Each tab is bound to its pump's bus
// address and device image; a pump that did not answer its read after
// login keeps its tab, covered and disabled. Subclasses supply the form's
// tab widget and create the tab of one pump.
class DeviceTabs : public QWidget
{
    Q_OBJECT
public:
    void addDevice(const QString &name, int address, RegisterImage *image);
    // An index past the last tab is ignored.
    void setDeviceOnline(int index, bool online);
    bool isDeviceOnline(int index) const;
    int deviceCount() const;
    // Switch the help texts of every tab; the main window calls these on
    // each page it switches.
    void showToolTips();
    void clearToolTips();

protected:
    explicit DeviceTabs(QWidget *parent);

    // The form's tab widget, set once after setupUi.
    void setTabWidget(QTabWidget *tabs);
    QWidget *pageAt(int index) const { return m_pages.value(index); }
    const QVector<QWidget *> &pages() const { return m_pages; }

    virtual QWidget *createPage(const QString &name, int address, RegisterImage *image,
                                QWidget *parent) = 0;
    // A new tab gets the help texts "display_prompt" asks for. Tabs without
    // help texts keep the default, which does nothing.
    virtual void setPageToolTips(QWidget *page, bool shown);

private:
    QTabWidget *m_tabs = nullptr;
    QVector<QWidget *> m_pages;
};

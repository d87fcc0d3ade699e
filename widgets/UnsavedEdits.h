#pragma once

#include <QObject>

#include <functional>
#include <initializer_list>

class QWidget;

// What the user has changed on a page and not yet written to the pump. The
// page names the editors whose changes count; while it fills them itself
// (at construction, after a Read, when edits are dropped) it holds a
// Loading guard, so that only the user's changes mark it. A successful save
// or Read clears the mark; a failed save leaves it. The tab containers and
// the main window find a page's trackers among its children and show the
// mark on its tab and its page-list entry.
class UnsavedEdits : public QObject
{
    Q_OBJECT
public:
    // Ignores the editors' changes while it lives.
    class Loading
    {
    public:
        explicit Loading(UnsavedEdits &edits);
        ~Loading();
        Loading(const Loading &) = delete;
        Loading &operator=(const Loading &) = delete;

    private:
        UnsavedEdits &m_edits;
    };

    // A child of page.
    explicit UnsavedEdits(QWidget *page);

    // Combo boxes, check boxes, spin boxes, date and time editors and line
    // edits; the value-change signal of each marks the page.
    void watch(QWidget *editor);
    void watch(std::initializer_list<QWidget *> editors);

    bool isUnsaved() const { return m_unsaved; }
    // For a change no watched editor reports, such as a plan added to a list.
    void markEdited();
    void clear();

    // How the page shows what the pump holds again, when the user drops the
    // edits; without one the edits stay shown and marked.
    void setReload(std::function<void()> reload);
    // Drops the edits: the page reloads and the mark clears.
    void discard();

    // Whether any tracker below root holds edits.
    static bool anyUnsaved(const QWidget *root);
    // A tab or page-list caption, marked when it holds edits.
    static QString marked(const QString &caption, bool unsaved);

Q_SIGNALS:
    void unsavedChanged(bool unsaved);

private:
    void setUnsaved(bool unsaved);
    void editorChanged();

    std::function<void()> m_reload;
    int m_loading = 0;
    bool m_unsaved = false;
};

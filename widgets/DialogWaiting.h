#pragma once

#include "ui_DialogWaiting.h"
#include <QDialog>
#include <QTimer>

class QMovie;

// The busy indicator a page shows over itself while its batch runs. It is
// not modal: exec() shows it, after a short delay, and returns at once;
// close() hides it again.
// It lies inside its page, centred, rather than in a window of its own: it
// moves with the main window, follows the page's size and is hidden with
// the page when another page or tab is shown. For a batch of more than a
// few requests it also says how many of them are over, from the queue's
// progress.
class DialogWaiting : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kSize = 50;
    // Shorter batches are over before a count could be read.
    static constexpr int kCountedFrom = 5;
    // The count changes at most this often.
    static constexpr int kProgressPauseMs = 200;
    // It shows only once its batch has run this long: longer than two
    // requests with the pump's pause after each take.
    static constexpr int kShowDelayMs = 150;

    explicit DialogWaiting(QWidget *parent = nullptr);
    ~DialogWaiting() override;

    bool isAnimating() const;
    // The count shown, empty while none is.
    QString progressText() const;

public Q_SLOTS:
    int exec() override;
    bool close();
    // done of total requests of the running batch are over.
    void setProgress(int done, int total);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void appear();
    void centreOverParent();
    void showProgress();

    Ui::DialogWaiting m_ui;
    QMovie *m_movie;
    bool m_waiting = false;
    int m_done = 0;
    int m_total = 0;
    QTimer m_progressPause;
    QTimer m_showDelay;
};

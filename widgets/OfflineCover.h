#pragma once

#include <QTime>
#include <QWidget>

class DialogWaiting;
class QLabel;
class QPushButton;

// Lies over a pump's tab when the pump did not answer its read. The tab's
// device image then holds nothing the pump said, so its fields would show
// made-up values; the cover hides them all behind "--" and says why. The
// page underneath stays disabled, so nothing is sent to the pump, while the
// cover itself offers to read the pump again: Retry, the time of the last
// try, and the waiting indicator while a read runs.
class OfflineCover : public QWidget
{
    Q_OBJECT
public:
    static constexpr const char *kObjectName = "lbOffline";

    // Covers tab, or takes its cover away; whatever else lies in tab is
    // disabled while covered. The cover, new or found, is returned.
    static OfflineCover *setCovered(QWidget *tab, bool covered);
    static bool isCovered(const QWidget *tab);
    // tab's cover, null if it never had one.
    static OfflineCover *coverOf(const QWidget *tab);

    // When the pump was last asked and did not answer.
    void setLastTry(const QTime &at);
    // While a read of the pump runs: no second Retry, and the indicator.
    void setRetrying(bool retrying);
    bool isRetrying() const { return m_retrying; }

Q_SIGNALS:
    void retryClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    explicit OfflineCover(QWidget *tab);
    void retranslate();

    QLabel *m_notice;
    QLabel *m_lastTry;
    QPushButton *m_retry;
    QWidget *m_waitingArea;
    DialogWaiting *m_waiting;
    QTime m_lastTryAt;
    bool m_retrying = false;
};

#pragma once

#include <QLabel>

// Lies over a pump's tab when the pump did not answer its read after login.
// The tab's device image then holds nothing the pump said, so its fields
// would show made-up values; the cover hides them all behind "--" and says
// why. The tab underneath stays disabled, so nothing is sent to the pump.
class OfflineCover : public QLabel
{
    Q_OBJECT
public:
    static constexpr const char *kObjectName = "lbOffline";

    // Covers page, or takes its cover away; page is disabled while covered.
    static void setCovered(QWidget *page, bool covered);
    static bool isCovered(const QWidget *page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit OfflineCover(QWidget *page);
};

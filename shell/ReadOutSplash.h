#pragma once

#include <QSplashScreen>

class QTimer;
class UiOperate;

// The splash screen between the login and the main window. While the pumps
// are read it names the pump being read and shows a bar over every request
// of the read-out, so a slow or flaky link is seen to be making headway.
class ReadOutSplash : public QSplashScreen
{
    Q_OBJECT
public:
    explicit ReadOutSplash(const QPixmap &pixmap);

    // Shows orchestrator's read-out as it goes; the connection ends with it.
    void follow(UiOperate &orchestrator);

    QString pump() const { return m_pump; }
    int done() const { return m_done; }
    int total() const { return m_total; }

public Q_SLOTS:
    // An empty total shows the picture alone.
    void setProgress(const QString &pump, int done, int total);

protected:
    void drawContents(QPainter *painter) override;

private:
    // The band along the bottom of the picture that carries the progress.
    static constexpr int kBandHeight = 54;
    static constexpr int kMargin = 12;
    static constexpr int kBarHeight = 10;
    // Two or three paints a second: the bar moves on by a few requests each.
    static constexpr int kRepaintMs = 400;

    QRect bandRect() const;

    QString m_pump;
    int m_done = 0;
    int m_total = 0;
    QTimer *m_repaint;
};

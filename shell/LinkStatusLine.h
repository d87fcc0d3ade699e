#pragma once

#include <QLabel>
#include <QTime>
#include <QVector>

// The right-hand side of the main window's status bar: the bridge address,
// the link's state in words, and one entry per pump in use with what was
// last heard of it. A text too long for its room is elided, and the whole
// text is the tool tip.
class LinkStatusLine : public QLabel
{
    Q_OBJECT
public:
    explicit LinkStatusLine(QWidget *parent = nullptr);

    void setBridge(const QString &host, int port);
    // A socket state as the link reports it: connected or not.
    void setLinkState(int state);
    // The link is down and tries again after delayMs.
    void setRetryIn(int delayMs);
    void addPump(const QString &name, int address);
    // A successful exchange with the pump, or none at all.
    void setPumpHeard(int address, const QTime &at);
    void setPumpSilent(int address);

    QString fullText() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    enum class Link { Connected, Connecting, NotConnected };
    struct Pump
    {
        QString name;
        int address = 0;
        bool silent = false;
        QTime heardAt;
    };

    void refresh();

    QString m_bridge;
    Link m_link = Link::NotConnected;
    QTime m_nextTry;
    QVector<Pump> m_pumps;
};

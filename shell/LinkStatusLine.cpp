#include "LinkStatusLine.h"

#include "Communication.h"

#include <QEvent>
#include <QFontMetrics>

LinkStatusLine::LinkStatusLine(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("lbLinkStatus"));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setStyleSheet(QStringLiteral("border-style:none"));
    refresh();
}

void LinkStatusLine::setBridge(const QString &host, int port)
{
    m_bridge = QStringLiteral("%1:%2").arg(host).arg(port);
    refresh();
}

void LinkStatusLine::setLinkState(int state)
{
    m_link = state == Communication::kConnectedState ? Link::Connected : Link::NotConnected;
    m_nextTry = QTime();
    refresh();
}

void LinkStatusLine::setRetryIn(int delayMs)
{
    m_link = Link::Connecting;
    m_nextTry = QTime::currentTime().addMSecs(delayMs);
    refresh();
}

void LinkStatusLine::addPump(const QString &name, int address)
{
    m_pumps.append({name, address, false, QTime()});
    refresh();
}

void LinkStatusLine::setPumpHeard(int address, const QTime &at)
{
    for (Pump &pump : m_pumps) {
        if (pump.address == address) {
            pump.silent = false;
            pump.heardAt = at;
        }
    }
    refresh();
}

void LinkStatusLine::setPumpSilent(int address)
{
    for (Pump &pump : m_pumps) {
        if (pump.address == address)
            pump.silent = true;
    }
    refresh();
}

QString LinkStatusLine::fullText() const
{
    QStringList parts;
    if (!m_bridge.isEmpty())
        parts << m_bridge;
    switch (m_link) {
    case Link::Connected:
        parts << tr("Connected");
        break;
    case Link::Connecting:
        parts
            << tr("Connecting... next try %1").arg(m_nextTry.toString(QStringLiteral("HH:mm:ss")));
        break;
    case Link::NotConnected:
        parts << tr("Not connected");
        break;
    }
    // A pump that does not answer comes first, so that it is the last thing
    // elided; pumps last read in the same minute share one entry.
    for (const Pump &pump : m_pumps) {
        if (pump.silent)
            parts << tr("%1 not answering").arg(pump.name);
    }
    QStringList names;
    QString minute;
    const auto flush = [&] {
        if (names.isEmpty())
            return;
        const QString who = names.join(QStringLiteral(", "));
        parts << (minute.isEmpty() ? who : tr("%1 read %2").arg(who, minute));
        names.clear();
    };
    for (const Pump &pump : m_pumps) {
        if (pump.silent)
            continue;
        const QString at =
            pump.heardAt.isValid() ? pump.heardAt.toString(QStringLiteral("HH:mm")) : QString();
        if (at != minute)
            flush();
        minute = at;
        names << pump.name;
    }
    flush();
    return parts.join(QStringLiteral(" \u00b7 "));
}

void LinkStatusLine::refresh()
{
    const QString text = fullText();
    setToolTip(text);
    setText(fontMetrics().elidedText(text, Qt::ElideRight, qMax(0, width() - 8)));
}

void LinkStatusLine::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    refresh();
}

void LinkStatusLine::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::LanguageChange || event->type() == QEvent::FontChange)
        refresh();
}

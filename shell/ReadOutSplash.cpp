#include "ReadOutSplash.h"

#include "UiOperate.h"

#include <QPainter>
#include <QTimer>

ReadOutSplash::ReadOutSplash(const QPixmap &pixmap)
    : QSplashScreen(pixmap)
    , m_repaint(new QTimer(this))
{
    setObjectName(QStringLiteral("readOutSplash"));
    m_repaint->setSingleShot(true);
    m_repaint->setInterval(kRepaintMs);
    connect(m_repaint, &QTimer::timeout, this, [this] { update(bandRect()); });
}

void ReadOutSplash::follow(UiOperate &orchestrator)
{
    connect(&orchestrator, &UiOperate::readOutProgress, this, &ReadOutSplash::setProgress);
}

void ReadOutSplash::setProgress(const QString &pump, int done, int total)
{
    m_pump = pump;
    m_done = done;
    m_total = total;
    // Requests end every 60 ms or so; painting each would cost the read-out
    // more than the eye gains. The band alone is painted, a few times a
    // second, with whatever arrived meanwhile; an emptied splash at once.
    if (total <= 0) {
        m_repaint->stop();
        update(bandRect());
    } else if (!m_repaint->isActive()) {
        m_repaint->start();
    }
}

QRect ReadOutSplash::bandRect() const
{
    return QRect(0, height() - kBandHeight, width(), kBandHeight);
}

void ReadOutSplash::drawContents(QPainter *painter)
{
    if (m_total <= 0)
        return;
    const QRect band = bandRect();
    // Opaque: the picture's own "Reading the pumps..." line lies under it.
    painter->fillRect(band, QColor(6, 30, 38));

    const QRect text = band.adjusted(kMargin, kMargin / 2, -kMargin, -(kBarHeight + kMargin));
    const QString count = tr("%1 of %2").arg(m_done).arg(m_total);
    const QFontMetrics metrics = painter->fontMetrics();
    const int countWidth = metrics.horizontalAdvance(count);
    const QString reading = metrics.elidedText(tr("Reading %1...").arg(m_pump), Qt::ElideRight,
                                               text.width() - countWidth - kMargin);
    painter->setPen(Qt::white);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, reading);
    painter->drawText(text, Qt::AlignRight | Qt::AlignVCenter, count);

    const QRect bar(band.left() + kMargin, band.bottom() - kMargin - kBarHeight + 1,
                    band.width() - 2 * kMargin, kBarHeight);
    painter->setPen(QColor(255, 255, 255, 200));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(bar.adjusted(0, 0, -1, -1));
    const int filled = int(qint64(bar.width() - 2) * qBound(0, m_done, m_total) / m_total);
    painter->fillRect(QRect(bar.left() + 1, bar.top() + 1, filled, bar.height() - 2),
                      QColor(80, 170, 255));
}

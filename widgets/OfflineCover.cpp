#include "OfflineCover.h"

#include "DialogWaiting.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

OfflineCover::OfflineCover(QWidget *tab)
    : QWidget(tab)
    , m_notice(new QLabel(this))
    , m_lastTry(new QLabel(this))
    , m_retry(new QPushButton(this))
    , m_waitingArea(new QWidget(this))
    , m_waiting(new DialogWaiting(m_waitingArea))
{
    setObjectName(QLatin1String(kObjectName));
    m_notice->setObjectName(QStringLiteral("lbOfflineNotice"));
    m_lastTry->setObjectName(QStringLiteral("lbLastTry"));
    m_retry->setObjectName(QStringLiteral("btnRetry"));
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setWordWrap(true);
    m_lastTry->setAlignment(Qt::AlignCenter);
    m_lastTry->hide();

    auto *layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(m_notice);
    layout->addWidget(m_lastTry);
    layout->addWidget(m_retry, 0, Qt::AlignHCenter);
    // Below the button, so that the indicator hides none of the text; it
    // centres itself in its area.
    const int line = m_notice->fontMetrics().height();
    m_waitingArea->setMinimumHeight(DialogWaiting::kSize + 2 * line);
    m_waitingArea->hide();
    layout->addWidget(m_waitingArea);
    layout->addStretch();

    // Opaque, so no field of the page shows through.
    setAutoFillBackground(true);
    setGeometry(tab->rect());
    tab->installEventFilter(this);
    connect(m_retry, &QPushButton::clicked, this, &OfflineCover::retryClicked);
    retranslate();
}

OfflineCover *OfflineCover::coverOf(const QWidget *tab)
{
    return tab->findChild<OfflineCover *>(QLatin1String(kObjectName), Qt::FindDirectChildrenOnly);
}

OfflineCover *OfflineCover::setCovered(QWidget *tab, bool covered)
{
    OfflineCover *cover = coverOf(tab);
    if (covered && !cover)
        cover = new OfflineCover(tab);
    // The tab itself stays enabled: the cover, its child, must take a Retry.
    for (QWidget *child : tab->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child != cover)
            child->setEnabled(!covered);
    }
    if (!cover)
        return nullptr;
    cover->setVisible(covered);
    cover->raise();
    return cover;
}

bool OfflineCover::isCovered(const QWidget *tab)
{
    const OfflineCover *cover = coverOf(tab);
    return cover && !cover->isHidden();
}

void OfflineCover::setLastTry(const QTime &at)
{
    m_lastTryAt = at;
    retranslate();
}

void OfflineCover::setRetrying(bool retrying)
{
    m_retrying = retrying;
    m_retry->setEnabled(!retrying);
    m_waitingArea->setVisible(retrying);
    if (retrying)
        m_waiting->exec();
    else
        m_waiting->close();
}

void OfflineCover::retranslate()
{
    m_notice->setText(QStringLiteral("--\n") +
                      tr("This pump did not answer when it was read, so none of its values are "
                         "known."));
    m_retry->setText(tr("Retry"));
    m_lastTry->setVisible(m_lastTryAt.isValid());
    if (m_lastTryAt.isValid())
        m_lastTry->setText(tr("Last try %1").arg(m_lastTryAt.toString(QStringLiteral("HH:mm:ss"))));
}

bool OfflineCover::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void OfflineCover::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

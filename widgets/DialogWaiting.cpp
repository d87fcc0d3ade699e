#include "DialogWaiting.h"

#include "CommSend.h"

#include <QEvent>
#include <QMovie>

namespace {
// Room around the count's text.
constexpr int kTextPadding = 8;
} // namespace

DialogWaiting::DialogWaiting(QWidget *parent)
    : QDialog(parent)
    , m_movie(new QMovie(QStringLiteral(":/Images/waiting.gif"), QByteArray(), this))
{
    m_ui.setupUi(this);
    setWindowTitle(tr("Dialog"));
    // A child of the page, not a window: a window stays where it was put
    // when the main window moves, and over whatever page is shown next.
    setWindowFlags(Qt::Widget);
    // The count must read plainly over the page's fields.
    setAutoFillBackground(true);
    setFixedSize(kSize, kSize);
    // Decoded once: a restart then costs no image reading.
    m_movie->setCacheMode(QMovie::CacheAll);
    m_ui.lbWaiting->setMovie(m_movie);
    m_ui.lbWaiting->hide();
    m_ui.lbProgress->hide();
    hide();
    if (parent)
        parent->installEventFilter(this);
    if (CommSend *queue = CommSend::instance())
        connect(queue, &CommSend::requestProgress, this, &DialogWaiting::setProgress);
    m_showDelay.setSingleShot(true);
    m_showDelay.setInterval(kShowDelayMs);
    connect(&m_showDelay, &QTimer::timeout, this, &DialogWaiting::appear);
    m_progressPause.setSingleShot(true);
    m_progressPause.setInterval(kProgressPauseMs);
    connect(&m_progressPause, &QTimer::timeout, this, [this] {
        if (m_waiting)
            showProgress();
    });
}

DialogWaiting::~DialogWaiting()
{
    m_movie->stop();
}

bool DialogWaiting::isAnimating() const
{
    return m_movie->state() == QMovie::Running && isVisible();
}

QString DialogWaiting::progressText() const
{
    return m_ui.lbProgress->isHidden() ? QString() : m_ui.lbProgress->text();
}

void DialogWaiting::centreOverParent()
{
    if (QWidget *page = parentWidget())
        move(page->rect().center() - rect().center());
}

int DialogWaiting::exec()
{
    // Shown without a modal loop: the page goes on and closes it when its
    // batch outcome arrives.
    m_waiting = true;
    m_done = 0;
    m_total = 0;
    showProgress();
    // A batch of a request or two is over before an indicator could be
    // seen: it would only flash, and drawing it costs the batch more than
    // its own work.
    m_showDelay.start();
    return 0;
}

void DialogWaiting::appear()
{
    if (!m_waiting)
        return;
    showProgress();
    m_ui.lbWaiting->show();
    m_movie->start();
    show();
    raise();
}

bool DialogWaiting::close()
{
    m_waiting = false;
    m_showDelay.stop();
    m_movie->stop();
    m_ui.lbWaiting->hide();
    hide();
    return true;
}

void DialogWaiting::setProgress(int done, int total)
{
    // Only one batch runs at a time, so while this indicator is up the
    // queue's progress is its page's batch.
    if (!m_waiting)
        return;
    m_done = done;
    m_total = total;
    // A count a few times a second reads as well as one per request and
    // costs a fraction of the repainting; the latest count shows at the
    // end of the pause.
    if (m_progressPause.isActive() || m_showDelay.isActive())
        return;
    showProgress();
    m_progressPause.start();
}

void DialogWaiting::showProgress()
{
    const bool counted = m_total >= kCountedFrom;
    if (counted)
        m_ui.lbProgress->setText(tr("request %1 of %2").arg(m_done).arg(m_total));
    m_ui.lbProgress->setVisible(counted);
    const QSize text = m_ui.lbProgress->sizeHint();
    setFixedSize(counted ? QSize(qMax(kSize, text.width() + 2 * kTextPadding),
                                 kSize + text.height() + kTextPadding)
                         : QSize(kSize, kSize));
    centreOverParent();
}

bool DialogWaiting::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        centreOverParent();
    return QDialog::eventFilter(watched, event);
}

void DialogWaiting::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && m_waiting)
        showProgress();
}

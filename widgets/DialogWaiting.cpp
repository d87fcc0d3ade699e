#include "DialogWaiting.h"

#include <QMovie>

DialogWaiting::DialogWaiting(QWidget *parent)
    : QDialog(parent)
    , m_movie(new QMovie(QStringLiteral(":/Images/waiting.gif"), QByteArray(), this))
{
    m_ui.setupUi(this);
    setWindowTitle(tr("Dialog"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(kSize, kSize);
    // Decoded once: a restart then costs no image reading.
    m_movie->setCacheMode(QMovie::CacheAll);
    m_ui.lbWaiting->setMovie(m_movie);
    m_ui.lbWaiting->hide();
}

DialogWaiting::~DialogWaiting()
{
    m_movie->stop();
}

bool DialogWaiting::isAnimating() const
{
    return m_movie->state() == QMovie::Running && isVisible();
}

void DialogWaiting::centreOverParent()
{
    QWidget *page = parentWidget();
    if (!page)
        return;
    const QPoint centre = page->mapToGlobal(page->rect().center());
    move(centre - QPoint(kSize / 2, kSize / 2));
}

int DialogWaiting::exec()
{
    // Shown without a modal loop: the page goes on and closes it when its
    // batch outcome arrives.
    centreOverParent();
    m_ui.lbWaiting->show();
    m_movie->start();
    show();
    raise();
    return 0;
}

bool DialogWaiting::close()
{
    m_movie->stop();
    m_ui.lbWaiting->hide();
    hide();
    return true;
}

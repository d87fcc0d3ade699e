#include "OfflineCover.h"

#include <QEvent>

OfflineCover::OfflineCover(QWidget *page)
    : QLabel(page)
{
    setObjectName(QLatin1String(kObjectName));
    setText(QStringLiteral("--\n") +
            tr("This pump did not answer when it was read, so none of its values are known."));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    // Opaque, so no field of the page shows through.
    setAutoFillBackground(true);
    // The page under it is disabled; the notice must still read plainly.
    QPalette shown = palette();
    shown.setColor(QPalette::Disabled, QPalette::WindowText,
                   shown.color(QPalette::Active, QPalette::WindowText));
    setPalette(shown);
    setGeometry(page->rect());
    page->installEventFilter(this);
}

void OfflineCover::setCovered(QWidget *page, bool covered)
{
    auto *cover =
        page->findChild<OfflineCover *>(QLatin1String(kObjectName), Qt::FindDirectChildrenOnly);
    if (covered && !cover)
        cover = new OfflineCover(page);
    page->setEnabled(!covered);
    if (!cover)
        return;
    cover->setVisible(covered);
    cover->raise();
}

bool OfflineCover::isCovered(const QWidget *page)
{
    const auto *cover =
        page->findChild<OfflineCover *>(QLatin1String(kObjectName), Qt::FindDirectChildrenOnly);
    return cover && !cover->isHidden();
}

bool OfflineCover::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QLabel::eventFilter(watched, event);
}

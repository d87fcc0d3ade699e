#include "ElidedText.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QVariant>

namespace {

const char kFullTextProperty[] = "elidedTextFull";

QString fitted(const QWidget *widget, int width)
{
    return widget->fontMetrics().elidedText(ElidedText::fullText(widget), Qt::ElideRight,
                                            qMax(0, width));
}

// The width a group box's style leaves its title.
int titleWidth(const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.subControls = QStyle::SC_GroupBoxLabel;
    option.textAlignment = box->alignment();
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    // The style indents the title; the same on the right keeps it off the frame's corner.
    return box->width() - 2 * label.left();
}

// The width a combo box's style leaves its current text.
int textWidth(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    // The style draws the text one pixel in from each side of the field.
    return field.width() - 2;
}

void showItems(QComboBox *combo)
{
    const int width = textWidth(combo);
    for (int i = 0; i < combo->count(); ++i) {
        const QString full = combo->itemData(i, Qt::ToolTipRole).toString();
        combo->setItemText(i, combo->fontMetrics().elidedText(full, Qt::ElideRight, width));
    }
}

void show(QWidget *widget)
{
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        showItems(combo);
        return;
    }
    const QString full = ElidedText::fullText(widget);
    QString shown;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        shown = fitted(label, label->contentsRect().width());
        label->setText(shown);
    } else if (auto *box = qobject_cast<QGroupBox *>(widget)) {
        shown = fitted(box, titleWidth(box));
        box->setTitle(shown);
    }
    widget->setToolTip(shown == full ? QString() : full);
}

// Cuts the text again when the widget's width or font changes.
class Refitter : public QObject
{
public:
    static Refitter &instance()
    {
        static Refitter refitter;
        return refitter;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Resize:
        case QEvent::FontChange:
        case QEvent::StyleChange:
            show(static_cast<QWidget *>(watched));
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};

void take(QWidget *widget, const QString &text)
{
    if (!widget->property(kFullTextProperty).isValid()) {
        if (qobject_cast<QLabel *>(widget)) {
            // Without this the label's size hint would follow the whole
            // text and widen the column it stands in. A group box keeps its
            // policy: its contents need their width, and its cut title asks
            // for no more than it has.
            QSizePolicy policy = widget->sizePolicy();
            policy.setHorizontalPolicy(QSizePolicy::Ignored);
            widget->setSizePolicy(policy);
        }
        widget->installEventFilter(&Refitter::instance());
    }
    widget->setProperty(kFullTextProperty, text);
    show(widget);
}

} // namespace

void ElidedText::setText(QLabel *label, const QString &text)
{
    take(label, text);
}

void ElidedText::setTitle(QGroupBox *box, const QString &title)
{
    take(box, title);
}

void ElidedText::setItemText(QComboBox *combo, int index, const QString &text)
{
    if (!combo->property(kFullTextProperty).isValid()) {
        // Marks the box as watched; its items keep their own whole texts.
        combo->setProperty(kFullTextProperty, QString());
        combo->installEventFilter(&Refitter::instance());
    }
    combo->setItemData(index, text, Qt::ToolTipRole);
    showItems(combo);
}

QString ElidedText::fullText(const QWidget *widget)
{
    const QVariant full = widget->property(kFullTextProperty);
    if (full.isValid())
        return full.toString();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *box = qobject_cast<const QGroupBox *>(widget))
        return box->title();
    return QString();
}

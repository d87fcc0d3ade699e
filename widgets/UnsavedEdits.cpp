#include "UnsavedEdits.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QWidget>

#include <algorithm>

UnsavedEdits::Loading::Loading(UnsavedEdits &edits)
    : m_edits(edits)
{
    ++m_edits.m_loading;
}

UnsavedEdits::Loading::~Loading()
{
    --m_edits.m_loading;
}

UnsavedEdits::UnsavedEdits(QWidget *page)
    : QObject(page)
{
}

void UnsavedEdits::watch(QWidget *editor)
{
    // Value changes rather than the user-only signals: spin boxes and time
    // editors have none, and the page's own fills are held off by Loading.
    if (auto *combo = qobject_cast<QComboBox *>(editor))
        connect(combo, qOverload<int>(&QComboBox::currentIndexChanged), this,
                &UnsavedEdits::editorChanged);
    else if (auto *button = qobject_cast<QAbstractButton *>(editor))
        connect(button, &QAbstractButton::toggled, this, &UnsavedEdits::editorChanged);
    else if (auto *spin = qobject_cast<QSpinBox *>(editor))
        connect(spin, qOverload<int>(&QSpinBox::valueChanged), this, &UnsavedEdits::editorChanged);
    else if (auto *doubleSpin = qobject_cast<QDoubleSpinBox *>(editor))
        connect(doubleSpin, qOverload<double>(&QDoubleSpinBox::valueChanged), this,
                &UnsavedEdits::editorChanged);
    else if (auto *dateTime = qobject_cast<QDateTimeEdit *>(editor))
        connect(dateTime, &QDateTimeEdit::dateTimeChanged, this, &UnsavedEdits::editorChanged);
    else if (auto *line = qobject_cast<QLineEdit *>(editor))
        connect(line, &QLineEdit::textChanged, this, &UnsavedEdits::editorChanged);
    else
        qWarning("UnsavedEdits: %s is no editor it knows", qPrintable(editor->objectName()));
}

void UnsavedEdits::watch(std::initializer_list<QWidget *> editors)
{
    for (QWidget *editor : editors)
        watch(editor);
}

void UnsavedEdits::editorChanged()
{
    if (m_loading == 0)
        setUnsaved(true);
}

void UnsavedEdits::markEdited()
{
    editorChanged();
}

void UnsavedEdits::clear()
{
    setUnsaved(false);
}

void UnsavedEdits::setReload(std::function<void()> reload)
{
    m_reload = std::move(reload);
}

void UnsavedEdits::discard()
{
    if (!m_reload)
        return;
    {
        const Loading loading(*this);
        m_reload();
    }
    clear();
}

void UnsavedEdits::setUnsaved(bool unsaved)
{
    if (unsaved == m_unsaved)
        return;
    m_unsaved = unsaved;
    Q_EMIT unsavedChanged(unsaved);
}

bool UnsavedEdits::anyUnsaved(const QWidget *root)
{
    const QList<UnsavedEdits *> trackers = root->findChildren<UnsavedEdits *>();
    return std::any_of(trackers.cbegin(), trackers.cend(),
                       [](const UnsavedEdits *edits) { return edits->isUnsaved(); });
}

QString UnsavedEdits::marked(const QString &caption, bool unsaved)
{
    return unsaved ? caption + QStringLiteral(" *") : caption;
}

#include "EscapeGuard.h"

#include "MessageBoxes.h"

#include <QDialog>
#include <QKeyEvent>
#include <QMetaProperty>
#include <QWidget>

void TEscapeGuard::Install(QDialog* dialog, QList<QWidget*> fields, std::function<bool()> changedOtherwise)
{
    if (!dialog)
        return;
    dialog->installEventFilter(new TEscapeGuard(dialog, std::move(fields), std::move(changedOtherwise)));
}

TEscapeGuard::TEscapeGuard(QDialog* dialog, QList<QWidget*> fields, std::function<bool()> changedOtherwise)
    : QObject(dialog)
    , m_dialog(dialog)
    , m_fields(std::move(fields))
    , m_changedOtherwise(std::move(changedOtherwise))
{
}

QList<QVariant> TEscapeGuard::Values() const
{
    QList<QVariant> values;
    for (const QWidget* field : m_fields)
        values.append(field->metaObject()->userProperty().read(field));
    return values;
}

bool TEscapeGuard::InputChanged() const
{
    return Values() != m_opened || (m_changedOtherwise && m_changedOtherwise());
}

bool TEscapeGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_dialog)
        return QObject::eventFilter(watched, event);
    // The dialog is filled before it is shown: that is the input it opened with.
    if (event->type() == QEvent::Show)
        m_opened = Values();
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape
        || static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier || !InputChanged())
        return QObject::eventFilter(watched, event);
    const bool discard = AskWarningQuestion(m_dialog->windowTitle(),
                                            QStringLiteral("Закрыть окно? Введённые данные не будут сохранены."),
                                            m_dialog);
    return !discard;
}

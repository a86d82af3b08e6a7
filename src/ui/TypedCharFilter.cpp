#include "TypedCharFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

TTypedCharFilter* TTypedCharFilter::Install(QLineEdit* edit, TOptions options)
{
    auto* filter = new TTypedCharFilter(edit, options);
    edit->installEventFilter(filter);
    return filter;
}

TTypedCharFilter::TTypedCharFilter(QLineEdit* edit, TOptions options)
    : QObject(edit)
    , m_edit(edit)
    , m_options(options)
{
}

bool TTypedCharFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::KeyPress)
        return Discards(static_cast<QKeyEvent*>(event));
    return QObject::eventFilter(watched, event);
}

bool TTypedCharFilter::Discards(QKeyEvent* key)
{
    if (key->matches(QKeySequence::Copy))
        return !m_options.Copy;
    if (key->matches(QKeySequence::Paste))
        return !m_options.Paste;
    const QString text = key->text();
    if (text.isEmpty() || key->key() == Qt::Key_Backspace)
        return false;
    // Every other Ctrl combination types a control character (cut, select all, undo).
    if (key->modifiers() & Qt::ControlModifier)
        return true;
    const QChar typed = text.front();
    if (typed.category() == QChar::Other_Control)
        return false; // Enter, Escape, Tab, Delete
    if (typed >= QLatin1Char('0') && typed <= QLatin1Char('9'))
        return false;
    if (m_options.DecimalSeparator) {
        const QString separator = QLocale().decimalPoint();
        if (typed == QLatin1Char(',') || typed == QLatin1Char('.') || text == separator) {
            m_edit->insert(separator);
            return true;
        }
    }
    return true;
}

#include "TypedCharFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>

namespace {
bool IsDigitsOnly(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}
}

TTypedCharFilter* TTypedCharFilter::Install(QLineEdit* edit, TOptions options)
{
    if (!edit)
        return nullptr;
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

bool TTypedCharFilter::Discards(const QKeyEvent* key)
{
    if (key->matches(QKeySequence::Copy))
        return !m_options.Copy;
    if (key->matches(QKeySequence::Paste))
        return !m_options.Paste;
    // Cut copies as well: a field that keeps its text off the clipboard refuses it.
    if (key->matches(QKeySequence::Cut))
        return !m_options.Copy;
    // They bring back or mark only what the field held already.
    if (key->matches(QKeySequence::SelectAll) || key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo))
        return false;
    if (key->key() == Qt::Key_Backspace)
        return false;
    const QString text = key->text();
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    // Ctrl+Alt is AltGr on some layouts: it types characters, judged below.
    const bool control = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
    // Any other shortcut: refused whether or not this platform gives it a text.
    if (control && key->key() >= Qt::Key_A && key->key() <= Qt::Key_Z)
        return true;
    // Keys that type nothing, and Enter, Escape, Tab and Delete, which the form acts on.
    if (text.isEmpty() || text.front().category() == QChar::Other_Control)
        return false;
    if (control)
        return true; // a shortcut, never a typed character
    if (IsDigitsOnly(text))
        return false;
    if (m_options.DecimalSeparator) {
        const QString separator = QLocale().decimalPoint();
        if (text == QLatin1String(",") || text == QLatin1String(".") || text == separator) {
            m_edit->insert(separator);
            return true;
        }
    }
    return true;
}

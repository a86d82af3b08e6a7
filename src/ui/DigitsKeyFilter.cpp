#include "DigitsKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

void TDigitsKeyFilter::Install(QLineEdit* edit, bool allowDecimalSeparator)
{
    if (edit)
        edit->installEventFilter(new TDigitsKeyFilter(edit, allowDecimalSeparator));
}

TDigitsKeyFilter::TDigitsKeyFilter(QLineEdit* edit, bool allowDecimalSeparator)
    : QObject(edit)
    , m_edit(edit)
    , m_allowDecimalSeparator(allowDecimalSeparator)
{
}

bool TDigitsKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_edit || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key->key() >= Qt::Key_A
        && key->key() <= Qt::Key_Z)
        return key->key() != Qt::Key_C && key->key() != Qt::Key_V;
    const QString text = key->text();
    // Keys that type nothing (arrows, Delete, Home) and control characters
    // (Backspace, Enter and Escape for the dialog's buttons) pass.
    if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7f)
        return false;
    if (text.size() == 1 && text.at(0).isDigit() && text.at(0).unicode() < 0x80)
        return false;
    if (m_allowDecimalSeparator) {
        const QString separator = QLocale().decimalPoint();
        if (text == separator)
            return false;
        if (text == QLatin1String(",") || text == QLatin1String(".")) {
            m_edit->insert(separator);
            return true;
        }
    }
    return true;
}

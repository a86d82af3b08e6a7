#pragma once

#include <QObject>

class QLineEdit;

// Lets only digits (and, for amounts, the locale's decimal separator) be
// typed into a field. Typed "," and "." both become the locale's separator.
// Editing keys pass; of the Ctrl+letter keys only copy and paste do, so Ctrl+X
// and Ctrl+Z cannot sneak text in or out. Pasted text is not filtered: the
// dialogs judge it when they validate.
class TDigitsKeyFilter : public QObject
{
    Q_OBJECT

public:
    // The filter belongs to the edit it is installed on.
    static void Install(QLineEdit* edit, bool allowDecimalSeparator);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TDigitsKeyFilter(QLineEdit* edit, bool allowDecimalSeparator);

    QLineEdit* m_edit;
    bool m_allowDecimalSeparator;
};

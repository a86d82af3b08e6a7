#pragma once

#include <QList>

class QLabel;
class QLineEdit;

// Refuses, before anything is stored, a typed text that the loan-book file
// cannot hold (a character without a Windows-1251 code): the first such field
// is marked at fault and gets the focus with the character selected, and the
// reason is shown in the form's error label, or in a message box when the
// form has none. True when
// refused; the form then stays open with everything typed.
bool RefuseUnstorableText(const QList<QLineEdit*>& fields, QLabel* reasonLabel = nullptr);

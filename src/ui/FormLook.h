#pragma once

#include <QSize>

class QColor;
class QDialog;
class QLineEdit;
class QWidget;

// Small pieces of look shared by the dialogs.

// A read-only, borderless field that reads like text on the form: its
// background is the form's.
void ShowAsPlainText(QLineEdit* field);
// Widens the field, up to maxWidth, so that its whole text shows.
void FitFieldToText(QLineEdit* field, int maxWidth);
// The colour of a label's or a field's text.
void SetTextColor(QWidget* widget, const QColor& color);
// A window of fixed size: the designed size, or more where the fonts of this
// machine need more room, so that no text is cut off.
void FixFormSize(QWidget* form, QSize designed);
// Title bar with the system menu and the minimise button only, no resizing.
void UseSingleBorder(QDialog* form);

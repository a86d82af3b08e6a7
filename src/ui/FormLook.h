#pragma once

#include <QSize>

class QColor;
class QDialog;
class QLineEdit;
class QWidget;

// Small pieces of look shared by the dialogs.

// A read-only, borderless field that reads like text on the form: its
// background is the form's. It takes no Tab stop (a click still lets the
// user select and copy its text), so it never opens with its text marked.
void ShowAsPlainText(QLineEdit* field);
// The small hints and captions marked in the design with the dynamic property
// "smallHint": a fixed share of the form's own font, so they grow and shrink
// with the font the user chose.
void ShowSmallHints(QWidget* form);
// Widens the field, up to maxWidth, so that its whole text shows.
void FitFieldToText(QLineEdit* field, int maxWidth);
// The selected line of a list or grid stays marked in full colour while
// another control of the form has the focus.
void KeepSelectionVisible(QWidget* view);
// The colour of a label's or a field's text.
void SetTextColor(QWidget* widget, const QColor& color);
// A window of fixed size: the designed size, or more where the fonts of this
// machine need more room, so that no text is cut off.
void FixFormSize(QWidget* form, QSize designed);
// Title bar with the system menu and the minimise button only, no resizing.
void UseSingleBorder(QDialog* form);

#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;

// The key filter of the number fields: of the characters typed into a line
// edit it lets through only digits, Backspace and, as configured, the decimal
// separator and the copy and paste keys (cut goes with copy). Select all, undo
// and redo always work; every other Ctrl shortcut is refused, so that no text
// sneaks in or out by the keyboard.
// Keys that type no character (arrows, Delete, Home) and Enter, Escape and Tab
// pass, so that the form still sees them. Text pasted by other means is not
// filtered: forms validate what they read.
class TTypedCharFilter : public QObject
{
    Q_OBJECT

public:
    struct TOptions
    {
        bool DecimalSeparator = false; // the locale's, with "," and "." typed as it
        bool Copy = false;
        bool Paste = false;
    };

    // Filters the keys of the edit from now on; the edit owns the filter.
    // Nothing happens without an edit.
    static TTypedCharFilter* Install(QLineEdit* edit, TOptions options);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TTypedCharFilter(QLineEdit* edit, TOptions options);
    // True when the key is to be discarded.
    bool Discards(const QKeyEvent* key);

    QLineEdit* m_edit;
    TOptions m_options;
};

#pragma once

#include <QList>
#include <QObject>
#include <QVariant>
#include <functional>

class QDialog;
class QWidget;

// Escape on a form holding typed input asks before that input is thrown
// away; on a form as it was opened it closes at once, as always. Cancel and
// the title bar's close button stay the clerk's deliberate way out.
class TEscapeGuard : public QObject
{
    Q_OBJECT

public:
    // Guards the dialog from now on; the dialog owns the guard. The input is
    // what the fields (edits, date pickers: any control with a user property)
    // hold when the dialog is shown; `changedOtherwise` may tell of changes
    // made without typing (a respite granted). Nothing without a dialog.
    static void Install(QDialog* dialog, QList<QWidget*> fields, std::function<bool()> changedOtherwise = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TEscapeGuard(QDialog* dialog, QList<QWidget*> fields, std::function<bool()> changedOtherwise);
    QList<QVariant> Values() const;
    bool InputChanged() const;

    QDialog* m_dialog;
    QList<QWidget*> m_fields;
    std::function<bool()> m_changedOtherwise;
    QList<QVariant> m_opened;
};

#pragma once

#include "support/WindowTestSupport.h"

#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <functional>

// Plays the user through a whole use case: answers the modal dialogs and the
// message boxes in the order scripted, and writes what appeared into Events
// ("TAddDebtorForm", "box Добавить кредит этому должнику?"), where a test
// double may write its own lines too. A dialog or box beyond the script is
// refused (Cancel, No) and noted as "unexpected ...". The overdue-update
// window closes by itself and is only noted.
class TDialogScript : public QObject
{
public:
    TDialogScript() { SchedulePoll(); }

    // The next dialog is of type TForm; act fills it and presses its buttons.
    // Whatever act leaves open is cancelled.
    template <typename TForm>
    TDialogScript& Then(std::function<void(TForm*)> act)
    {
        m_steps.append({QString::fromLatin1(TForm::staticMetaObject.className()),
                        [act](QDialog* dialog) { act(static_cast<TForm*>(dialog)); }, QMessageBox::NoButton});
        return *this;
    }
    // The next dialog of type TForm is cancelled.
    template <typename TForm>
    TDialogScript& ThenCancel()
    {
        return Then<TForm>([](TForm* form) { form->reject(); });
    }
    // The next message box is answered with the button.
    TDialogScript& Answer(QMessageBox::StandardButton button)
    {
        m_steps.append({QStringLiteral("box"), {}, button});
        return *this;
    }

    QStringList Events;
    QList<TMessageBoxRequest> Boxes;
    int Unused() const { return int(m_steps.size()); }
    QStringList Unexpected() const { return Events.filter(QStringLiteral("unexpected")); }

private:
    struct TStep
    {
        QString Kind; // the dialog's class name, or "box"
        std::function<void(QDialog*)> Act;
        QMessageBox::StandardButton Button;
    };

    // A timer is not run again while its own handler runs, and a dialog
    // opened by another one's button runs inside that handler: each look
    // therefore books the next one first.
    void SchedulePoll() { QTimer::singleShot(5, this, &TDialogScript::Poll); }

    void Poll()
    {
        SchedulePoll();
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (const QPointer<QDialog>& seen : m_seen)
            if (seen == dialog)
                return;
        m_seen.append(dialog);
        const QString kind = QString::fromLatin1(dialog->metaObject()->className());
        if (kind == QLatin1String("TScheduleDelayUpdateForm")) {
            Events << kind;
            return;
        }
        if (m_steps.isEmpty() || m_steps.first().Kind != kind) {
            Events << QStringLiteral("unexpected ") + kind;
            dialog->reject();
            return;
        }
        Events << kind;
        const TStep step = m_steps.takeFirst();
        QPointer<QDialog> open(dialog);
        step.Act(dialog);
        if (open && open->isVisible())
            open->reject();
    }

    QMessageBox::StandardButton OnBox(const TMessageBoxRequest& request)
    {
        Boxes << request;
        if (request.Buttons == QMessageBox::Ok) {
            Events << QStringLiteral("box ") + request.Text;
            return QMessageBox::Ok;
        }
        if (m_steps.isEmpty() || m_steps.first().Kind != QLatin1String("box")) {
            Events << QStringLiteral("unexpected box ") + request.Text;
            return QMessageBox::No;
        }
        Events << QStringLiteral("box ") + request.Text;
        return m_steps.takeFirst().Button;
    }

    QList<TStep> m_steps;
    QList<QPointer<QDialog>> m_seen;
    TSeamAnswer<TMessageBoxHandler> m_boxes{SetMessageBoxHandler,
                                            [this](const TMessageBoxRequest& request) { return OnBox(request); }};
};

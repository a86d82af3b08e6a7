#pragma once

#include "support/WindowTestSupport.h"

#include "ui/MessageBoxes.h"
#include "ui/ModalDialogs.h"
#include "ui/OpenFileDialog.h"
#include "ui/SQLiteConnectionBuildDialog.h"

#include <QDialog>
#include <QLabel>
#include <QList>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

// Plays the user at the program's message boxes and connection dialogs:
// answers them in the order given and records what was shown. Error boxes
// (OK only) are acknowledged without a scripted answer. Anything shown
// beyond the script is refused (No, Cancel) and recorded as "unexpected".
class TScriptedUser
{
public:
    struct TShown
    {
        QString Kind; // "question", "error", "dialog" or "unexpected ..."
        QString Caption;
        QString Text; // a box's text, or the dialog's message line when it appeared
        QMessageBox::Icon Icon = QMessageBox::NoIcon;
    };

    // The next question is answered with the button.
    TScriptedUser& Answer(QMessageBox::StandardButton button)
    {
        m_steps.append({TStep::Box, button, {}});
        return *this;
    }
    // In the next connection dialog the file is picked with the browse button, then OK is pressed.
    TScriptedUser& ChooseFile(const QString& fileName)
    {
        m_steps.append({TStep::Choose, QMessageBox::NoButton, fileName});
        return *this;
    }
    // The next connection dialog is cancelled.
    TScriptedUser& Cancel()
    {
        m_steps.append({TStep::Cancel, QMessageBox::NoButton, {}});
        return *this;
    }
    // Steps in words ("yes", "no", "cancel", or a file name to choose), for data tables.
    TScriptedUser& Play(const QStringList& steps)
    {
        for (const QString& step : steps) {
            if (step == QLatin1String("yes"))
                Answer(QMessageBox::Yes);
            else if (step == QLatin1String("no"))
                Answer(QMessageBox::No);
            else if (step == QLatin1String("cancel"))
                Cancel();
            else
                ChooseFile(step);
        }
        return *this;
    }

    const QList<TShown>& Shown() const { return m_shown; }
    QStringList Kinds() const
    {
        QStringList kinds;
        for (const TShown& shown : m_shown)
            kinds << shown.Kind;
        return kinds;
    }
    // Scripted steps nobody asked for.
    int Unused() const { return static_cast<int>(m_steps.size()); }

private:
    struct TStep
    {
        enum TKind { Box, Choose, Cancel } Kind;
        QMessageBox::StandardButton Button;
        QString FileName;
    };

    QMessageBox::StandardButton OnBox(const TMessageBoxRequest& request)
    {
        const bool isError = request.Buttons == QMessageBox::Ok;
        QString kind = isError ? QStringLiteral("error") : QStringLiteral("question");
        if (isError) {
            m_shown.append({kind, request.Caption, request.Text, request.Icon});
            return QMessageBox::Ok;
        }
        if (m_steps.isEmpty() || m_steps.first().Kind != TStep::Box) {
            m_shown.append({QStringLiteral("unexpected ") + kind, request.Caption, request.Text, request.Icon});
            return QMessageBox::No;
        }
        m_shown.append({kind, request.Caption, request.Text, request.Icon});
        return m_steps.takeFirst().Button;
    }

    int OnDialog(QDialog& dialog)
    {
        auto* connectionDialog = qobject_cast<TSQLiteConnectionBuildDialog*>(&dialog);
        if (!connectionDialog || m_steps.isEmpty() || m_steps.first().Kind == TStep::Box) {
            m_shown.append({QStringLiteral("unexpected dialog"), dialog.windowTitle(), {}});
            return QDialog::Rejected;
        }
        connectionDialog->Shaker().SetDelayTime(0);
        dialog.show();
        m_shown.append({QStringLiteral("dialog"), dialog.windowTitle(), LabelText(&dialog, "InfoLabel")});
        const TStep step = m_steps.takeFirst();
        if (step.Kind == TStep::Cancel) {
            QTest::mouseClick(Find<QPushButton>(&dialog, "CancelButton"), Qt::LeftButton);
        } else {
            {
                const TSeamAnswer chosen(SetOpenFileHandler, [&step](const TOpenFileRequest&) { return step.FileName; });
                QTest::mouseClick(Find<QToolButton>(&dialog, "OpenFileButton"), Qt::LeftButton);
            }
            QTest::mouseClick(Find<QPushButton>(&dialog, "OkButton"), Qt::LeftButton);
        }
        // A refused OK leaves the dialog open; the user then gives up.
        if (dialog.isVisible())
            dialog.reject();
        return dialog.result();
    }

    QList<TStep> m_steps;
    QList<TShown> m_shown;
    // Last, so that the answers are withdrawn before the script goes.
    TSeamAnswer<TMessageBoxHandler> m_boxes{SetMessageBoxHandler,
                                            [this](const TMessageBoxRequest& request) { return OnBox(request); }};
    TSeamAnswer<TModalHandler> m_dialogs{SetModalHandler, [this](QDialog& dialog) { return OnDialog(dialog); }};
};

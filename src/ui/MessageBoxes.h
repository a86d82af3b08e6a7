#pragma once

#include <QMap>
#include <QMessageBox>
#include <functional>

class QWidget;

// One message box as the program words it; lines are broken by "\r\n".
struct TMessageBoxRequest
{
    QMessageBox::Icon Icon = QMessageBox::NoIcon;
    QString Caption;
    QString Text;
    QMessageBox::StandardButtons Buttons = QMessageBox::Ok;
};

// Answers a message box instead of the user (tests).
using TMessageBoxHandler = std::function<QMessageBox::StandardButton(const TMessageBoxRequest& request)>;

// Every message box of the program goes through here, so that tests can answer it.
QMessageBox::StandardButton ShowMessageBox(const TMessageBoxRequest& request, QWidget* parent = nullptr);
// The same with buttons captioned in words of their own ("Открыть всё равно"
// on Open); the answer is still the standard button.
QMessageBox::StandardButton ShowMessageBox(const TMessageBoxRequest& request,
                                           const QMap<QMessageBox::StandardButton, QString>& buttonTexts,
                                           QWidget* parent = nullptr);

// An error box with OK only.
void ShowErrorBox(const QString& caption, const QString& text, QWidget* parent = nullptr);
// A question with Yes and No under a warning icon; true only for Yes.
bool AskWarningQuestion(const QString& caption, const QString& text, QWidget* parent = nullptr);

// Installs the handler (an empty one brings back the real boxes); returns the previous one.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);

#pragma once

#include "ui/controls/HeadShakeForm.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace Ui {
class TServerPasswordForm;
}

// Asks the password of a server book's user when the server wants one that
// ~/.pgpass does not hold. The password is handed to the connection and
// kept nowhere else: never in the settings or the recent books.
class TServerPasswordForm : public THeadShakeForm
{
    Q_OBJECT

public:
    // The book as the window names it (TServerAddress::DisplayName).
    explicit TServerPasswordForm(const QString& bookName, QWidget* parent = nullptr);
    ~TServerPasswordForm() override;

    // Said in red below the field: why it is asked again.
    void SetWarning(const QString& warning);
    // Shown modally; true when closed with OK, a password typed.
    bool Execute();
    QString Password() const;

private:
    void OkClicked();

    std::unique_ptr<Ui::TServerPasswordForm> m_ui;
};

// What the password question is asked with.
struct TServerPasswordRequest
{
    QString BookName;
    // Empty on the first question; after a refused password, why it is asked again.
    QString Warning;
};

// Answers the password question instead of the user (tests); nothing means cancelled.
using TServerPasswordHandler = std::function<std::optional<QString>(const TServerPasswordRequest& request)>;

// The password the user typed for the server book, nothing when cancelled.
std::optional<QString> AskServerPassword(const TServerPasswordRequest& request, QWidget* parent = nullptr);

// Installs the handler (an empty one brings back the real form); returns the previous one.
TServerPasswordHandler SetServerPasswordHandler(TServerPasswordHandler handler);

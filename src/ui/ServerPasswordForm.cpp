#include "ServerPasswordForm.h"

#include "FormLook.h"
#include "ModalDialogs.h"
#include "ui/controls/FieldFault.h"
#include "ui_ServerPasswordForm.h"

#include <algorithm>

namespace {
const QString PasswordMissing = QStringLiteral("Введите пароль.");

TServerPasswordHandler& Handler()
{
    static TServerPasswordHandler handler;
    return handler;
}
}

TServerPasswordForm::TServerPasswordForm(const QString& bookName, QWidget* parent)
    : THeadShakeForm(parent)
    , m_ui(std::make_unique<Ui::TServerPasswordForm>())
{
    m_ui->setupUi(this);
    ShowSmallHints(this);
    UseSingleBorder(this); // the layout fixes the size
    setWindowTitle(QStringLiteral("Пароль: %1").arg(bookName));
    m_ui->BookLabel->setText(QStringLiteral("для подключения к «%1». Введите его и нажмите «OK».").arg(bookName));
    SetTextColor(m_ui->InfoLabel, Qt::red);
    // A long reason (the server's own words) wraps instead of widening the form.
    m_ui->InfoLabel->setMaximumWidth(
        std::max(m_ui->BookLabel->sizeHint().width(), m_ui->PasswordLayout->sizeHint().width()));
    connect(m_ui->OkButton, &QPushButton::clicked, this, &TServerPasswordForm::OkClicked);
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->PasswordEdit, &QLineEdit::textChanged, this, [this] {
        ClearFieldFault(m_ui->PasswordEdit);
        if (m_ui->InfoLabel->text() == PasswordMissing)
            m_ui->InfoLabel->clear();
    });
}

TServerPasswordForm::~TServerPasswordForm() = default;

void TServerPasswordForm::SetWarning(const QString& warning)
{
    m_ui->InfoLabel->setText(warning);
}

bool TServerPasswordForm::Execute()
{
    m_ui->PasswordEdit->setFocus();
    return ExecModal(*this) == QDialog::Accepted;
}

QString TServerPasswordForm::Password() const
{
    return m_ui->PasswordEdit->text();
}

void TServerPasswordForm::OkClicked()
{
    // An empty password is no answer: libpq would take it for none and the
    // server would only ask again.
    if (!Password().isEmpty()) {
        accept();
        return;
    }
    MarkFieldAtFault(m_ui->PasswordEdit, PasswordMissing);
    m_ui->InfoLabel->setText(PasswordMissing);
    m_ui->PasswordEdit->setFocus();
    ShakeWithDisabled(m_ui->OkButton);
}

std::optional<QString> AskServerPassword(const TServerPasswordRequest& request, QWidget* parent)
{
    if (Handler())
        return Handler()(request);
    TServerPasswordForm form(request.BookName, parent);
    form.SetWarning(request.Warning);
    if (!form.Execute())
        return std::nullopt;
    return form.Password();
}

TServerPasswordHandler SetServerPasswordHandler(TServerPasswordHandler handler)
{
    TServerPasswordHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}

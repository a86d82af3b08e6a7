#include "SQLiteConnectionBuildDialog.h"

#include "FormLook.h"
#include "ModalDialogs.h"
#include "OpenFileDialog.h"
#include "TypedCharFilter.h"
#include "ui/controls/FieldFault.h"
#include "ui_SQLiteConnectionBuildDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

const QString TSQLiteConnectionBuildDialog::NoFileMessage = QStringLiteral("Файл БД не задан.");
const QString TSQLiteConnectionBuildDialog::FileMissingMessage = QStringLiteral("Файл не существует.");
const QString TSQLiteConnectionBuildDialog::ServerIncompleteMessage = QStringLiteral("Данные сервера введены неверно.");

namespace {
const QString SslModeOption = QStringLiteral("sslmode");

// libpq's TLS modes as the clerk chooses them. libpq's own default, "prefer",
// is not written into the address.
struct TSslMode
{
    const char* Value;
    const char* Caption;
};
const TSslMode SslModes[] = {
    {"", "если сервер предлагает"},
    {"require", "обязательно"},
    {"verify-ca", "с проверкой сертификата"},
    {"verify-full", "с проверкой сертификата и имени"},
    {"allow", "только если сервер требует"},
    {"disable", "без шифрования"},
};

// A push button that runs the action and follows its enabled state.
void BindButtonToAction(QAbstractButton* button, QAction* action)
{
    QObject::connect(button, &QAbstractButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, button, [button, action] { button->setEnabled(action->isEnabled()); });
}
}

TSQLiteConnectionBuildDialog::TSQLiteConnectionBuildDialog(QWidget* parent)
    : THeadShakeForm(parent)
    , ui(std::make_unique<Ui::TSQLiteConnectionBuildDialog>())
{
    ui->setupUi(this);
    ShowSmallHints(this);
    UseSingleBorder(this); // the layout fixes the size

    QPalette editPalette = ui->FileNameEdit->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        editPalette.setColor(group, QPalette::Base, QColor(255, 255, 240));
    ui->FileNameEdit->setPalette(editPalette);
    ui->FileNameEdit->SetNotifyLabel(ui->InfoLabel);

    ui->OpenFileButton->setDefaultAction(ui->OpenFileAction);
    BindButtonToAction(ui->OkButton, ui->OkAction);
    BindButtonToAction(ui->CancelButton, ui->CancelAction);
    connect(ui->OpenFileAction, &QAction::triggered, this, &TSQLiteConnectionBuildDialog::OpenFileActionExecute);
    connect(ui->OkAction, &QAction::triggered, this, &TSQLiteConnectionBuildDialog::OkActionExecute);
    connect(ui->CancelAction, &QAction::triggered, this, &TSQLiteConnectionBuildDialog::CancelActionExecute);
    connect(ui->FileNameEdit, &QLineEdit::textChanged, this, &TSQLiteConnectionBuildDialog::Validate);

    for (const TSslMode& mode : SslModes)
        ui->SslModeComboBox->addItem(QString::fromUtf8(mode.Caption), QString::fromLatin1(mode.Value));
    ui->PortEdit->setText(QString::number(TServerAddress::DefaultPort));
    ui->PortEdit->setMaxLength(5);
    TTypedCharFilter::Install(ui->PortEdit, {.Copy = true, .Paste = true});
    for (QWidget* field : ServerFields())
        connect(static_cast<QLineEdit*>(field), &QLineEdit::textChanged, this, &TSQLiteConnectionBuildDialog::Validate);
    // Switching the kind changes the height only.
    ui->ServerPage->setMinimumWidth(ui->FilePage->sizeHint().width());
    connect(ui->ServerRadioButton, &QRadioButton::toggled, this, &TSQLiteConnectionBuildDialog::ShowChosenKind);
    ShowChosenKind();
}

TSQLiteConnectionBuildDialog::~TSQLiteConnectionBuildDialog() = default;

bool TSQLiteConnectionBuildDialog::Execute()
{
    return ExecModal(*this) == QDialog::Accepted;
}

QString TSQLiteConnectionBuildDialog::GetFileName() const
{
    QString name = ui->FileNameEdit->text().trimmed();
    // A path copied from a file manager may come quoted or as an address.
    if (name.size() >= 2 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
        name = name.mid(1, name.size() - 2).trimmed();
    if (name.startsWith(QStringLiteral("file://"), Qt::CaseInsensitive))
        name = QUrl(name).toLocalFile();
    return name;
}

bool TSQLiteConnectionBuildDialog::IsServerChosen() const
{
    return ui->ServerRadioButton->isChecked();
}

TServerAddress TSQLiteConnectionBuildDialog::GetServerAddress() const
{
    TServerAddress address;
    address.Host = ui->HostEdit->text().trimmed();
    bool isNumber = false;
    const int port = ui->PortEdit->text().trimmed().toInt(&isNumber);
    address.Port = isNumber ? port : 0;
    address.Database = ui->DatabaseEdit->text().trimmed();
    address.User = ui->UserEdit->text().trimmed();
    address.Options = m_serverOptions;
    const QString sslMode = ui->SslModeComboBox->currentData().toString();
    if (!sslMode.isEmpty()) {
        address.Options.removeIf([](const auto& option) { return option.first == SslModeOption; });
        address.Options.append({SslModeOption, sslMode});
    }
    return address;
}

QString TSQLiteConnectionBuildDialog::GetConnectionString() const
{
    return IsServerChosen() ? GetServerAddress().ToUri() : GetFileName();
}

void TSQLiteConnectionBuildDialog::SetConnectionString(const QString& connectionString)
{
    if (!TServerAddress::IsUri(connectionString)) {
        ui->FileRadioButton->setChecked(true);
        ui->FileNameEdit->setText(connectionString);
        return;
    }
    const TServerAddress address = TServerAddress::FromUri(connectionString).value_or(TServerAddress());
    m_serverOptions = address.Options;
    ui->SslModeComboBox->setCurrentIndex(0);
    for (qsizetype i = m_serverOptions.size() - 1; i >= 0; --i) {
        if (m_serverOptions[i].first != SslModeOption)
            continue;
        const int index = ui->SslModeComboBox->findData(m_serverOptions[i].second == QLatin1String("prefer")
                                                            ? QString()
                                                            : m_serverOptions[i].second);
        // A mode libpq does not know stays in the address as it was.
        if (index < 0)
            break;
        ui->SslModeComboBox->setCurrentIndex(index);
        m_serverOptions.removeAt(i);
        break;
    }
    ui->HostEdit->setText(address.Host);
    ui->PortEdit->setText(QString::number(address.Port));
    ui->DatabaseEdit->setText(address.Database);
    ui->UserEdit->setText(address.User);
    ui->ServerRadioButton->setChecked(true);
}

void TSQLiteConnectionBuildDialog::ShowChosenKind()
{
    const bool server = IsServerChosen();
    ui->FilePage->setVisible(!server);
    ui->ServerPage->setVisible(server);
    ui->TitleLabel->setText(server ? QStringLiteral("Укажите сервер БД") : QStringLiteral("Выберите файл БД"));
    Validate();
}

QList<QWidget*> TSQLiteConnectionBuildDialog::ServerFields() const
{
    return {ui->HostEdit, ui->PortEdit, ui->DatabaseEdit, ui->UserEdit};
}

QList<TFieldFault> TSQLiteConnectionBuildDialog::ServerFaults() const
{
    const TServerAddress address = GetServerAddress();
    QList<TFieldFault> faults;
    if (address.Host.isEmpty())
        faults.append({ui->HostEdit, QStringLiteral("Укажите адрес сервера.")});
    if (address.Port < 1 || address.Port > 65535)
        faults.append({ui->PortEdit, QStringLiteral("Укажите порт сервера: число от 1 до 65535.")});
    if (address.Database.isEmpty())
        faults.append({ui->DatabaseEdit, QStringLiteral("Укажите имя базы данных.")});
    if (address.User.isEmpty())
        faults.append({ui->UserEdit, QStringLiteral("Укажите пользователя.")});
    return faults;
}

QStringList TSQLiteConnectionBuildDialog::FileFilters()
{
    // The name shows the wider pattern of the original list; the files
    // offered are the loan books themselves.
    return {QStringLiteral("Базы данных SQLite (*.*db*) (*.s3db)"), QStringLiteral("Все файлы (*)")};
}

void TSQLiteConnectionBuildDialog::showEvent(QShowEvent* event)
{
    THeadShakeForm::showEvent(event);
    Validate();
}

bool TSQLiteConnectionBuildDialog::Validate()
{
    return IsServerChosen() ? ValidateServer() : ValidateFile();
}

bool TSQLiteConnectionBuildDialog::ValidateServer()
{
    const QList<TFieldFault> faults = ServerFaults();
    // Said only once OK was tried, then kept up to date as the fields are filled.
    const bool shown = OkTried() && !faults.isEmpty();
    ui->InfoLabel->setText(shown ? FaultsMessage(ServerIncompleteMessage, faults) : QString());
    SetTextColor(ui->InfoLabel, Qt::red);
    ShowFieldFaults(ServerFields(), shown ? faults : QList<TFieldFault>());
    return faults.isEmpty();
}

bool TSQLiteConnectionBuildDialog::ValidateFile()
{
    ui->FileNameEdit->ClearNotifyLabel();
    const QString fileName = GetFileName();
    if (fileName.isEmpty()) {
        ui->FileNameEdit->ShowStringOnLabel(NoFileMessage, Qt::red);
        return false;
    }
    if (!QFileInfo(fileName).isFile()) {
        ui->FileNameEdit->ShowStringOnLabel(FileMissingMessage, Qt::red);
        return false;
    }
    return true;
}

void TSQLiteConnectionBuildDialog::OpenFileActionExecute()
{
    // A folder with a trailing separator opens the dialog inside it.
    const QString start = GetFileName().isEmpty() && !m_startFolder.isEmpty()
        ? QDir(m_startFolder).absolutePath() + QLatin1Char('/')
        : GetFileName();
    const QString chosen = ChooseFileToOpen({QStringLiteral("Открыть"), start, FileFilters()}, this);
    if (!chosen.isEmpty())
        ui->FileNameEdit->setText(chosen);
}

void TSQLiteConnectionBuildDialog::OkActionExecute()
{
    if (IsServerChosen())
        NoteOkTried();
    if (Validate()) {
        accept();
        return;
    }
    if (IsServerChosen())
        FocusFirstFault(ServerFields());
    ShakeWithDisabled(ui->OkAction);
}

void TSQLiteConnectionBuildDialog::CancelActionExecute()
{
    reject();
}

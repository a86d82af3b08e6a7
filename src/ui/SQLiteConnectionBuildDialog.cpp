#include "SQLiteConnectionBuildDialog.h"

#include "FormLook.h"
#include "ModalDialogs.h"
#include "OpenFileDialog.h"
#include "ui_SQLiteConnectionBuildDialog.h"

#include <QDir>
#include <QFileInfo>
#include <QUrl>

const QString TSQLiteConnectionBuildDialog::NoFileMessage = QStringLiteral("Файл БД не задан.");
const QString TSQLiteConnectionBuildDialog::FileMissingMessage = QStringLiteral("Файл не существует.");

namespace {
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
    if (Validate())
        accept();
    else
        ShakeWithDisabled(ui->OkAction);
}

void TSQLiteConnectionBuildDialog::CancelActionExecute()
{
    reject();
}

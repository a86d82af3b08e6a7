#include "RestoreBackupForm.h"

#include "DisplayFormats.h"
#include "FormLook.h"
#include "ui_RestoreBackupForm.h"

#include "domain/DateTime.h"

TRestoreBackupForm::TRestoreBackupForm(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::RestoreBackupForm>())
{
    m_ui->setupUi(this);
    ShowSmallHints(this);
    connect(m_ui->OkButton, &QPushButton::clicked, this, [this] {
        if (SelectedIndex() >= 0)
            accept();
    });
    connect(m_ui->CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->BackupsList, &QListWidget::itemActivated, this, [this] { accept(); });
    connect(m_ui->BackupsList, &QListWidget::currentRowChanged, this,
            [this](int row) { m_ui->OkButton->setEnabled(row >= 0); });
}

TRestoreBackupForm::~TRestoreBackupForm() = default;

bool TRestoreBackupForm::Execute(const QString& book, const QList<QDate>& days)
{
    m_ui->BookLabel->setText(QStringLiteral("База данных: %1").arg(book));
    m_ui->BackupsList->clear();
    for (const QDate& day : days)
        m_ui->BackupsList->addItem(FormatShortDate(DateTime(day)));
    m_ui->BackupsList->setCurrentRow(days.isEmpty() ? -1 : 0);
    m_ui->OkButton->setEnabled(!days.isEmpty());
    return exec() == QDialog::Accepted && SelectedIndex() >= 0;
}

int TRestoreBackupForm::SelectedIndex() const
{
    return m_ui->BackupsList->currentRow();
}

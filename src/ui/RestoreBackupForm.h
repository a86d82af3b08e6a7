#pragma once

#include <QDate>
#include <QDialog>
#include <QList>
#include <memory>

namespace Ui {
class RestoreBackupForm;
}

// Lists the days of a loan book's copies, newest first, to pick the one the
// book is restored from.
class TRestoreBackupForm : public QDialog
{
    Q_OBJECT

public:
    explicit TRestoreBackupForm(QWidget* parent = nullptr);
    ~TRestoreBackupForm() override;

    // Shows the days (newest first, the first one selected) of the book's
    // copies; true when closed with one of them chosen.
    bool Execute(const QString& book, const QList<QDate>& days);
    // The index of the chosen day, or -1.
    int SelectedIndex() const;

private:
    std::unique_ptr<Ui::RestoreBackupForm> m_ui;
};

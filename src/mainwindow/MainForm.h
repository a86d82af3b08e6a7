#pragma once

#include "control/IDBInfoViewInterface.h"
#include "control/IHistoryMenuView.h"

#include <QMainWindow>
#include <memory>

class QLabel;

namespace Ui {
class TMainForm;
}

// The program's only permanent window. It is created hidden and maximised;
// its first show connects to the loan book and shows it only when one was
// accepted, otherwise the program ends without a window. It holds no
// business logic: commands go to the controllers, which drive it back
// through its view interfaces.
class TMainForm : public QMainWindow, public IDBInfoViewInterface, public IHistoryMenuView
{
    Q_OBJECT

public:
    static const int DatabasePanelWidth = 800;
    static const int CompanyPanelWidth = 200;

    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The first show runs the start-up first and becomes a show only on success.
    void setVisible(bool visible) override;

    void ShowDatabaseInfo(const QString& fileName, const TCompany* company) override;
    void RefreshHistoryMenu(THistoryManager& manager, const QStringList& entries) override;

    // The texts of the two status bar panels: the loan book and the company.
    QString DatabasePanelText() const;
    QString CompanyPanelText() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    // What follows an accepted loan book.
    void OpenSession();
    void ExitActionExecute();

    std::unique_ptr<Ui::TMainForm> ui;
    QLabel* m_databasePanel;
    QLabel* m_companyPanel;
    bool m_firstShow = true;
};

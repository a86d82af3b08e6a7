#pragma once

#include "control/IDBInfoViewInterface.h"
#include "control/IDebtorsViewInterface.h"
#include "control/IHistoryMenuView.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class TCredit;
class TDebtorsGridModel;
class TLegendPanel;
class TResultSetGrid;
class TSystemController;
struct TProgramParts;

namespace Ui {
class TMainForm;
}

// The program's only permanent window: the debtors grid, the selected
// debtor's credits below it, the debtor's details on the right, the open
// loan book and company in the status bar. It is created hidden and
// maximised; its first show connects to the loan book and shows it only when
// one was accepted, otherwise the program ends without a window.
//
// It holds no business logic: every command goes to the system controller,
// which drives the window back through its view interfaces.
class TMainForm : public QMainWindow,
                  public IDBInfoViewInterface,
                  public IDebtorsViewInterface,
                  public IHistoryMenuView
{
    Q_OBJECT

public:
    static const int DatabasePanelWidth = 800;
    static const int CompanyPanelWidth = 200;
    static const int DetailsPanelWidth = 223;
    static const int CreditsPanelHeight = 179;
    static const int NameFilterPauseMs = 500;

    // The parts are borrowed; the controller, made at the first show once a
    // loan book is open, is the window's own.
    explicit TMainForm(TProgramParts& parts, QWidget* parent = nullptr);
    // Nothing before the first show.
    TSystemController* Controller() const { return m_controller.get(); }
    // Ends the work on the book: the controller goes, noting the recent books first.
    void CloseBook();
    ~TMainForm() override;

    // The first show runs the start-up first and becomes a show only on success.
    void setVisible(bool visible) override;

    // "База: path" for a file; "Сервер: name" for a server book, given by its
    // readable name or its address.
    void ShowDatabaseInfo(const QString& fileName, const TCompany* company) override;
    void SetDebtorsDataSet(TResultSet* dataSet) override;
    void SelectDebtor(int debtorID) override;
    void ShowCredits(const TCreditsList* credits) override;
    void ShowDebtorDetails(const TDebtor* debtor) override;
    void RefreshHistoryMenu(THistoryManager& manager, const QStringList& entries) override;

    // The texts of the two status bar panels: the loan book and the company.
    QString DatabasePanelText() const;
    QString CompanyPanelText() const;

    // A line in the status bar naming a file the user has just saved (a report as PDF).
    void ShowSavedFile(const QString& path);

    // The commands' enabling rules, run whenever the program becomes idle.
    void UpdateActions();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void SetupDebtorsGrid();
    void SetupCreditsList();
    void SetupDetailsTree();
    void SetupFilters();
    void SetupPopupMenus();
    void SetupKeyboard();
    void FitDebtorsColumns();
    void FitCreditsColumns();
    void ConnectCommands();
    // The command calls the controller's operation, once there is a controller.
    // Hands a command to the controller, which shows its errors; nothing
    // before the first show, when there is no book and no controller.
    void Command(const std::function<void(TSystemController&)>& command);
    void Forward(QAction* action, void (TSystemController::*operation)());
    void ForwardWithSelectedCredit(QAction* action, void (TSystemController::*operation)(int));

    // Index of the selected line of the credits list (that of the credit in
    // the controller's list), -1 when none.
    int SelectedCreditIndex() const;
    const TCredit* SelectedCredit() const;

    void ConcreateCreditActionUpdate(QAction* action);
    void MakeCreditPaymentActionUpdate(QAction* action);
    void CopyNodeActionUpdate(QAction* action);
    // Enabled while a debtor is current.
    void DebtorActionUpdate(QAction* action);

    void Label2Click();
    void DBGrid1DblClick();
    void DBGrid1MouseUp(Qt::MouseButton button, const QPoint& position);
    // The user moved the grid's selection: the controller makes that debtor current.
    void DBGrid1SelectionChange(int row);
    bool DebtorsTreeViewKeyDown(const QKeyEvent& key);
    void CreditsListViewDblClick();
    void FilterComboBoxChange(int itemIndex);
    void NameFilterEditTypoStop();
    void MainMenuDynamicItemClick(QObject* sender);
    void CopyNodeActionExecute();
    void ExitActionExecute();
    // Runs the command's enabling rule first, as a user would find it.
    void ExecuteAction(QAction* action);

    std::unique_ptr<Ui::TMainForm> ui;
    TProgramParts& m_parts;
    std::unique_ptr<TSystemController> m_controller;
    TDebtorsGridModel* m_debtorsModel;
    TResultSetGrid* m_debtorsGrid;
    // While the controller's choice is being shown, which it need not be told of.
    bool m_showingSelection = false;
    TLegendPanel* m_legendPanel;
    QMenu* m_creditsPopupMenu;
    QMenu* m_debtorsPopupMenu;
    QMenu* m_treePopupMenu;
    QLabel* m_databasePanel;
    QLabel* m_companyPanel;
    bool m_firstShow = true;
};

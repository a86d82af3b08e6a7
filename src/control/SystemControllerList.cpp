// The system controller's debtors list: current debtor, refreshes, filters,
// overdue indexing and switching loan books.

#include "SystemController.h"

#include "settings/HistoryManager.h"
#include "IDBInfoViewInterface.h"
#include "IDebtorsViewInterface.h"
#include "settings/FileChecks.h"
#include "StartUpController.h"
#include "data/DataAccessFacade.h"
#include "postgres/PgConnection.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Clock.h"
#include "domain/Company.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"
#include "ui/MessageBoxes.h"
#include "ui/ScheduleDelayUpdateForm.h"

#include <QTimer>
#include <QApplication>
#include <QScopeGuard>

#include <algorithm>
#include <cstdlib>

namespace {

const QString SwitchCaption = QStringLiteral("Подключение к другой базе данных");

QString StaysText()
{
    return QStringLiteral("\r\nРабота продолжается с прежней книгой займов.");
}

const QString DebtorIDField = QStringLiteral("DebtorID");

}

bool TSystemController::ReadCurrentDebtor(TDebtor* debtor) const
{
    if (!debtor || !m_debtorsList)
        return false;
    // With no row current (an empty list) the names read empty.
    const TResultSet& list = *m_debtorsList;
    const int row = m_currentDebtorRow;
    debtor->SetID(m_currentDebtorID);
    debtor->SetName(list.Text(row, QStringLiteral("Name")));
    debtor->Surname = list.Text(row, QStringLiteral("Surname"));
    debtor->PatronymicName = list.Text(row, QStringLiteral("PatronymicName"));
    return true;
}

void TSystemController::MakeCurrent(int row)
{
    const TResultSet* list = m_debtorsList.get();
    m_currentDebtorRow = list && row >= 0 && row < list->RowCount() ? row : -1;
    m_currentDebtorID = m_currentDebtorRow < 0 ? 0 : int(list->Integer(m_currentDebtorRow, DebtorIDField));
    if (m_debtorsView)
        m_debtorsView->SelectDebtor(m_currentDebtorID);
}

int TSystemController::RowOfDebtor(int debtorID) const
{
    return debtorID > 0 ? m_debtorsList->FindRow(m_debtorsList->ColumnIndex(DebtorIDField), debtorID) : -1;
}

void TSystemController::ShowCurrentDebtor()
{
    RefreshCredits();
    RefreshDebtorDetails();
}

void TSystemController::SelectDebtor(int debtorID)
{
    if (debtorID == m_currentDebtorID || !m_debtorsList)
        return;
    const int row = RowOfDebtor(debtorID);
    if (row < 0)
        return;
    m_currentDebtorRow = row;
    m_currentDebtorID = debtorID;
    ShowCurrentDebtor();
}

void TSystemController::LocateDebtor(int debtorID)
{
    if (!m_debtorsList)
        return;
    const int previous = m_currentDebtorID;
    const int row = RowOfDebtor(debtorID);
    MakeCurrent(row >= 0 ? row : 0);
    if (m_currentDebtorID != previous)
        ShowCurrentDebtor();
}

void TSystemController::RefreshDebtors()
{
    if (m_debtorsList)
        ReopenDebtors(m_currentDebtorRow);
}

void TSystemController::ReopenDebtors(int position)
{
    TResultSet* list = m_debtorsList.get();
    const int debtorID = m_currentDebtorID;
    {
        // The grid is shown anew whether or not the list could be read.
        const auto shown = qScopeGuard([this, list] {
            if (m_debtorsView)
                m_debtorsView->SetDebtorsDataSet(list);
        });
        m_currentDebtorRow = -1;
        list->Close();
        list->Open();
    }
    // A debtor gone from the list leaves his place to the next one.
    int row = RowOfDebtor(debtorID);
    if (row < 0)
        row = position > 0 ? std::min(position, list->RowCount() - 1) : 0;
    MakeCurrent(row);
    if (list->IsEmpty() || m_currentDebtorID != debtorID)
        ShowCurrentDebtor();
}

void TSystemController::RefreshCredits()
{
    ILoanBookStore* facade = &m_parts.Facade();
    // Loaded apart, so that a failure leaves the credits the window shows alive.
    TCreditsList credits;
    if (facade->DebtorExists(m_currentDebtorID))
        facade->LoadDebtorCredits(m_currentDebtorID, credits);
    m_credits = std::move(credits);
    if (m_debtorsView)
        m_debtorsView->ShowCredits(&m_credits);
}

void TSystemController::RefreshDebtorDetails()
{
    TDebtor debtor;
    if (!ReadCurrentDebtor(&debtor))
        return;
    ILoanBookStore* facade = &m_parts.Facade();
    if (facade->DebtorExists(debtor.GetID()))
        facade->LoadDebtor(debtor);
    if (m_debtorsView)
        m_debtorsView->ShowDebtorDetails(&debtor);
}

void TSystemController::RefreshDatabaseInfo()
{
    ILoanBookStore* facade = &m_parts.Facade();
    TCompany company;
    facade->LoadCompany(company);
    if (m_dbInfoView)
        m_dbInfoView->ShowDatabaseInfo(facade->BookName(), &company);
}

void TSystemController::RefreshAll()
{
    RefreshDebtors();
    ShowCurrentDebtor();
}

void TSystemController::ApplyNameFilter(const QString& text)
{
    m_gate.RunWhenIdle(QStringLiteral("name filter"), [this, text] {
        m_nameFilterText = text;
        ApplyFilters();
    });
}

void TSystemController::ApplyListFilter(int index)
{
    m_gate.RunWhenIdle(QStringLiteral("list filter"), [this, index] {
        if (index == 0 || index == 1)
            m_listFilterIndex = index;
        ApplyFilters();
    });
}

void TSystemController::ApplyFilters()
{
    SetListFilter();
    ReopenDebtors(-1);
}

void TSystemController::SetListFilter()
{
    ILoanBookStore& store = m_parts.Facade();
    const TFilterCondition name = store.DebtorsNameCondition(m_nameFilterText);
    const TFilterCondition state = m_listFilterIndex == 1 ? store.ProbableDefaultersCondition() : TFilterCondition();
    QStringList conditions;
    for (const TFilterCondition* filter : { &name, &state })
        if (!filter->Text.isEmpty())
            conditions << QLatin1Char('(') + filter->Text + QLatin1Char(')');
    m_debtorsList->SetFilter(conditions.join(QStringLiteral(" AND ")), name.Params + state.Params);
    m_debtorsList->SetFiltered(true);
}

void TSystemController::WatchBook()
{
    m_bookWatchTimer->setInterval(m_parts.Facade().FileConnection() ? BookWatchInterval : ServerWatchInterval);
}

void TSystemController::OpenDebtorsList()
{
    m_debtorsList = m_parts.Facade().OpenDebtorsListQuery();
    SetListFilter();
}

namespace {

// The daily indexing as the waiting window runs it: whichever program on the
// book gets there first indexes, and the others find it done.
class TDailyIndexing : public IUpdateSchedulesDelayInterface
{
public:
    TDailyIndexing(ILoanBookStore& store, int hours) : m_store(store), m_hours(hours) {}
    void UpdateSchedulesDelay() override { m_store.UpdateSchedulesDelayWhenDue(m_hours); }

private:
    ILoanBookStore& m_store;
    int m_hours;
};

}

void TSystemController::RunOverdueIndexing()
{
    RunOverdueIndexing(m_parts.Facade());
}

void TSystemController::RunOverdueIndexing(IUpdateSchedulesDelayInterface& indexing)
{
    TUseCaseScope scope(m_gate);
    TScheduleDelayUpdateForm form;
    form.Execute(&indexing);
    RefreshDebtors();
    RefreshCredits();
}

void TSystemController::CheckOverdueIndexing()
{
    m_gate.RunWhenIdle(QStringLiteral("overdue"), [this] {
        ILoanBookStore& store = m_parts.Facade();
        if (!ILoanBookStore::IndexingDue(store.GetLastSchedulesDelayUpdate(), OverdueIndexingHours))
            return;
        TDailyIndexing daily(store, OverdueIndexingHours);
        RunOverdueIndexing(daily);
    });
}

void TSystemController::SwitchDatabase(const QString& fileName)
{
    TUseCaseScope scope(m_gate);
    // A server book is looked for by the server, not on this computer's disk.
    const bool file = !fileName.isEmpty() && !TPgConnection::IsServerAddress(fileName);
    const QString unreadable = file ? DescribeUnreadableFile(fileName.trimmed()) : QString();
    if (!unreadable.isEmpty()) {
        ShowMessageBox({QMessageBox::Warning, SwitchCaption, unreadable + StaysText(), QMessageBox::Ok});
        return;
    }
    const QString previous = m_parts.Book.Address();
    // A refused or cancelled switch never touched the book in use.
    const bool switched = m_parts.StartUp.ConnectToDatabase(cmGivenFile, fileName);
    SaveHistory();
    if (!switched)
        return;
    try {
        // The same debtor ID or place in another book is another person: the
        // new book starts at its first debtor.
        m_currentDebtorID = 0;
        m_currentDebtorRow = -1;
        OpenDebtorsList();
        WatchBook();
        ShowBook();
        StartDailyBackup();
    } catch (const Exception& error) {
        // Half a switch would let the next payment go into the other file.
        const QString refused = m_parts.Book.Address();
        m_parts.StartUp.UseBook(previous);
        OpenDebtorsList();
        WatchBook();
        ShowBook();
        ShowMessageBox({QMessageBox::Warning, SwitchCaption,
                        QStringLiteral("Книгу займов «%1» открыть не удалось:\r\n%2").arg(ShortPath(refused),
                                                                                         error.Message())
                            + StaysText(),
                        QMessageBox::Ok});
    }
}

void TSystemController::ShowBook()
{
    RefreshDebtors();
    // Details of the other book's debtor must not stay when this book's list is empty.
    ShowCurrentDebtor();
    RefreshDatabaseInfo();
    // What another program wrote before is part of what was just read.
    BookWrittenElsewhere();
}

void TSystemController::CheckBookWrittenElsewhere()
{
    // A dialog may be editing what a reload would replace; so may a message box's caller.
    if (QApplication::activeModalWidget())
        return;
    m_gate.RunWhenIdle(QStringLiteral("book watch"), [this] {
        try {
            if (!BookWrittenElsewhere())
                return;
        } catch (const Exception&) {
            // The other program is in the middle of a write: the next look sees it done.
            return;
        }
        // The refresh keeps the debtor the clerk chose, wherever the other program's rows put him.
        ShowBook();
    });
}

bool TSystemController::BookWrittenElsewhere()
{
    return m_parts.Facade().WrittenElsewhere();
}

void TSystemController::OpenRecentDatabase(int index)
{
    TUseCaseScope scope(m_gate);
    if (index < 0 || index >= m_parts.History.Count())
        return;
    SwitchDatabase(m_parts.History.Get(index));
}

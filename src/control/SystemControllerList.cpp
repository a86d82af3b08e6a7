// The system controller's debtors list: current debtor, refreshes, filters,
// overdue indexing and switching loan books.

#include "SystemController.h"

#include "HistoryManager.h"
#include "IDBInfoViewInterface.h"
#include "IDebtorsViewInterface.h"
#include "StartUpController.h"
#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Clock.h"
#include "domain/Company.h"
#include "domain/Debtor.h"
#include "ui/ScheduleDelayUpdateForm.h"

#include <cstdlib>

namespace {

const QString DebtorIDField = QStringLiteral("DebtorID");

struct TListColumn
{
    const char* Name;
    const char* Caption;
    int Width; // characters; 0 leaves the default
};

const TListColumn ListColumns[] = {
    { "DebtorID", "Код", 0 },
    { "Surname", "Фамилия", 25 },
    { "Name", "Имя", 25 },
    { "PatronymicName", "Отчество", 25 },
    { "DelayCount", "Просрочек всего", 20 },
    { "ActiveDelayCount", "Активных просрочек", 20 },
};

}

bool TSystemController::ReadCurrentDebtor(TResultSet* dataSet, TDebtor* debtor)
{
    if (!dataSet || !debtor)
        return false;
    debtor->SetID(int(dataSet->Integer(DebtorIDField)));
    debtor->SetName(dataSet->Text(QStringLiteral("Name")));
    debtor->Surname = dataSet->Text(QStringLiteral("Surname"));
    debtor->PatronymicName = dataSet->Text(QStringLiteral("PatronymicName"));
    return true;
}

int TSystemController::CurrentDebtorID(TResultSet* dataSet)
{
    if (!dataSet)
        return -1;
    return int(dataSet->Integer(DebtorIDField));
}

void TSystemController::LocateDebtor(TResultSet* dataSet, int debtorID)
{
    if (!dataSet)
        return;
    if (!dataSet->Locate(DebtorIDField, debtorID))
        dataSet->First();
}

void TSystemController::RefreshDebtors()
{
    TResultSet* list = m_debtorsList.get();
    if (!list)
        return;
    // A list closed by a new condition has no position to keep.
    const int position = list->IsOpen() ? list->CurrentRow() : -1;
    list->Close();
    list->Open();
    // The same place, not necessarily the same debtor; past the end the first row stays.
    if (position > 0)
        list->SetCurrentRow(position);
    SetListCaptions();
}

void TSystemController::SetListCaptions()
{
    for (const TListColumn& column : ListColumns) {
        const int index = m_debtorsList->FindColumn(QString::fromLatin1(column.Name));
        if (index < 0)
            continue;
        TResultSetColumn& field = m_debtorsList->Column(index);
        const QString caption = QString::fromUtf8(column.Caption);
        if (field.Caption() != caption)
            field.SetCaption(caption);
        if (column.Width > 0 && field.DisplayWidth() != column.Width)
            field.SetDisplayWidth(column.Width);
    }
}

void TSystemController::RefreshCredits(TResultSet* dataSet)
{
    if (!dataSet)
        return;
    TDataAccessFacade* facade = GetDataAccessFacade();
    // Loaded apart, so that a failure leaves the credits the window shows alive.
    TCreditsList credits;
    const int debtorID = int(dataSet->Integer(DebtorIDField));
    if (facade->DebtorExists(debtorID))
        facade->LoadDebtorCredits(debtorID, &credits);
    m_credits = std::move(credits);
    if (m_debtorsView)
        m_debtorsView->ShowCredits(&m_credits);
}

void TSystemController::RefreshDebtorDetails()
{
    TDebtor debtor;
    if (!ReadCurrentDebtor(m_debtorsList.get(), &debtor))
        return;
    TDataAccessFacade* facade = GetDataAccessFacade();
    if (facade->DebtorExists(debtor.GetID()))
        facade->LoadDebtor(&debtor);
    if (m_debtorsView)
        m_debtorsView->ShowDebtorDetails(&debtor);
}

void TSystemController::RefreshDatabaseInfo()
{
    TDataAccessFacade* facade = GetDataAccessFacade();
    TCompany company;
    facade->LoadCompany(&company);
    if (m_dbInfoView)
        m_dbInfoView->ShowDatabaseInfo(facade->Connection().FileName(), &company);
}

void TSystemController::RefreshAll()
{
    RefreshDebtors();
    RefreshCredits(m_debtorsList.get());
    RefreshDebtorDetails();
}

void TSystemController::OnDebtorsListScroll(TResultSet* dataSet)
{
    RefreshCredits(dataSet);
    RefreshDebtorDetails();
}

void TSystemController::ApplyNameFilter(const QString& text)
{
    m_gate.RunWhenIdle(QStringLiteral("filter"), [this, text] {
        TDataAccessFacade::FilterDebtorsByName(m_debtorsList.get(), text);
        m_debtorsList->SetFiltered(true);
        RefreshDebtors();
    });
}

void TSystemController::ApplyListFilter(int index)
{
    m_gate.RunWhenIdle(QStringLiteral("filter"), [this, index] {
        if (index == 0)
            TDataAccessFacade::ClearDebtorsFilter(m_debtorsList.get());
        else if (index == 1)
            TDataAccessFacade::FilterProbableDefaulters(m_debtorsList.get());
        m_debtorsList->SetFiltered(true);
        RefreshDebtors();
        RefreshCredits(m_debtorsList.get());
        RefreshDebtorDetails();
    });
}

void TSystemController::RunOverdueIndexing()
{
    TUseCaseScope scope(m_gate);
    TScheduleDelayUpdateForm form;
    form.Execute(GetDataAccessFacade());
    RefreshDebtors();
    RefreshCredits(m_debtorsList.get());
}

void TSystemController::CheckOverdueIndexing()
{
    m_gate.RunWhenIdle(QStringLiteral("overdue"), [this] {
        const DateTime last = GetDataAccessFacade()->GetLastSchedulesDelayUpdate();
        // Whole hours either way: a last indexing far in the future is as stale.
        const qint64 hours = std::llabs(last.MSecsTo(Clock::Now())) / (3600 * 1000);
        if (hours > OverdueIndexingHours)
            RunOverdueIndexing();
    });
}

void TSystemController::SwitchDatabase(const QString& fileName)
{
    TUseCaseScope scope(m_gate);
    // A refused or cancelled switch reopens the book in use.
    StartUpController()->ConnectToDatabase(cmGivenFile, fileName);
    SaveHistory();
    RefreshDebtors();
    RefreshCredits(m_debtorsList.get());
    // Details of the other book's debtor must not stay when this book's list is empty.
    RefreshDebtorDetails();
    RefreshDatabaseInfo();
}

void TSystemController::OpenRecentDatabase(int index)
{
    TUseCaseScope scope(m_gate);
    if (index < 0 || index >= HistoryManager().Count())
        return;
    SwitchDatabase(HistoryManager().Get(index));
}

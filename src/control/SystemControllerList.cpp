// The system controller's debtors list: current debtor, refreshes, filters,
// overdue indexing and switching loan books.

#include "SystemController.h"

#include "SingleInstances.h"
#include "settings/HistoryManager.h"
#include "IDBInfoViewInterface.h"
#include "IDebtorsViewInterface.h"
#include "settings/FileChecks.h"
#include "StartUpController.h"
#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Clock.h"
#include "domain/Company.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"
#include "ui/MessageBoxes.h"
#include "ui/ScheduleDelayUpdateForm.h"

#include <QApplication>
#include <QScopedValueRollback>

#include <algorithm>
#include <cstdlib>

namespace {

const QString SwitchCaption = QStringLiteral("Подключение к другой базе данных");

QString StaysText()
{
    return QStringLiteral("\r\nРабота продолжается с прежней книгой займов.");
}

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
    const int debtorID = list->IsEmpty() ? -1 : CurrentDebtorID(list);
    ReopenDebtors(debtorID, list->CurrentRow());
}

void TSystemController::ReopenDebtors(int debtorID, int position)
{
    TResultSet* list = m_debtorsList.get();
    {
        const QScopedValueRollback following(m_followList, false);
        list->Close();
        list->Open();
        // A debtor gone from the list leaves his place to the next one.
        if ((debtorID <= 0 || !list->Locate(DebtorIDField, debtorID)) && position > 0)
            list->SetCurrentRow(std::min(position, list->RowCount() - 1));
        SetListCaptions();
    }
    if (list->IsEmpty() || CurrentDebtorID(list) != debtorID)
        OnDebtorsListScroll(list);
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
        facade->LoadDebtorCredits(debtorID, credits);
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
        facade->LoadDebtor(debtor);
    if (m_debtorsView)
        m_debtorsView->ShowDebtorDetails(&debtor);
}

void TSystemController::RefreshDatabaseInfo()
{
    TDataAccessFacade* facade = GetDataAccessFacade();
    TCompany company;
    facade->LoadCompany(company);
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
    m_gate.RunWhenIdle(QStringLiteral("name filter"), [this, text] {
        m_nameFilter = TDataAccessFacade::DebtorsNameCondition(text);
        ApplyFilters();
    });
}

void TSystemController::ApplyListFilter(int index)
{
    m_gate.RunWhenIdle(QStringLiteral("list filter"), [this, index] {
        if (index == 0)
            m_stateFilter = {};
        else if (index == 1)
            m_stateFilter = TDataAccessFacade::ProbableDefaultersCondition();
        ApplyFilters();
    });
}

void TSystemController::ApplyFilters()
{
    TResultSet* list = m_debtorsList.get();
    // Read before the new condition closes the list.
    const int debtorID = list->IsEmpty() ? -1 : CurrentDebtorID(list);
    QStringList conditions;
    for (const TFilterCondition* filter : { &m_nameFilter, &m_stateFilter })
        if (!filter->Text.isEmpty())
            conditions << QLatin1Char('(') + filter->Text + QLatin1Char(')');
    list->SetFilter(conditions.join(QStringLiteral(" AND ")), m_nameFilter.Params + m_stateFilter.Params);
    list->SetFiltered(true);
    ReopenDebtors(debtorID, -1);
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
    const QString unreadable = fileName.isEmpty() ? QString() : DescribeUnreadableFile(fileName.trimmed());
    if (!unreadable.isEmpty()) {
        ShowMessageBox({QMessageBox::Warning, SwitchCaption, unreadable + StaysText(), QMessageBox::Ok});
        return;
    }
    TSQLiteConnection& connection = GetDataAccessFacade()->Connection();
    const QString previous = connection.FileName();
    // A refused or cancelled switch never touched the book in use.
    const bool switched = StartUpController()->ConnectToDatabase(cmGivenFile, fileName);
    SaveHistory();
    if (!switched)
        return;
    try {
        // The same debtor ID or place in another book is another person: a
        // closed list has neither, so the new book starts at its first debtor.
        if (m_debtorsList)
            m_debtorsList->Close();
        ShowBook();
        StartDailyBackup();
    } catch (const Exception& error) {
        // Half a switch would let the next payment go into the other file.
        const QString refused = connection.FileName();
        StartUpController()->UseBook(previous);
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
    RefreshCredits(m_debtorsList.get());
    // Details of the other book's debtor must not stay when this book's list is empty.
    RefreshDebtorDetails();
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
    TSQLiteConnection& connection = GetDataAccessFacade()->Connection();
    const qint64 version = connection.DataVersion();
    const bool written = connection.Generation() == m_watchedGeneration && version != m_watchedDataVersion;
    m_watchedGeneration = connection.Generation();
    m_watchedDataVersion = version;
    return written;
}

void TSystemController::OpenRecentDatabase(int index)
{
    TUseCaseScope scope(m_gate);
    if (index < 0 || index >= HistoryManager().Count())
        return;
    SwitchDatabase(HistoryManager().Get(index));
}

#include "SystemController.h"

#include "IDBInfoViewInterface.h"
#include "IDebtorsViewInterface.h"
#include "DailyBackup.h"
#include "ReportUseCases.h"
#include "data/DataAccessFacade.h"
#include "domain/BookChangedException.h"
#include "domain/PaymentSchedule.h"
#include "settings/HistoryManager.h"
#include "settings/SimpleSettingsManager.h"
#include "ui/ApplicationErrors.h"

#include <QTimer>

TSystemController::TSystemController(TProgramParts& parts, IDebtorsViewInterface* debtorsView,
                                     IDBInfoViewInterface* dbInfoView)
    : m_parts(parts)
    , m_debtorsView(debtorsView)
    , m_dbInfoView(dbInfoView)
    , m_overdueTimer(new QTimer(this))
    , m_bookWatchTimer(new QTimer(this))
    , m_printer(CreateReportPrinter(parts))
    , m_dailyBackup(std::make_unique<TDailyBackup>(SettingsFolderFile(TLoanBookBackups::FolderName())))
{
    LoadHistory();
    OpenDebtorsList();
    ShowBook();

    m_overdueTimer->setObjectName(QStringLiteral("OverdueTimer"));
    m_overdueTimer->setInterval(OverdueCheckInterval);
    connect(m_overdueTimer, &QTimer::timeout, this, [this] { RunCommand([this] { CheckOverdueIndexing(); }); });
    m_overdueTimer->start();

    m_bookWatchTimer->setObjectName(QStringLiteral("BookWatchTimer"));
    WatchBook();
    connect(m_bookWatchTimer, &QTimer::timeout, this, [this] { RunCommand([this] { CheckBookWrittenElsewhere(); }); });
    m_bookWatchTimer->start();
    StartDailyBackup();
}

TSystemController::~TSystemController()
{
    // The view may still hold the list and the credits; it is told of
    // neither again, and the program is ending.
    m_overdueTimer->stop();
    m_bookWatchTimer->stop();
}

void TSystemController::SetReportPrinter(std::unique_ptr<IReportPrinter> printer)
{
    if (printer)
        m_printer = std::move(printer);
}

QString TSystemController::SettingsFolderFile(const QString& fileName) const
{
    const QString folder = m_parts.Settings.GetSettingsFolder();
    return folder.isEmpty() ? QString() : folder + fileName;
}

void TSystemController::LoadHistory()
{
    const QString fileName = SettingsFolderFile(THistoryManager::FileName);
    if (!fileName.isEmpty())
        m_parts.History.LoadFromFile(fileName);
}

void TSystemController::SaveHistory()
{
    const QString fileName = SettingsFolderFile(THistoryManager::FileName);
    if (!fileName.isEmpty())
        m_parts.History.SaveToFile(fileName);
}

// Reports: each asks for its own input and shows its preview.

void TSystemController::BuildDebtorsForDateReport()
{
    TUseCaseScope scope(m_gate);
    m_printer->BuildDebtorsForDateReport();
}

void TSystemController::BuildAllInsolventReport()
{
    TUseCaseScope scope(m_gate);
    m_printer->BuildAllInsolventReport();
}

void TSystemController::BuildPaymentsForDateReport()
{
    TUseCaseScope scope(m_gate);
    m_printer->BuildPaymentsForDateReport();
}

void TSystemController::BuildStatisticsReport()
{
    TUseCaseScope scope(m_gate);
    m_printer->BuildStatisticsReport();
}

void TSystemController::BuildMonthForecastReport()
{
    TUseCaseScope scope(m_gate);
    m_printer->BuildMonthForecastReport();
}

void TSystemController::BuildAheadStatementReport()
{
    TUseCaseScope scope(m_gate);
    m_printer->BuildAheadStatementReport(CurrentDebtorID());
}

void TSystemController::BuildRespiteStatementReport()
{
    TUseCaseScope scope(m_gate);
    m_printer->BuildRespiteStatementReport(CurrentDebtorID());
}

void TSystemController::PrintCreditSchedule(int creditID)
{
    TUseCaseScope scope(m_gate);
    m_printer->PrintCreditSchedule(creditID);
}

void TSystemController::PrintPaymentHistory(TResultSet* resultSet, const QStringList* params)
{
    TUseCaseScope scope(m_gate);
    m_printer->PrintPaymentHistory(resultSet, params);
}

void TSystemController::PrintPaymentOrder(int paymentID)
{
    TUseCaseScope scope(m_gate);
    m_printer->PrintPaymentOrder(paymentID);
}

TLoanBook TSystemController::LoanBook() const
{
    return TLoanBook(m_parts.Facade());
}

void TSystemController::RunCommand(const std::function<void()>& command)
{
    try {
        command();
    } catch (const EBookChangedException&) {
        HandleApplicationException();
        ShowBookAfterChange();
    } catch (...) {
        HandleApplicationException();
    }
}

std::function<void()> TSystemController::Storing(std::function<void()> store)
{
    return [this, store = std::move(store)] {
        try {
            store();
        } catch (const EBookChangedException&) {
            ShowBookAfterChange();
            throw;
        }
    };
}

void TSystemController::ShowBookAfterChange()
{
    // After the dialog that showed the old picture has closed; the debtor chosen stays chosen.
    m_gate.RunWhenIdle(QStringLiteral("book changed"), [this] { ShowBook(); });
}

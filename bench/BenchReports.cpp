// varnel-bench-reports: render times of the printed documents on a demo loan
// book of 20 000 debtors.
//
//   varnel-bench-reports BOOK [--rounds R]
//
// 1. The debtors-for-a-date and payment-schedule documents over data sets of
//    1000, 2000, 4000 and 8000 rows (the report's own statement with a row
//    limit): the time to fill the template and lay it out on A4 pages should
//    grow in step with the rows.
// 2. The statement and the payment order: their query (with the declension or
//    the words) against the whole document; the fixed cost is the same
//    document filled from an empty data set.
// Medians of R rounds, in milliseconds of processor time.
#include "data/DataAccessFacade.h"
#include "sqlite/ResultSet.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Clock.h"
#include "reports/DeclensionService.h"
#include "reports/MoneyInWords.h"
#include "reports/ReportRuns.h"
#include "reports/ReportDocument.h"
#include "reports/ReportManager.h"
#include "reports/ReportPreview.h"
#include "reports/ReportVariables.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace {

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double MedianMs(int rounds, const std::function<void()>& call)
{
    // Processor time of this thread: the machine may be shared, and waiting
    // for a processor is no part of what a document costs.
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        timespec start {};
        timespec end {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &start);
        call();
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &end);
        times.push_back(double(end.tv_sec - start.tv_sec) * 1e3 + double(end.tv_nsec - start.tv_nsec) / 1e6);
    }
    return Median(times);
}

// Fills the template and lays it out on its pages, as the preview does first.
int Render(TReportManager& manager, const QString& name, TResultSet* rows, const QStringList* variables)
{
    TReportDocument document = manager.BuildReport(name, { rows, variables });
    return document.PageCount();
}

QStringList Limited(QStringList lines, int rows)
{
    lines << QStringLiteral("LIMIT %1").arg(rows);
    return lines;
}

// The schedule report's own statement over every credit: without its credit condition.
QStringList ScheduleLines(TDataAccessFacade& facade)
{
    QStringList lines = facade.OpenCreditScheduleQuery(1)->StatementLines();
    for (QString& line : lines) {
        if (line.contains(QLatin1String(":CreditID")))
            line = QStringLiteral("(1=1)");
    }
    return lines;
}

QStringList DebtorsLines()
{
    QStringList lines;
    TDataAccessFacade::FillDebtorsScheduleSQL(&lines);
    lines << QStringLiteral("AND PaymentSchedule.PaymentDate >= '2025-06-01'");
    return lines;
}

}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    QTextStream out(stdout);
    const QStringList args = app.arguments().mid(1);
    int rounds = 5;
    QString book;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--rounds") && i + 1 < args.size())
            rounds = std::max(1, args[++i].toInt());
        else if (book.isEmpty() && !args[i].startsWith(QLatin1String("--")))
            book = args[i];
    }
    if (book.isEmpty()) {
        QTextStream(stderr) << "Использование: varnel-bench-reports КНИГА [--rounds R]" << Qt::endl;
        return 2;
    }

    TDataAccessFacade facade;
    facade.Connection().SetFileName(book);
    facade.Connection().Open();
    TReportManager manager;
    TDeclensionService declension(TDeclensionService::DefaultLibraryPath());

    out << "| Документ | Строк | Время, мс | мс на 1000 строк | Рост к предыдущему |\n|---|---|---|---|---|\n";
    const struct
    {
        QString Title;
        QString Template;
        QStringList Lines;
    } growing[] = { { QStringLiteral("Должники к дате"), QStringLiteral("DebtorsForDateReport"), DebtorsLines() },
                    { QStringLiteral("График платежей"), QStringLiteral("CreditPaymentGraphReport"), ScheduleLines(facade) } };
    for (const auto& report : growing) {
        double previous = 0;
        for (int rows : { 1000, 2000, 4000, 8000 }) {
            TResultSet data(facade.Connection(), Limited(report.Lines, rows));
            QStringList variables;
            AddReportVariable(variables, QStringLiteral("ReportTitle"), QStringLiteral("Должники к "));
            AddReportVariable(variables, QStringLiteral("PaymentDate"), QStringLiteral("15.06.2025"));
            const double ms = MedianMs(rounds, [&] { Render(manager, report.Template, &data, &variables); });
            out << QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
                       .arg(report.Title)
                       .arg(data.RowCount())
                       .arg(ms, 0, 'f', 1)
                       .arg(ms * 1000 / data.RowCount(), 0, 'f', 1)
                       .arg(previous > 0 ? QString::number(ms / previous, 'f', 2) : QStringLiteral("—"));
            previous = ms;
        }
    }

    out << "\n| Документ | Запрос, мс | Пустой документ, мс | Документ, мс | Документ / (1,5 × запрос + пустой) |\n"
           "|---|---|---|---|---|\n";
    const int debtorID = 1234;
    const int paymentID = 4321;
    const auto statementQuery = [&] {
        auto rows = facade.OpenDebtorStatementQuery(debtorID);
        const QString name = QStringLiteral("%1 %2 %3").arg(rows->Text(0, QStringLiteral("Surname")),
                                                            rows->Text(0, QStringLiteral("Name")),
                                                            rows->Text(0, QStringLiteral("PatronymicName")));
        declension.DeclineFullName(rows->Text(0, QStringLiteral("BossName")), 3);
        declension.DeclineFullName(name, 2);
    };
    const auto orderQuery = [&] {
        auto rows = facade.OpenPaymentOrderQuery(paymentID);
        MoneyToWords(rows->MoneyValue(0, QStringLiteral("PaymentSum")));
    };
    struct TRun
    {
        QString Title;
        QString Template;
        std::function<void()> Query;
        std::function<void()> Whole;
    };
    TReportRuns runs(facade, manager, declension);
    TReportInput statementInput;
    statementInput.DebtorID = debtorID;
    TReportInput orderInput;
    orderInput.PaymentID = paymentID;
    // The whole documents render through the report runs with the output kept here.
    class TNoPreview : public IReportPreview
    {
    public:
        void ShowReport(TReportDocument& document, const QString&) override { document.PageCount(); }
    } noPreview;
    manager.SetPreview(&noPreview);
    const TRun fixedSize[] = {
        { QStringLiteral("Заявление (досрочное погашение)"), QStringLiteral("AheadStatement"), statementQuery,
          [&] { runs.Run(QStringLiteral("ahead-statement"), statementInput); } },
        { QStringLiteral("Приходный кассовый ордер"), QStringLiteral("PaymentReport"), orderQuery,
          [&] { runs.Run(QStringLiteral("payment-order"), orderInput); } },
    };
    for (const TRun& run : fixedSize) {
        const double query = MedianMs(rounds * 4, run.Query);
        TResultSet empty(facade.Connection(), { QStringLiteral("SELECT * FROM Debtors WHERE 0") });
        const double fixed = MedianMs(rounds * 4, [&] { Render(manager, run.Template, &empty, nullptr); });
        const double whole = MedianMs(rounds * 4, run.Whole);
        out << QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
                   .arg(run.Title)
                   .arg(query, 0, 'f', 2)
                   .arg(fixed, 0, 'f', 2)
                   .arg(whole, 0, 'f', 2)
                   .arg(whole / (1.5 * query + fixed), 0, 'f', 2);
    }
    return 0;
}

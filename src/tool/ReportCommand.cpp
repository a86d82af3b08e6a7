#include "ReportCommand.h"

#include "ToolOptions.h"

#include "control/ReportRuns.h"
#include "data/DataAccessFacade.h"
#include "domain/Clock.h"
#include "domain/ScopedClock.h"
#include "reports/DeclensionService.h"
#include "reports/ReportFileOutput.h"
#include "reports/ReportManager.h"
#include "sqlite/ResultSet.h"

#include <QDateTime>
#include <QLocale>

namespace {

// The options each kind cannot do without.
QStringList RequiredOptions(const QString& kind)
{
    if (kind == QLatin1String("credit-schedule") || kind == QLatin1String("payment-history"))
        return { QStringLiteral("credit") };
    if (kind == QLatin1String("payment-order"))
        return { QStringLiteral("payment") };
    if (kind == QLatin1String("month-forecast"))
        return { QStringLiteral("month"), QStringLiteral("year") };
    if (kind == QLatin1String("ahead-statement") || kind == QLatin1String("respite-statement"))
        return { QStringLiteral("debtor") };
    return {};
}

}

QStringList TReportCommand::Kinds()
{
    return { QStringLiteral("credit-schedule"),   QStringLiteral("payment-order"),   QStringLiteral("payment-history"),
             QStringLiteral("debtors-for-date"),  QStringLiteral("insolvent"),       QStringLiteral("payments-for-date"),
             QStringLiteral("statistics"),        QStringLiteral("month-forecast"),  QStringLiteral("ahead-statement"),
             QStringLiteral("respite-statement") };
}

QString TReportCommand::Synopsis() const
{
    return QStringLiteral("ВИД ФАЙЛ --out ВЫХОД.pdf|ВЫХОД.html [--date ГГГГ-ММ-ДД] [--month М --year Г] "
                          "[--debtor КОД] [--credit КОД] [--payment КОД] [--today ГГГГ-ММ-ДД]");
}

QStringList TReportCommand::OptionNames() const
{
    return { QStringLiteral("out"),    QStringLiteral("date"),   QStringLiteral("month"),   QStringLiteral("year"),
             QStringLiteral("debtor"), QStringLiteral("credit"), QStringLiteral("payment"), QStringLiteral("today") };
}

void TReportCommand::ReadBookOptions(TToolOptions& options)
{
    m_kind = options.Files().value(0);
    if (!Kinds().contains(m_kind)) {
        options.Refuse(QStringLiteral("Неизвестный вид отчёта: %1 (есть: %2)").arg(m_kind, Kinds().join(QStringLiteral(", "))));
        return;
    }
    options.Read(QStringLiteral("out"), m_out);
    if (options.Error().isEmpty() && !TReportFileOutput::IsSupported(m_out))
        options.Refuse(QStringLiteral("Файл --out должен оканчиваться на .pdf или .html: %1").arg(m_out));
    m_today = DateTime(QDate::currentDate());
    options.Read(QStringLiteral("today"), m_today, false);
    m_date = m_today;
    options.Read(QStringLiteral("date"), m_date, false);
    const QStringList required = RequiredOptions(m_kind);
    const auto read = [&](const char* name, int& value) {
        const QString option = QLatin1String(name);
        options.Read(option, value, required.contains(option));
    };
    read("month", m_month);
    read("year", m_year);
    read("debtor", m_debtor);
    read("credit", m_credit);
    read("payment", m_payment);
}

bool TReportCommand::RunKind(TReportRuns& runs, TDataAccessFacade& facade, QTextStream& err)
{
    if (m_kind == QLatin1String("credit-schedule")) {
        runs.CreditSchedule(m_credit);
    } else if (m_kind == QLatin1String("payment-order")) {
        runs.PaymentOrder(m_payment);
    } else if (m_kind == QLatin1String("payment-history")) {
        const std::unique_ptr<TResultSet> payments = facade.OpenCreditPaymentsQuery(m_credit);
        runs.PaymentHistory(payments.get(), nullptr);
    } else if (m_kind == QLatin1String("debtors-for-date")) {
        runs.DebtorsForDate(m_date);
    } else if (m_kind == QLatin1String("insolvent")) {
        runs.AllInsolvent(m_today);
    } else if (m_kind == QLatin1String("payments-for-date")) {
        runs.PaymentsForDate(m_date);
    } else if (m_kind == QLatin1String("statistics")) {
        runs.Statistics();
    } else if (m_kind == QLatin1String("month-forecast")) {
        runs.MonthForecast(m_month, m_year);
    } else {
        const bool ahead = m_kind == QLatin1String("ahead-statement");
        if (!(ahead ? runs.AheadStatement(m_debtor) : runs.RespiteStatement(m_debtor))) {
            err << QStringLiteral("ФИО коммерческого директора не заполнено (или должника с кодом %1 нет).")
                       .arg(m_debtor)
                << '\n';
            return false;
        }
    }
    return true;
}

int TReportCommand::Work(TDataAccessFacade& facade, QTextStream& /*out*/, QTextStream& err)
{
    // "Today" of the documents: the day given, at the real time of day.
    const TFixedClock clock(DateTime(m_today.Date(), QTime::currentTime()));
    const TScopedClock inPlace(clock);
    // Russian office documents: Russian money and date forms, whatever the shell's locale.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    TReportFileOutput output(m_out);
    TReportManager manager;
    manager.SetPreview(&output);
    TReportRuns runs(facade, manager, *GetDeclensionService());
    if (!RunKind(runs, facade, err))
        return ecFailure;
    return output.Written() ? ecSuccess : ecFailure;
}

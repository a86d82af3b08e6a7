#include "ReportCommand.h"

#include "ToolOptions.h"

#include "data/DataAccessFacade.h"
#include "domain/Clock.h"
#include "domain/ScopedClock.h"
#include "reports/DeclensionService.h"
#include "reports/ReportFileOutput.h"
#include "reports/ReportManager.h"
#include "reports/ReportRuns.h"
#include "sqlite/ResultSet.h"

#include <QDateTime>
#include <QLocale>

namespace {

// The options each kind cannot do without.
QStringList RequiredOptions(TReportNeed need)
{
    switch (need) {
    case TReportNeed::Credit:
        return { QStringLiteral("credit") };
    case TReportNeed::Payment:
        return { QStringLiteral("payment") };
    case TReportNeed::Month:
        return { QStringLiteral("month"), QStringLiteral("year") };
    case TReportNeed::Debtor:
        return { QStringLiteral("debtor") };
    case TReportNeed::Nothing:
    case TReportNeed::Date:
    case TReportNeed::Today:
        break;
    }
    return {};
}

}

QStringList TReportCommand::Kinds()
{
    QStringList names;
    for (const TReportKind& kind : ReportKinds())
        names << kind.Name;
    return names;
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
    m_input.Date = m_today;
    options.Read(QStringLiteral("date"), m_input.Date, false);
    const QStringList required = RequiredOptions(ReportKind(m_kind).Need);
    const auto read = [&](const char* name, int& value) {
        const QString option = QLatin1String(name);
        options.Read(option, value, required.contains(option));
    };
    read("month", m_input.Month);
    read("year", m_input.Year);
    read("debtor", m_input.DebtorID);
    read("credit", m_input.CreditID);
    read("payment", m_input.PaymentID);
}

int TReportCommand::Work(ILoanBookStore& facade, QTextStream& /*out*/, QTextStream& err)
{
    // "Today" of the documents: the day given, at the real time of day.
    const TFixedClock clock(DateTime(m_today.Date(), QTime::currentTime()));
    const TScopedClock inPlace(clock);
    // Russian office documents: Russian money and date forms, whatever the shell's locale.
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    TReportFileOutput output(m_out);
    TReportManager manager;
    manager.SetPreview(&output);
    TDeclensionService declension(TDeclensionService::DefaultLibraryPath());
    TReportRuns runs(facade, manager, declension);
    const TReportKind& kind = ReportKind(m_kind);
    TReportInput input = m_input;
    if (kind.Need == TReportNeed::Today)
        input.Date = m_today;
    // Only the statements refuse.
    if (!runs.Run(kind, input)) {
        err << QStringLiteral("ФИО коммерческого директора не заполнено (или должника с кодом %1 нет).").arg(m_input.DebtorID)
            << '\n';
        return ecFailure;
    }
    return output.Written() ? ecSuccess : ecFailure;
}

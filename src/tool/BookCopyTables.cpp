#include "BookCopyTables.h"

namespace BookCopy {

namespace {

// "Name:kind" words; a "*" after the kind marks a column kept by the triggers.
TTable Describe(const char* name, bool keyed, const char* columns)
{
    TTable table{QString::fromLatin1(name), {}, keyed};
    for (const QString& word : QString::fromLatin1(columns).split(QLatin1Char(' '))) {
        const QString kind = word.section(QLatin1Char(':'), 1);
        const TKind kindOf = kind.startsWith(QLatin1Char('t'))   ? TKind::Text
                             : kind.startsWith(QLatin1Char('m')) ? TKind::Money
                             : kind.startsWith(QLatin1Char('d')) ? TKind::Moment
                             : kind.startsWith(QLatin1Char('f')) ? TKind::Flag
                                                                 : TKind::Integer;
        table.Columns.push_back({word.section(QLatin1Char(':'), 0, 0), kindOf, kind.endsWith(QLatin1Char('*'))});
    }
    return table;
}

}

QStringList TTable::ColumnNames() const
{
    QStringList names;
    for (const TColumn& column : Columns)
        names << column.Name;
    return names;
}

std::vector<int> TTable::DerivedColumns() const
{
    std::vector<int> derived;
    for (int i = 0; i < int(Columns.size()); ++i) {
        if (Columns[std::size_t(i)].Derived)
            derived.push_back(i);
    }
    return derived;
}

const std::vector<TTable>& Tables()
{
    static const std::vector<TTable> tables = {
        Describe("Debtors", true,
                 "DebtorID:i Name:t Surname:t PatronymicName:t Telephone:t PostCode:t Region:t District:t City:t "
                 "Street:t Building:t Flat:t PassportSeries:t PassportNumber:t PassportInfo:t DelayCount:i* "
                 "ActiveDelayCount:i*"),
        Describe("Credits", true,
                 "CreditID:i DebtorID:i ContractNumber:t ContractDate:d PaymentDay:i CreditPeriod:i YearPercent:i "
                 "CreditSize:m FullMustBePaymentSum:m PaymentsSum:m* DelayCount:i* ActiveDelayCount:i*"),
        Describe("PaymentSchedule", true,
                 "ScheduleID:i CreditID:i PaymentDate:d Balance:m MustBePaymentSum:m PayingOff:m CreditPercents:m "
                 "Annua:m WasDelay:f ActiveDelay:f"),
        Describe("PaymentHistory", true,
                 "PaymentID:i CreditID:i PaymentDate:d PaymentSum:m AheadSum:m OrderNumber:i*"),
        Describe("CompanyInfo", false, "CompanyName:t BossName:t"),
        Describe("DataBaseState", false, "LastSchedulesDelayUpdate:d"),
        Describe("QDBVersion", false, "DBType:i MajorVersion:i MinorVersion:i ReleaseVersion:i BuildVersion:i"),
    };
    return tables;
}

}

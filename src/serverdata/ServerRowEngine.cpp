#include "ServerRowEngine.h"

#include "NamedParams.h"

#include "postgres/PgConnection.h"

#include <QHash>

#include <charconv>
#include <string>
#include <vector>

namespace {

// The server's type OIDs of the values a loan book holds.
enum TServerType : unsigned
{
    BooleanType = 16,
    BigIntType = 20,
    SmallIntType = 21,
    IntegerType = 23,
    RealType = 700,
    DoubleType = 701,
    DateType = 1082,
    TimestampType = 1114,
    NumericType = 1700,
};

enum class TCellKind
{
    Integer,
    Flag,
    Money,
    Real,
    Moment,
    Text,
};

TCellKind KindOf(unsigned type)
{
    switch (type) {
    case BooleanType:
        return TCellKind::Flag;
    case BigIntType:
    case SmallIntType:
    case IntegerType:
        return TCellKind::Integer;
    case NumericType:
        return TCellKind::Money;
    case RealType:
    case DoubleType:
        return TCellKind::Real;
    case DateType:
    case TimestampType:
        return TCellKind::Moment;
    default:
        return TCellKind::Text;
    }
}

QString DeclaredType(TCellKind kind)
{
    switch (kind) {
    case TCellKind::Integer:
        return QStringLiteral("INTEGER");
    case TCellKind::Flag:
        return QStringLiteral("BOOLEAN");
    case TCellKind::Money:
        return QStringLiteral("CURRENCY");
    case TCellKind::Real:
        return QStringLiteral("REAL");
    case TCellKind::Moment:
        return QStringLiteral("DATETIME");
    case TCellKind::Text:
        break;
    }
    return QStringLiteral("TEXT");
}

TStoredValue IntegerValue(QByteArrayView bytes, TStoredValue::TType otherwise)
{
    qint64 number = 0;
    const auto [end, error] = std::from_chars(bytes.data(), bytes.data() + bytes.size(), number);
    if (error == std::errc() && end == bytes.data() + bytes.size())
        return TStoredValue::FromInteger(number);
    return TStoredValue::FromBytes(otherwise, bytes);
}

// numeric(19,4) comes with all its decimals ("10661.8500", "100.0000"); the
// file holds the shortest form, a whole amount as an integer.
TStoredValue MoneyValue(QByteArrayView bytes)
{
    const qsizetype point = bytes.indexOf('.');
    if (point < 0)
        return IntegerValue(bytes, TStoredValue::Float);
    qsizetype end = bytes.size();
    while (end > point + 1 && bytes[end - 1] == '0')
        --end;
    if (end == point + 1)
        return IntegerValue(bytes.first(point), TStoredValue::Float);
    return TStoredValue::FromBytes(TStoredValue::Float, bytes.first(end));
}

// The server writes "2009-01-20 00:00:00" or "2009-01-20 10:15:00.5" (and a
// date alone as "2009-01-20"); the file's form always has three decimals.
void NormalizeMoment(QByteArrayView bytes, std::string& moment)
{
    moment.assign(bytes.data(), std::size_t(bytes.size()));
    if (moment.size() == 10)
        moment += " 00:00:00";
    if (moment.size() == 19)
        moment += '.';
    while (moment.size() < 23)
        moment += '0';
}

class TServerRows : public IRowSource
{
public:
    explicit TServerRows(TPgResult result)
        : m_result(std::move(result))
        , m_moments(std::size_t(m_result.ColumnCount()))
    {
        m_kinds.reserve(std::size_t(m_result.ColumnCount()));
        for (int column = 0; column < m_result.ColumnCount(); ++column)
            m_kinds.push_back(KindOf(m_result.ColumnType(column)));
    }

    int ColumnCount() const override { return m_result.ColumnCount(); }
    QString ColumnName(int column) const override { return BookColumnName(m_result.ColumnName(column)); }
    QString ColumnDeclaredType(int column) const override { return DeclaredType(m_kinds[std::size_t(column)]); }

    bool Step() override
    {
        ++m_row;
        return m_row < m_result.RowCount();
    }

    TStoredValue Value(int column) const override
    {
        if (m_result.IsNull(m_row, column))
            return TStoredValue();
        const QByteArrayView bytes = m_result.Bytes(m_row, column);
        switch (m_kinds[std::size_t(column)]) {
        case TCellKind::Integer:
            return IntegerValue(bytes, TStoredValue::Text);
        case TCellKind::Flag:
            return TStoredValue::FromInteger(bytes == QByteArrayView("t") ? 1 : 0);
        case TCellKind::Money:
            return MoneyValue(bytes);
        case TCellKind::Real:
            return TStoredValue::FromBytes(TStoredValue::Float, bytes);
        case TCellKind::Moment: {
            std::string& moment = m_moments[std::size_t(column)];
            NormalizeMoment(bytes, moment);
            return TStoredValue::FromBytes(TStoredValue::Text, QByteArrayView(moment.data(), qsizetype(moment.size())));
        }
        case TCellKind::Text:
            break;
        }
        return TStoredValue::FromBytes(TStoredValue::Utf8Text, bytes);
    }

private:
    TPgResult m_result;
    std::vector<TCellKind> m_kinds;
    // A moment's normalized text, per column, until the next row.
    mutable std::vector<std::string> m_moments;
    int m_row = -1;
};

}

std::unique_ptr<IRowSource> TServerRowEngine::Run(const QString& sql, const TQueryParams& params)
{
    const TServerStatement statement = ToServerStatement(sql, params);
    return std::make_unique<TServerRows>(m_connection.Execute(statement.Sql, statement.Params));
}

QString BookColumnName(const QString& folded)
{
    // The book's columns and the names its lists and documents give their values.
    static const QHash<QString, QString> names = [] {
        QHash<QString, QString> byFolded;
        const char* const spelled =
            "DebtorID Name Surname PatronymicName Telephone PostCode Region District City Street Building Flat "
            "PassportSeries PassportNumber PassportInfo DelayCount ActiveDelayCount CreditID ContractNumber "
            "ContractDate PaymentDay CreditPeriod YearPercent CreditSize FullMustBePaymentSum PaymentsSum ScheduleID "
            "PaymentDate Balance MustBePaymentSum PayingOff CreditPercents Annua WasDelay ActiveDelay PaymentID "
            "PaymentSum AheadSum OrderNumber CompanyName BossName LastSchedulesDelayUpdate DBType MajorVersion "
            "MinorVersion ReleaseVersion BuildVersion Total DueDate CreditsCount CreditsSumm PaymentsSumm "
            "MinContractDate MaxContractDate MinPaymentDate DebtorsCount MonthPaymentForecast MonthCount";
        for (const QString& name : QString::fromLatin1(spelled).split(QLatin1Char(' ')))
            byFolded.insert(name.toLower(), name);
        return byFolded;
    }();
    return names.value(folded, folded);
}

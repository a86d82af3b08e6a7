#pragma once

// Everything a loan book gives its callers, written out as text: every
// record the core loads, every list and document, the totals. Built by the
// same calls on a file book and on a server book, two snapshots are equal
// exactly when the two engines give the same.

#include "EngineComparison.h"

#include "domain/Company.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"
#include "sqlite/ValueForms.h"

#include <QDate>
#include <QStringList>

namespace BookSnapshot {

inline QString Moment(const DateTime& value)
{
    return ValueForms::DateTimeToText(value);
}

inline QString Amount(Money value)
{
    return value.ToText();
}

inline QString CreditText(const TCredit& credit)
{
    return QStringList { QString::number(credit.GetID()), credit.ContractNumber, Moment(credit.ContractDate),
                         QString::number(credit.PaymentDay), QString::number(credit.CreditPeriod),
                         QString::number(credit.YearPercent), Amount(credit.CreditSize),
                         Amount(credit.FullMustBePaymentSum), Amount(credit.PaymentsSum),
                         QString::number(credit.DelayCount), QString::number(credit.ActiveDelayCount) }
        .join(u'|');
}

inline QString ScheduleRowText(const TPaymentScheduleItem& row)
{
    return QStringList { QString::number(row.GetID()), Moment(row.PaymentDate), Amount(row.Balance),
                         Amount(row.MustBePaymentSum), Amount(row.PayingOff), Amount(row.CreditPercents),
                         Amount(row.Annua), QString::number(row.WasDelay), QString::number(row.ActiveDelay) }
        .join(u'|');
}

inline QString Rows(TResultSet& rows)
{
    QStringList lines;
    for (int row = 0; row < rows.RowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < rows.ColumnCount(); ++column)
            cells << rows.ColumnName(column) + u'=' + EngineComparison::Cell(rows, row, column);
        lines << cells.join(u'|');
    }
    return lines.join(u'\n');
}

// The keys of the book's debtors, credits and payments, and days of its schedules and payments.
struct TKeys
{
    QList<int> Debtors;
    QList<int> Credits;
    QList<int> Payments;
    QList<QDate> Days;
};

template <class Store>
TKeys Keys(Store& book)
{
    TKeys keys;
    const auto list = book.OpenDebtorsListQuery();
    for (int row = 0; row < list->RowCount(); ++row)
        keys.Debtors << int(list->Integer(row, QStringLiteral("DebtorID")));
    std::sort(keys.Debtors.begin(), keys.Debtors.end());
    for (int debtor : keys.Debtors) {
        TCreditsList credits;
        book.LoadDebtorCredits(debtor, credits);
        for (const auto& credit : credits) {
            keys.Credits << credit->GetID();
            const auto payments = book.OpenCreditPaymentsQuery(credit->GetID());
            for (int row = 0; row < payments->RowCount(); ++row) {
                keys.Payments << int(payments->Integer(row, QStringLiteral("PaymentID")));
                keys.Days << payments->DateTimeValue(row, QStringLiteral("PaymentDate")).Date();
            }
            TPaymentSchedule schedule;
            book.LoadPaymentSchedule(credit->GetID(), schedule);
            for (const auto& row : schedule)
                keys.Days << row->PaymentDate.Date();
        }
    }
    std::sort(keys.Days.begin(), keys.Days.end());
    keys.Days.erase(std::unique(keys.Days.begin(), keys.Days.end()), keys.Days.end());
    // Every fourth day is plenty for the lists by day, and keeps the snapshot quick.
    QList<QDate> sample;
    for (int i = 0; i < keys.Days.size(); i += 4)
        sample << keys.Days[i];
    keys.Days = sample;
    return keys;
}

// Named parts of the snapshot, so that a difference says where it is.
using TParts = QList<QPair<QString, QString>>;

template <class Store>
TParts Take(Store& book, const TKeys& keys)
{
    TParts parts;
    const auto add = [&](const QString& name, const QString& value) { parts.append({ name, value }); };
    const auto rows = [&](const QString& name, std::unique_ptr<TResultSet> set) { add(name, Rows(*set)); };

    TCompany company;
    book.LoadCompany(company);
    add(QStringLiteral("company"), company.CompanyName + u'|' + company.BossName);
    add(QStringLiteral("largest debtor key"), QString::number(book.GetMaxDebtorID()));
    add(QStringLiteral("last indexing"), Moment(book.GetLastSchedulesDelayUpdate()));
    rows(QStringLiteral("debtors list"), book.OpenDebtorsListQuery());
    rows(QStringLiteral("statistics"), book.OpenStatisticsQuery());
    for (int debtor : keys.Debtors) {
        TDebtor record;
        record.SetID(debtor);
        book.LoadDebtor(record);
        add(QStringLiteral("debtor %1").arg(debtor),
            QStringList { record.GetName(), record.Surname, record.PatronymicName, record.Telephone, record.PostCode,
                          record.Region, record.District, record.City, record.Street, record.Building, record.Flat,
                          record.PassportSeries, record.PassportNumber, record.PassportInfo }
                .join(u'|'));
        TCreditsList credits;
        book.LoadDebtorCredits(debtor, credits);
        QStringList texts;
        for (const auto& credit : credits)
            texts << CreditText(*credit);
        add(QStringLiteral("credits of debtor %1").arg(debtor), texts.join(u'\n'));
        rows(QStringLiteral("statement of debtor %1").arg(debtor), book.OpenDebtorStatementQuery(debtor));
    }
    for (int creditID : keys.Credits) {
        TCredit credit;
        const int debtor = book.LoadCredit(creditID, credit);
        add(QStringLiteral("credit %1").arg(creditID), QString::number(debtor) + u'|' + CreditText(credit));
        int shapeRows = 0;
        int lastRow = 0;
        book.LoadScheduleShape(creditID, shapeRows, lastRow);
        add(QStringLiteral("shape of credit %1").arg(creditID), QStringLiteral("%1 %2").arg(shapeRows).arg(lastRow));
        TPaymentSchedule schedule;
        book.LoadPaymentSchedule(creditID, schedule);
        QStringList texts;
        for (const auto& row : schedule)
            texts << ScheduleRowText(*row);
        add(QStringLiteral("schedule of credit %1").arg(creditID), texts.join(u'\n'));
        for (const QDate& day : { credit.ContractDate.Date().addMonths(3), credit.ContractDate.Date().addYears(5) }) {
            TPaymentScheduleItem from;
            book.LoadScheduleFromDate(creditID, from, DateTime(day));
            add(QStringLiteral("credit %1 from %2").arg(creditID).arg(day.toString(Qt::ISODate)),
                ScheduleRowText(from));
        }
        TPaymentHistoryItem latest;
        QString orderNumber;
        const bool paid = book.LoadLatestPayment(creditID, latest, &orderNumber);
        add(QStringLiteral("latest payment of credit %1").arg(creditID),
            QStringList { QString::number(paid), QString::number(latest.GetID()), Moment(latest.PaymentDate),
                          Amount(latest.PaymentSum), Amount(latest.AheadSum), orderNumber }
                .join(u'|'));
        rows(QStringLiteral("schedule document of credit %1").arg(creditID), book.OpenCreditScheduleQuery(creditID));
        rows(QStringLiteral("payments of credit %1").arg(creditID), book.OpenCreditPaymentsQuery(creditID));
    }
    for (int payment : keys.Payments)
        rows(QStringLiteral("order of payment %1").arg(payment), book.OpenPaymentOrderQuery(payment));
    QList<int> months;
    for (const QDate& day : keys.Days) {
        const DateTime moment(day);
        const QString date = day.toString(Qt::ISODate);
        rows(QStringLiteral("debtors for %1").arg(date), book.OpenDebtorsForDateQuery(moment));
        rows(QStringLiteral("insolvent on %1").arg(date), book.OpenInsolventQuery(moment));
        rows(QStringLiteral("payments on %1").arg(date), book.OpenPaymentsForDateQuery(moment));
        if (!months.contains(day.year() * 12 + day.month())) {
            months << day.year() * 12 + day.month();
            add(QStringLiteral("month of %1").arg(date),
                Amount(book.GetMonthPaymentForecast(day.month(), day.year())) + u'|' +
                    Amount(book.GetMonthPaymentsTotal(day.month(), day.year())));
        }
    }
    return parts;
}

// Empty when equal; else the first part that differs, both ways.
inline QString Difference(const TParts& file, const TParts& server)
{
    if (file.size() != server.size())
        return QStringLiteral("parts: file %1, server %2").arg(file.size()).arg(server.size());
    for (int i = 0; i < file.size(); ++i)
        if (file[i] != server[i])
            return QStringLiteral("%1\n--- file:\n%2\n--- server:\n%3")
                .arg(file[i].first, file[i].second.left(3000), server[i].second.left(3000));
    return QString();
}

}

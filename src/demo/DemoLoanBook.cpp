#include "DemoLoanBook.h"

#include "core/LoanBook.h"
#include "data/DataAccessFacade.h"
#include "DemoNames.h"
#include "data/LoanBookFile.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Clock.h"
#include "domain/Company.h"
#include "domain/Credit.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentSchedule.h"
#include "domain/ScopedClock.h"

#include <QFile>

#include <algorithm>

namespace {

// Months of the credits on offer; a long one now and then.
constexpr int Periods[] = { 6, 12, 12, 18, 24, 24, 36, 36, 36, 48 };

Money Roubles(qint64 roubles)
{
    return Money::FromUnits(roubles * Money::UnitsPerRouble);
}

// Down to whole multiples of the step (in roubles).
Money RoundDown(Money amount, qint64 stepRoubles)
{
    const qint64 step = stepRoubles * Money::UnitsPerRouble;
    return Money::FromUnits(amount.Units() / step * step);
}

}

TDemoLoanBook::TDemoLoanBook(int debtors, std::uint32_t seed)
    : m_debtors(debtors)
    , m_random(seed)
{
}

int TDemoLoanBook::Uniform(int low, int high)
{
    // The raw output of the engine is the same everywhere; the standard
    // distributions are not, and the same seed must give the same book.
    return low + int(m_random() % std::uint32_t(high - low + 1));
}

bool TDemoLoanBook::Chance(int percent)
{
    return Uniform(1, 100) <= percent;
}

DateTime TDemoLoanBook::MomentOn(const DateTime& day)
{
    const int hour = Uniform(9, 18);
    const int minute = Uniform(0, 59);
    const int second = Uniform(0, 59);
    return DateTime(day.Date(), QTime(hour, minute, second, Uniform(0, 999)));
}

void TDemoLoanBook::Create(const QString& fileName)
{
    CreateLoanBookFile(fileName);
    try {
        TDataAccessFacade facade;
        facade.Connection().SetFileName(fileName);
        Fill(facade);
    } catch (...) {
        QFile::remove(fileName.trimmed());
        throw;
    }
}

void TDemoLoanBook::Fill(ILoanBookStore& store)
{
    TLoanBook book(store);
    m_book = &book;
    m_now = Clock::Now();
    // One transaction for the whole book: the operations join it, and the file
    // is written once instead of once per row.
    // A big book is written faster with its pages and the savepoints' undo
    // records kept in memory; both settings last only as long as the connection.
    if (TSQLiteConnection* file = store.FileConnection()) {
        file->Execute(QStringLiteral("PRAGMA cache_size = -65536"));
        file->Execute(QStringLiteral("PRAGMA temp_store = MEMORY"));
    }
    const auto transaction = store.BeginWrite();
    TCompany company;
    company.CompanyName = QStringLiteral("ООО «Варнель-Кредит»");
    company.BossName = QStringLiteral("Корнилов Андрей Викторович");
    store.SaveCompany(company);
    for (int i = 0; i < m_debtors; ++i) {
        TDebtor debtor;
        FillDebtor(debtor);
        book.AddDebtor(debtor);
        for (int credits = Uniform(1, 3); credits > 0; --credits)
            AddCredit(debtor.GetID());
    }
    store.UpdateSchedulesDelay();
    transaction->Commit();
    m_book = nullptr;
}

void TDemoLoanBook::FillDebtor(TDebtor& debtor)
{
    const bool male = Chance(50);
    const DemoNames::TGendered& surname = Pick(DemoNames::Surnames());
    debtor.Surname = QString::fromUtf8(male ? surname.Male : surname.Female);
    debtor.SetName(QString::fromUtf8(male ? Pick(DemoNames::MaleNames()) : Pick(DemoNames::FemaleNames())));
    const DemoNames::TGendered& patronymic = Pick(DemoNames::Patronymics());
    // Now and then a patronymic is missing, as in real books.
    debtor.PatronymicName = Chance(3) ? QString() : QString::fromUtf8(male ? patronymic.Male : patronymic.Female);

    const DemoNames::TPlace& place = Pick(DemoNames::Places());
    debtor.PostCode = QString::fromUtf8(place.PostCodePrefix) + QStringLiteral("%1").arg(Uniform(0, 999), 3, 10, QLatin1Char('0'));
    debtor.Region = QString::fromUtf8(place.Region);
    debtor.District = QString::fromUtf8(place.District);
    debtor.City = QString::fromUtf8(place.City);
    debtor.Street = QString::fromUtf8(Pick(DemoNames::Streets()));
    debtor.Building = QString::number(Uniform(1, 120));
    if (Chance(15))
        debtor.Building += QStringLiteral(" корп. %1").arg(Uniform(1, 4));
    if (!Chance(20)) // the others live in a house of their own
        debtor.Flat = QString::number(Uniform(1, 240));
    if (!Chance(10)) {
        const int code = Uniform(900, 999);
        const int number = Uniform(0, 9999999);
        debtor.Telephone = QStringLiteral("+7 (%1) %2-%3-%4")
                               .arg(code)
                               .arg(number / 10000, 3, 10, QLatin1Char('0'))
                               .arg(number / 100 % 100, 2, 10, QLatin1Char('0'))
                               .arg(number % 100, 2, 10, QLatin1Char('0'));
    }

    const int seriesRegion = Uniform(1, 99);
    const int seriesYear = Uniform(0, 24);
    debtor.PassportSeries = QStringLiteral("%1 %2").arg(seriesRegion, 2, 10, QLatin1Char('0')).arg(seriesYear, 2, 10, QLatin1Char('0'));
    debtor.PassportNumber = QStringLiteral("%1").arg(Uniform(1, 999999), 6, 10, QLatin1Char('0'));
    const QDate issued(2000 + seriesYear, Uniform(1, 12), Uniform(1, 28));
    debtor.PassportInfo = QStringLiteral("Отделением УФМС России в %1, %2")
                              .arg(debtor.City, issued.toString(QStringLiteral("dd.MM.yyyy")));
}

TDemoLoanBook::TConduct TDemoLoanBook::PickConduct()
{
    const int draw = Uniform(1, 100);
    if (draw <= 45)
        return TConduct::OnTime;
    if (draw <= 63)
        return TConduct::Late;
    if (draw <= 75)
        return TConduct::StopsPaying;
    if (draw <= 85)
        return TConduct::PaysAhead;
    if (draw <= 95)
        return TConduct::RepaysEarly;
    return TConduct::PaysShort;
}

void TDemoLoanBook::AddCredit(int debtorID)
{
    TCredit credit;
    credit.ContractDate = m_now.DayOnly().AddDays(-Uniform(1, 730));
    credit.PaymentDay = Uniform(1, 28);
    credit.CreditPeriod = Pick(Periods);
    credit.YearPercent = Uniform(12, 36);
    credit.CreditSize = Roubles(qint64(Uniform(10, 300)) * 1000);
    credit.ContractNumber = QStringLiteral("К-%1/%2")
                                .arg(credit.ContractDate.Date().year())
                                .arg(++m_contracts, 5, 10, QLatin1Char('0'));
    TPaymentSchedule schedule;
    m_book->AddCredit(debtorID, credit, schedule);
    m_seen = TCreditPicture::Of(debtorID, credit, schedule);
    PayCredit(credit, schedule, PickConduct());
}

void TDemoLoanBook::PayCredit(TCredit& credit, TPaymentSchedule& schedule, TConduct conduct)
{
    const int count = schedule.Count();
    const int stopAt = conduct == TConduct::StopsPaying ? Uniform(0, count - 1) : count;
    const int aheadAt = conduct == TConduct::PaysAhead ? Uniform(0, std::max(0, count - 2)) : -1;
    const int repayAt = conduct == TConduct::RepaysEarly ? Uniform(1, count - 1) : -1;
    m_paid = Money();
    DateTime last;
    for (int i = 0; i < count && i != stopAt; ++i) {
        const TPaymentScheduleItem& row = *schedule.Items(i);
        const int shift = conduct == TConduct::Late ? Uniform(3, 45) : -Uniform(0, 3);
        DateTime moment = MomentOn(row.PaymentDate.AddDays(shift));
        if (moment <= last) // one payment after the other
            moment = DateTime(last.Date(), last.Time().addSecs(60));
        if (moment >= m_now)
            break;
        last = moment;

        const Money remaining = credit.FullMustBePaymentSum - m_paid;
        if (i == repayAt) {
            Pay(moment, remaining, false);
            break;
        }
        const Money due = row.MustBePaymentSum - m_paid;
        if (due <= Money())
            continue; // covered by an earlier overpayment
        if (i == aheadAt && i + 1 < count) {
            const Money advance = RoundDown(Money::FromUnits(row.Balance.Units() / 100 * Uniform(10, 50)), 1000);
            if (advance > Money()) {
                Pay(moment, due + advance, true);
                // The rows after this one are the rebuilt ones now.
                m_book->Store().LoadPaymentSchedule(credit.GetID(), schedule);
                m_book->Store().LoadCredit(credit.GetID(), credit);
                continue;
            }
        }
        Money amount = due;
        if (conduct == TConduct::PaysShort)
            amount = RoundDown(Money::FromUnits(due.Units() / 100 * Uniform(40, 90)), 1);
        else if (Chance(30)) // rounded up to the next hundred; the excess stays as an advance
            amount = std::min(RoundDown(due, 100) + Roubles(100), remaining);
        if (amount > Money())
            Pay(moment, amount, false);
    }
}

void TDemoLoanBook::Pay(const DateTime& moment, Money amount, bool rebuild)
{
    // Paid at that moment, as the clerk would have recorded it then.
    const TFixedClock clock(moment);
    const TScopedClock then(clock);
    // A clerk types whole kopecks; the schedule's sums run to ten-thousandths.
    const Money typed = Money::FromUnits(amount.WholeKopecks() * Money::UnitsPerKopeck);
    const TPaymentHistoryItem payment = m_book->RecordPayment(m_seen, typed, rebuild);
    m_paid += payment.PaymentSum;
    m_seen.PaymentsSum += payment.PaymentSum;
    if (payment.AheadSum != Money())
        m_seen = m_book->SeeCredit(m_seen.CreditID);
}

#pragma once

// Table columns for expected schedule rows and their check, shared by the
// schedule tests. Amounts are written as money text, exactly as in a loan book.
#include "domain/PaymentScheduleItem.h"

#include <QDate>
#include <QTest>

inline void AddScheduleRowColumns()
{
    QTest::addColumn<int>("row"); // 1-based, as a loan officer counts
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("annua");
    QTest::addColumn<QString>("percents");
    QTest::addColumn<QString>("payingOff");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("mustBePaid");
}

// Compares the row with the current data row's expected values.
inline void CompareScheduleRow(const TPaymentScheduleItem* item)
{
    QFETCH(QDate, date);
    QFETCH(QString, annua);
    QFETCH(QString, percents);
    QFETCH(QString, payingOff);
    QFETCH(QString, balance);
    QFETCH(QString, mustBePaid);
    QVERIFY(item);
    QCOMPARE(item->PaymentDate.Date(), date);
    QCOMPARE(item->PaymentDate.MSecOfDay(), 0); // due dates are whole days
    QCOMPARE(item->Annua.ToFixedText(), annua);
    QCOMPARE(item->CreditPercents.ToFixedText(), percents);
    QCOMPARE(item->PayingOff.ToFixedText(), payingOff);
    QCOMPARE(item->Balance.ToFixedText(), balance);
    QCOMPARE(item->MustBePaymentSum.ToFixedText(), mustBePaid);
}

#include "ui/DisplayFormats.h"

#include "domain/Debtor.h"

#include <QLocale>
#include <QTest>

// ru_RU writes a no-break space between thousands and before the currency sign.
static const QString Nb = QStringLiteral("\u00A0");

class TestDisplayFormats : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void MoneyFormat_data()
    {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<QString>("money");
        QTest::addColumn<QString>("entry");
        QTest::newRow("grouped") << qint64(12345000) << "1" + Nb + "234,50" + Nb + "₽" << "1234,50";
        QTest::newRow("millions") << qint64(12345678900) << "1" + Nb + "234" + Nb + "567,89" + Nb + "₽"
                                  << "1234567,89";
        QTest::newRow("half a kopeck up") << qint64(50) << "0,01" + Nb + "₽" << "0,01";
        QTest::newRow("below half down") << qint64(49) << "0,00" + Nb + "₽" << "0,00";
        QTest::newRow("schedule tail") << qint64(-3) << "0,00" + Nb + "₽" << "0,00";
        QTest::newRow("negative") << qint64(-12345050) << "-1" + Nb + "234,51" + Nb + "₽" << "-1234,51";
        QTest::newRow("instalment") << qint64(8884879) << "888,49" + Nb + "₽" << "888,49";
    }
    void MoneyFormat()
    {
        QFETCH(qint64, units);
        QFETCH(QString, money);
        QCOMPARE(FormatMoney(Money::FromUnits(units)), money);
    }

    void AmountEntryFormat_data() { MoneyFormat_data(); }
    void AmountEntryFormat()
    {
        QFETCH(qint64, units);
        QFETCH(QString, entry);
        QCOMPARE(FormatAmountEntry(Money::FromUnits(units)), entry);
    }

    void AmountParsing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("units");
        QTest::newRow("whole") << "5000" << true << qint64(50000000);
        QTest::newRow("decimal comma") << "1234,5" << true << qint64(12345000);
        QTest::newRow("four decimals exactly") << "0,1234" << true << qint64(1234);
        QTest::newRow("fifth decimal rounds to even") << "0,00005" << true << qint64(0);
        QTest::newRow("blanks around") << " 12,30 " << true << qint64(123000);
        QTest::newRow("pasted negative") << "-5000" << true << qint64(-50000000);
        QTest::newRow("own entry format reads back") << "-1234,51" << true << qint64(-12345100);
        QTest::newRow("point is not the separator") << "1234.5" << false << qint64(0);
        QTest::newRow("grouping") << "1" + Nb + "234" << false << qint64(0);
        QTest::newRow("letters") << "abc" << false << qint64(0);
        QTest::newRow("empty") << "" << false << qint64(0);
        QTest::newRow("beyond Money") << "99999999999999999999" << false << qint64(0);
    }
    void AmountParsing()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, units);
        const std::optional<Money> amount = ParseAmount(text);
        QCOMPARE(amount.has_value(), valid);
        if (valid)
            QCOMPARE(amount->Units(), units);
    }

    void ShortDateAndNames()
    {
        QCOMPARE(FormatShortDate(DateTime::FromYMD(2009, 2, 15, 13, 45)), QStringLiteral("15.02.2009"));
        QCOMPARE(FormatWholeNumber(1234567), QStringLiteral("1234567"));
        TDebtor debtor;
        debtor.Surname = QStringLiteral("Иванов");
        debtor.SetName(QStringLiteral("Пётр"));
        debtor.PatronymicName = QStringLiteral("Сергеевич");
        QCOMPARE(DebtorFullName(debtor), QStringLiteral("Иванов Пётр Сергеевич"));
        debtor.PatronymicName.clear();
        QCOMPARE(DebtorFullName(debtor), QStringLiteral("Иванов Пётр"));
    }
};

QTEST_GUILESS_MAIN(TestDisplayFormats)
#include "TestDisplayFormats.moc"

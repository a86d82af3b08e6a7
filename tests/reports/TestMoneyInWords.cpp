#include "reports/MoneyInWords.h"

#include <QtTest>

class TestMoneyInWords : public QObject
{
    Q_OBJECT

private slots:
    void SpellsAmounts_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("words");
        const char* rows[][2] = {
            { "0", "Ноль рублей 00 копеек" },
            { "0.01", "Ноль рублей 01 копейка" },
            { "0.11", "Ноль рублей 11 копеек" },
            { "0.21", "Ноль рублей 21 копейка" },
            { "1", "Один рубль 00 копеек" },
            { "1.05", "Один рубль 05 копеек" },
            { "2", "Два рубля 00 копеек" },
            { "11", "Одиннадцать рублей 00 копеек" },
            { "21", "Двадцать один рубль 00 копеек" },
            { "111", "Сто одиннадцать рублей 00 копеек" },
            { "1000", "Одна тысяча рублей 00 копеек" },
            { "2000", "Две тысячи рублей 00 копеек" },
            { "5000", "Пять тысяч рублей 00 копеек" },
            { "11000", "Одиннадцать тысяч рублей 00 копеек" },
            { "21000", "Двадцать одна тысяча рублей 00 копеек" },
            { "1234.5", "Одна тысяча двести тридцать четыре рубля 50 копеек" },
            { "1000000", "Один миллион рублей 00 копеек" },
            { "2000000", "Два миллиона рублей 00 копеек" },
            { "12345678.9", "Двенадцать миллионов триста сорок пять тысяч шестьсот семьдесят восемь рублей 90 копеек" },
            { "-1234.5", "Минус одна тысяча двести тридцать четыре рубля 50 копеек" },
            { "-0.5", "Минус ноль рублей 50 копеек" },
            { "1000000000", "Один миллиард рублей 00 копеек" },
            { "3000000000000", "Три триллиона рублей 00 копеек" },
            // Kopecks half away from zero, counted from the exact ten-thousandths.
            { "0.125", "Ноль рублей 13 копеек" },
            { "0.124", "Ноль рублей 12 копеек" },
            { "100.005", "Сто рублей 01 копейка" },
            { "100.0049", "Сто рублей 00 копеек" },
            { "-100.005", "Минус сто рублей 01 копейка" },
            { "0.995", "Один рубль 00 копеек" },
            { "-0.0049", "Ноль рублей 00 копеек" },
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
    }
    void SpellsAmounts()
    {
        QFETCH(QString, amount);
        QFETCH(QString, words);
        const std::optional<Money> money = Money::Parse(amount);
        QVERIFY(money);
        QCOMPARE(MoneyToWords(*money), words);
    }

    // Beyond what money holds, the number words reach the sixth group.
    void SpellsTheHighestGroup()
    {
        QCOMPARE(NumberToWords(QStringLiteral("2000000000000000")), QStringLiteral("два квадриллиона "));
        QCOMPARE(NumberToWords(QStringLiteral("1001001")), QStringLiteral("один миллион одна тысяча один "));
        QCOMPARE(EndingDigit(QStringLiteral("112")), QLatin1Char('0'));
        QCOMPARE(TripletToWords(QLatin1Char('0'), QLatin1Char('1'), QLatin1Char('0'), TWordGender::Masculine),
                 QStringLiteral("десять "));
    }
};

QTEST_GUILESS_MAIN(TestMoneyInWords)
#include "TestMoneyInWords.moc"

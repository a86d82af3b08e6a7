#include "app/FormatsLocale.h"
#include "app/VarnelApplication.h"
#include "ui/DisplayFormats.h"

#include <QTest>

namespace {
const QString Nb = QStringLiteral("\u00A0");
}

// The formats the program shows under the system locales it meets.
class TestFormatsLocale : public QObject
{
    Q_OBJECT

private slots:
    void otherLanguagesGiveWayToRussian_data()
    {
        QTest::addColumn<QString>("system");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("money");
        QTest::addColumn<QString>("month");
        const QString rouble = "160" + Nb + "000,00" + Nb + "₽";
        QTest::newRow("C.UTF-8") << "C.UTF-8" << "ru_RU" << "27.04.2026" << rouble << "январь";
        QTest::newRow("en_US") << "en_US" << "ru_RU" << "27.04.2026" << rouble << "январь";
        QTest::newRow("de_DE") << "de_DE" << "ru_RU" << "27.04.2026" << rouble << "январь";
        QTest::newRow("ru_RU") << "ru_RU" << "ru_RU" << "27.04.2026" << rouble << "январь";
        // A Russian-language locale of another country keeps its own currency.
        QTest::newRow("ru_UA") << "ru_UA" << "ru_UA" << "27.04.2026" << "160" + Nb + "000,00" + Nb + "₴"
                               << "январь";
    }
    void otherLanguagesGiveWayToRussian()
    {
        QFETCH(QString, system);
        QFETCH(QString, chosen);
        QFETCH(QString, date);
        QFETCH(QString, money);
        QFETCH(QString, month);
        const QLocale previous;
        QLocale::setDefault(FormatsLocale(QLocale(system)));
        const QString shownDate = FormatShortDate(DateTime::FromYMD(2026, 4, 27));
        const QString shownMoney = FormatMoney(Money::FromUnits(1600000000));
        const QString shownMonth = QLocale().standaloneMonthName(1);
        const QString shownName = QLocale().name();
        QLocale::setDefault(previous);
        QCOMPARE(shownName, chosen);
        QCOMPARE(shownDate, date);
        QCOMPARE(shownMoney, money);
        QCOMPARE(shownMonth, month);
    }

    // The program itself makes the choice as it starts: this test program
    // was started under an English system locale.
    void programStartsWithRussianFormats()
    {
        QCOMPARE(QLocale::system().language(), QLocale::English);
        QCOMPARE(QLocale().name(), QStringLiteral("ru_RU"));
    }
};

int main(int argc, char** argv)
{
    // Read by Qt when it first asks for the system locale.
    qputenv("LC_ALL", "en_US.UTF-8");
    qputenv("LANG", "en_US.UTF-8");
    TVarnelApplication application(argc, argv);
    TestFormatsLocale test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestFormatsLocale.moc"

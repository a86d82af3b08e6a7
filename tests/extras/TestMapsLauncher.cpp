#include "UrlCatcher.h"

#include "domain/Debtor.h"
#include "extras/DebtorMapAddress.h"
#include "extras/YandexMapsLauncher.h"

#include <QTest>
#include <QUrlQuery>

namespace {
const QString Tail = QStringLiteral("&map=12&g=1.objects.20.10.&g=1.streets.20.200.&how=houses&asc=1");
}

class TestMapsLauncher : public QObject
{
    Q_OBJECT

private slots:
    void AddressOfADebtor_data()
    {
        QTest::addColumn<QStringList>("parts"); // region, district, city, street, building
        QTest::addColumn<QString>("address");
        QTest::newRow("whole") << QStringList{"Тверская обл.", "Калининский р-н", "Тверь", "ул. Мира", "7"}
                               << "Тверская обл., Калининский р-н, Тверь, ул. Мира, 7";
        QTest::newRow("city only") << QStringList{"", "", "Москва", "Тверская", "7"} << "Москва, Тверская, 7";
        QTest::newRow("gaps left out") << QStringList{"Тверская обл.", " ", "Тверь", "", "7"}
                                       << "Тверская обл., Тверь, 7";
    }

    void AddressOfADebtor()
    {
        QFETCH(QStringList, parts);
        QFETCH(QString, address);
        TDebtor debtor;
        debtor.Region = parts[0];
        debtor.District = parts[1];
        debtor.City = parts[2];
        debtor.Street = parts[3];
        debtor.Building = parts[4];
        QCOMPARE(DebtorMapAddress(debtor), address);
    }

    // The map opens at the search page, with the address as typed as the one
    // text value and the fixed tail after it.
    void OpensTheAddressOnTheMap_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("plain") << "Москва Тверская 7";
        QTest::newRow("two blanks") << "Москва  7";
        QTest::newRow("query characters") << "Самара ул. Мира & Труда #5 ?кв=3 100%";
        QTest::newRow("escapes and plus") << "Тула %26 %zz 1+2";
        QTest::newRow("empty") << "";
    }

    void OpensTheAddressOnTheMap()
    {
        QFETCH(QString, address);
        TUrlCatcher browser;
        TYandexMapsLauncher::ShowAddressOnMap(address);
        QCOMPARE(browser.Opened.size(), 1);
        const QUrl url = browser.Opened.first();
        QCOMPARE(url.scheme(), QStringLiteral("https"));
        QCOMPARE(url.path(), QStringLiteral("/search.xml"));
        QVERIFY(url.fragment().isNull());
        const QUrlQuery query(url);
        QCOMPARE(query.queryItemValue(QStringLiteral("text"), QUrl::FullyDecoded), address);
        const QString encoded = url.query(QUrl::FullyEncoded);
        QVERIFY2(encoded.startsWith(QStringLiteral("text=")), qPrintable(encoded));
        QVERIFY2(encoded.endsWith(Tail), qPrintable(encoded));
        // Nothing of the address leaks into further query items.
        QCOMPARE(query.queryItems().size(), 6);
    }

    void SearchAddressEncodesBlanksAndCyrillic()
    {
        QCOMPARE(TYandexMapsLauncher::SearchAddress(QStringLiteral("Москва Тверская 7")),
                 QStringLiteral("https://maps.yandex.ru/search.xml?text=%D0%9C%D0%BE%D1%81%D0%BA%D0%B2%D0%B0%20"
                                "%D0%A2%D0%B2%D0%B5%D1%80%D1%81%D0%BA%D0%B0%D1%8F%207")
                     + Tail);
    }
};

QTEST_GUILESS_MAIN(TestMapsLauncher)
#include "TestMapsLauncher.moc"

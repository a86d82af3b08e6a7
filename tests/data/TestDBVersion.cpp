#include "support/DataTestSupport.h"

#include "data/DBVersion.h"
#include "data/DataExceptions.h"

class TestDBVersion : public QObject
{
    Q_OBJECT

private slots:
    void versionNumber_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<int>("minor");
        QTest::addColumn<int>("release");
        QTest::addColumn<int>("build");
        QTest::addColumn<int>("number");
        QTest::newRow("0.0.0.3") << 0 << 0 << 0 << 3 << 3;
        QTest::newRow("1.0.0.0") << 1 << 0 << 0 << 0 << 1000;
        QTest::newRow("0.0.1.10") << 0 << 0 << 1 << 10 << 110;
        QTest::newRow("1.10.0.0") << 1 << 10 << 0 << 0 << 11000;
        QTest::newRow("0.1.0.0") << 0 << 1 << 0 << 0 << 100;
        QTest::newRow("0.0.0.21") << 0 << 0 << 0 << 21 << 21;
        QTest::newRow("negative major") << -1 << 0 << 0 << 0 << -1000;
    }
    void versionNumber()
    {
        QFETCH(int, major);
        QFETCH(int, minor);
        QFETCH(int, release);
        QFETCH(int, build);
        QFETCH(int, number);
        QCOMPARE(DBVersionToNumber({ 2, major, minor, release, build }), number);
    }

    void versionNumberBeyond32BitsFails()
    {
        QVERIFY_THROWS_EXCEPTION(EConvertError, DBVersionToNumber({ 2, 21, 47, 48, 3648 })); // "2147483648"
        QVERIFY_THROWS_EXCEPTION(EConvertError, DBVersionToNumber({ 2, 0, -1, 0, 0 }));
    }

    void compare_data()
    {
        QTest::addColumn<int>("requiredType");
        QTest::addColumn<QList<int>>("found"); // type, major, minor, release, build
        QTest::addColumn<bool>("passes");
        QTest::newRow("exact") << 2 << QList<int> { 2, 0, 0, 0, 3 } << true;
        QTest::newRow("too low") << 2 << QList<int> { 2, 0, 0, 0, 2 } << false;
        QTest::newRow("higher major") << 2 << QList<int> { 2, 1, 0, 0, 0 } << true;
        QTest::newRow("wrong type") << 2 << QList<int> { 1, 0, 0, 0, 9 } << false;
        QTest::newRow("by number, not by part") << 2 << QList<int> { 2, 0, 0, 0, 21 } << true;
        QTest::newRow("any type") << -1 << QList<int> { 7, 0, 0, 0, 3 } << true;
    }
    void compare()
    {
        QFETCH(int, requiredType);
        QFETCH(QList<int>, found);
        QFETCH(bool, passes);
        QCOMPARE(CompareDBVersions({ requiredType, 0, 0, 0, 3 }, { found[0], found[1], found[2], found[3], found[4] }),
                 passes);
    }

    void describe()
    {
        QCOMPARE(DescribeVersion(RequiredDBVersion()), QStringLiteral("Тип: «2» Версия: «0.0.0.3»"));
        QCOMPARE(DescribeVersion(TDBVersion { -1, 1, 10, 0, 7 }), QStringLiteral("Тип: «-» Версия: «1.10.0.7»"));
        QCOMPARE(DescribeVersion(std::nullopt), QString());
    }

    // The start-up's check on files whose QDBVersion row says this or that.
    void verifyOnFile_data()
    {
        QTest::addColumn<QByteArray>("setup");
        QTest::addColumn<bool>("passes");
        QTest::addColumn<QString>("found");
        QTest::newRow("new loan book") << QByteArray() << true << "Тип: «2» Версия: «0.0.0.3»";
        QTest::newRow("too low") << QByteArray("UPDATE QDBVersion SET BuildVersion = 2") << false
                                 << "Тип: «2» Версия: «0.0.0.2»";
        QTest::newRow("newer") << QByteArray("UPDATE QDBVersion SET MajorVersion = 1, BuildVersion = 0") << true
                               << "Тип: «2» Версия: «1.0.0.0»";
        QTest::newRow("other type") << QByteArray("UPDATE QDBVersion SET DBType = 1, BuildVersion = 9") << false
                                    << "Тип: «1» Версия: «0.0.0.9»";
        QTest::newRow("empty table") << QByteArray("DELETE FROM QDBVersion") << false << "";
        QTest::newRow("no table") << QByteArray("DROP TABLE QDBVersion") << false << "";
        QTest::newRow("missing column") << QByteArray("ALTER TABLE QDBVersion DROP COLUMN BuildVersion") << false << "";
        QTest::newRow("empty texts") << QByteArray("UPDATE QDBVersion SET DBType = '', BuildVersion = NULL") << false
                                     << "Тип: «0» Версия: «0.0.0.0»";
    }
    void verifyOnFile()
    {
        QFETCH(QByteArray, setup);
        QFETCH(bool, passes);
        QFETCH(QString, found);
        QTemporaryDir dir;
        const QString path = DataTest::NewLoanBook(dir);
        if (!setup.isEmpty())
            DataTest::RawExec(path, setup);
        auto facade = DataTest::OpenFacade(path);
        std::optional<TDBVersion> read = TDBVersion { 9, 9, 9, 9, 9 };
        QCOMPARE(facade->VerifyDBVersion(RequiredDBVersion(), read), passes);
        QCOMPARE(DescribeVersion(read), found);
    }
};

QTEST_APPLESS_MAIN(TestDBVersion)
#include "TestDBVersion.moc"

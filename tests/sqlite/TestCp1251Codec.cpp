#include "sqlite/Cp1251Codec.h"
#include "sqlite/SQLiteExceptions.h"

#include <QTest>

class TestCp1251Codec : public QObject
{
    Q_OBJECT

private slots:
    void everyByteSurvivesDecodeAndEncode()
    {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += char(b);
        const QString text = Cp1251::Decode(all);
        QCOMPARE(text.size(), 256);
        QCOMPARE(Cp1251::Encode(text), all);
    }

    void knownCharacters_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("capital a") << "А" << QByteArray("\xC0");
        QTest::newRow("small ya") << "я" << QByteArray("\xFF");
        QTest::newRow("yo") << "Ёё" << QByteArray("\xA8\xB8");
        QTest::newRow("guillemets") << "«»" << QByteArray("\xAB\xBB");
        QTest::newRow("numero") << "№" << QByteArray("\xB9");
        QTest::newRow("euro") << "€" << QByteArray("\x88");
        QTest::newRow("mixed") << "ООО «Ромашка», д. 7"
                               << QByteArray("\xCE\xCE\xCE \xAB\xD0\xEE\xEC\xE0\xF8\xEA\xE0\xBB, \xE4. 7");
        QTest::newRow("empty") << "" << QByteArray();
    }
    void knownCharacters()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Cp1251::Encode(text), bytes);
        QCOMPARE(Cp1251::Decode(bytes), text);
    }

    void characterWithoutCodeIsRefused_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("character");
        QTest::newRow("kazakh letter") << "Әлия"
                                       << "Ә";
        QTest::newRow("emoji") << "Привет 😀!"
                               << "😀";
        QTest::newRow("chinese") << "Ли 李"
                                 << "李";
        QTest::newRow("latin with accent") << "Café"
                                           << "é";
    }
    void characterWithoutCodeIsRefused()
    {
        QFETCH(QString, text);
        QFETCH(QString, character);
        try {
            Cp1251::Encode(text);
            QFAIL("the text was encoded");
        } catch (const ETextEncodingException& error) {
            QVERIFY2(error.Message().contains(QStringLiteral("«") + text + QStringLiteral("»")),
                     qPrintable(error.Message()));
            QVERIFY2(error.Message().contains(QStringLiteral("«") + character + QStringLiteral("»")),
                     qPrintable(error.Message()));
        }
    }
};

QTEST_APPLESS_MAIN(TestCp1251Codec)
#include "TestCp1251Codec.moc"

#include "reports/DeclensionException.h"
#include "reports/DeclensionService.h"

#include <QtTest>

// The declension library through the adapter the program uses: the rules as
// a table of full names, and the buffer and error rules.
class TestDeclension : public QObject
{
    Q_OBJECT

private:
    TDeclensionService m_service { QStringLiteral(VARNEL_BIN_DIR "/padeg") };

private slots:
    void DeclinesFullNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("genitive");
        QTest::addColumn<QString>("dative");

        QTest::newRow("-ов, -ич") << "Иванов Иван Иванович" << "Иванова Ивана Ивановича" << "Иванову Ивану Ивановичу";
        QTest::newRow("-ова, -вна") << "Иванова Анна Петровна" << "Ивановой Анны Петровны" << "Ивановой Анне Петровне";
        QTest::newRow("-ев, -ий") << "Андреев Василий Андреевич" << "Андреева Василия Андреевича"
                                  << "Андрееву Василию Андреевичу";
        QTest::newRow("-ёв, ё kept") << "Королёв Семён Фёдорович" << "Королёва Семёна Фёдоровича"
                                     << "Королёву Семёну Фёдоровичу";
        QTest::newRow("-ин/-ина, -ия") << "Пушкина Мария Ильинична" << "Пушкиной Марии Ильиничны"
                                        << "Пушкиной Марии Ильиничне";
        QTest::newRow("-ын") << "Птицын Игорь Олегович" << "Птицына Игоря Олеговича" << "Птицыну Игорю Олеговичу";
        QTest::newRow("-ский") << "Чайковский Пётр Ильич" << "Чайковского Петра Ильича" << "Чайковскому Петру Ильичу";
        QTest::newRow("-ская") << "Чайковская Ольга Сергеевна" << "Чайковской Ольги Сергеевны"
                               << "Чайковской Ольге Сергеевне";
        QTest::newRow("-цкой") << "Трубецкой Николай Павлович" << "Трубецкого Николая Павловича"
                               << "Трубецкому Николаю Павловичу";
        QTest::newRow("-ой") << "Толстой Лев Николаевич" << "Толстого Льва Николаевича" << "Толстому Льву Николаевичу";
        QTest::newRow("-ая") << "Толстая Софья Андреевна" << "Толстой Софьи Андреевны" << "Толстой Софье Андреевне";
        QTest::newRow("-ий after к") << "Горький Максим Петрович" << "Горького Максима Петровича"
                                     << "Горькому Максиму Петровичу";
        QTest::newRow("-ый") << "Белый Андрей Андреевич" << "Белого Андрея Андреевича" << "Белому Андрею Андреевичу";
        QTest::newRow("-ко") << "Шевченко Тарас Григорьевич" << "Шевченко Тараса Григорьевича"
                             << "Шевченко Тарасу Григорьевичу";
        QTest::newRow("-их") << "Седых Анна Ивановна" << "Седых Анны Ивановны" << "Седых Анне Ивановне";
        QTest::newRow("-ых") << "Черных Олег Павлович" << "Черных Олега Павловича" << "Черных Олегу Павловичу";
        QTest::newRow("-аго") << "Живаго Юрий Андреевич" << "Живаго Юрия Андреевича" << "Живаго Юрию Андреевичу";
        QTest::newRow("-и, foreign -о") << "Руставели Нико Петрович" << "Руставели Нико Петровича"
                                        << "Руставели Нико Петровичу";
        QTest::newRow("consonant, man") << "Шевчук Павел Юрьевич" << "Шевчука Павла Юрьевича"
                                        << "Шевчуку Павлу Юрьевичу";
        QTest::newRow("consonant, woman") << "Шевчук Наталья Юрьевна" << "Шевчук Натальи Юрьевны"
                                          << "Шевчук Наталье Юрьевне";
        QTest::newRow("fleeting -ец") << "Кравец Анатолий Ильич" << "Кравца Анатолия Ильича" << "Кравцу Анатолию Ильичу";
        QTest::newRow("-ец kept") << "Кузнец Глеб Ильич" << "Кузнеца Глеба Ильича" << "Кузнецу Глебу Ильичу";
        QTest::newRow("fleeting -ей") << "Соловей Никита Ильич" << "Соловья Никиты Ильича" << "Соловью Никите Ильичу";
        QTest::newRow("-ь surname") << "Гоголь Николай Васильевич" << "Гоголя Николая Васильевича"
                                    << "Гоголю Николаю Васильевичу";
        QTest::newRow("-а surname, man") << "Глинка Михаил Иванович" << "Глинки Михаила Ивановича"
                                         << "Глинке Михаилу Ивановичу";
        QTest::newRow("-ия, -ья") << "Берия Илья Петрович" << "Берии Ильи Петровича" << "Берии Илье Петровичу";
        QTest::newRow("-ея name") << "Смирнова Рея Ивановна" << "Смирновой Реи Ивановны" << "Смирновой Рее Ивановне";
        QTest::newRow("Любовь") << "Орлова Любовь Петровна" << "Орловой Любови Петровны" << "Орловой Любови Петровне";
        QTest::newRow("foreign name") << "Смирнова Кармен Ивановна" << "Смирновой Кармен Ивановны"
                                      << "Смирновой Кармен Ивановне";
        QTest::newRow("-ична") << "Лаврова Ольга Никитична" << "Лавровой Ольги Никитичны" << "Лавровой Ольге Никитичне";
        QTest::newRow("hyphenated") << "Римский-Корсаков Николай Андреевич" << "Римского-Корсакова Николая Андреевича"
                                    << "Римскому-Корсакову Николаю Андреевичу";
        QTest::newRow("capitals") << "ИВАНОВ ИВАН ИВАНОВИЧ" << "ИВАНОВА ИВАНА ИВАНОВИЧА" << "ИВАНОВУ ИВАНУ ИВАНОВИЧУ";
        QTest::newRow("no patronymic, woman") << "Петрова Анна" << "Петровой Анны" << "Петровой Анне";
        QTest::newRow("surname only") << "Сидоров" << "Сидорова" << "Сидорову";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("blanks kept") << "  Иванов  Иван " << "  Иванова  Ивана " << "  Иванову  Ивану ";
        QTest::newRow("markup") << "<b> Иван" << "<b> Ивана" << "<b> Ивану";
    }
    void DeclinesFullNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, genitive);
        QFETCH(QString, dative);
        QCOMPARE(m_service.DeclineFullName(name, 2), genitive);
        QCOMPARE(m_service.DeclineFullName(name, 3), dative);
    }

    // Names whose spelling alone misleads: stress, foreign origin, particles,
    // fleeting vowels. One case per row, the one where a wrong rule shows.
    void DeclinesHardPatterns_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("grammaticalCase");
        QTest::addColumn<QString>("expected");

        QTest::newRow("stressed -а, man") << "Дюма Александр" << 2 << "Дюма Александра";
        QTest::newRow("stressed -а, woman") << "Тома Анна Петровна" << 5 << "Тома Анной Петровной";
        QTest::newRow("stressed -я") << "Золя Эмиль" << 3 << "Золя Эмилю";
        QTest::newRow("-иа") << "Гамсахурдиа Звиад Константинович" << 2 << "Гамсахурдиа Звиада Константиновича";
        QTest::newRow("-оа") << "Пессоа Фернанду" << 5 << "Пессоа Фернанду";
        QTest::newRow("-а after vowel, name") << "Шарден Франсуа" << 2 << "Шардена Франсуа";
        QTest::newRow("unstressed -а kept declining") << "Кочерга Иван Ильич" << 2 << "Кочерги Ивана Ильича";
        QTest::newRow("-ия declines") << "Данелия Георгий Николаевич" << 3 << "Данелии Георгию Николаевичу";
        QTest::newRow("short -ой") << "Цой Виктор Робертович" << 2 << "Цоя Виктора Робертовича";
        QTest::newRow("short -ой, instrumental") << "Цой Виктор Робертович" << 5 << "Цоем Виктором Робертовичем";
        QTest::newRow("short -ой, woman") << "Цой Анна Петровна" << 3 << "Цой Анне Петровне";
        QTest::newRow("-ой adjective") << "Донской Дмитрий Иванович" << 5 << "Донским Дмитрием Ивановичем";
        QTest::newRow("Бонч-") << "Бонч-Бруевич Владимир Дмитриевич" << 2 << "Бонч-Бруевича Владимира Дмитриевича";
        QTest::newRow("Тер-") << "Тер-Петросян Левон Акопович" << 5 << "Тер-Петросяном Левоном Акоповичем";
        QTest::newRow("Сент-") << "Сент-Экзюпери Антуан" << 3 << "Сент-Экзюпери Антуану";
        QTest::newRow("Кара-") << "Кара-Мурза Сергей Георгиевич" << 2 << "Кара-Мурзы Сергея Георгиевича";
        QTest::newRow("Кара-, woman") << "Кара-Мурза Анна Петровна" << 4 << "Кара-Мурзу Анну Петровну";
        QTest::newRow("both parts change") << "Петров-Водкин Кузьма Сергеевич" << 5
                                           << "Петровым-Водкиным Кузьмой Сергеевичем";
        QTest::newRow("male name in -а") << "Иванов Дима" << 2 << "Иванова Димы";
        QTest::newRow("Никита, no patronymic") << "Смирнов Никита" << 3 << "Смирнову Никите";
        QTest::newRow("Илья") << "Орлов Илья" << 5 << "Орловым Ильей";
        QTest::newRow("Саша, surname tells") << "Иванова Саша" << 2 << "Ивановой Саши";
        QTest::newRow("woman's name in a consonant") << "Орлова Кармен" << 2 << "Орловой Кармен";
        QTest::newRow("noun in -ой") << "Новиков-Прибой Алексей Силыч" << 2 << "Новикова-Прибоя Алексея Силыча";
        QTest::newRow("foreign -ин") << "Дарвин Чарльз" << 5 << "Дарвином Чарльзом";
        QTest::newRow("foreign -лин") << "Чаплин Чарльз" << 5 << "Чаплином Чарльзом";
        QTest::newRow("foreign -уин") << "Болдуин Джеймс" << 5 << "Болдуином Джеймсом";
        QTest::newRow("Russian -ин") << "Пушкин Александр Сергеевич" << 5 << "Пушкиным Александром Сергеевичем";
        QTest::newRow("Russian -ин after a cluster") << "Саблин Михаил Иванович" << 5 << "Саблиным Михаилом Ивановичем";
        QTest::newRow("-ец after a vowel, short") << "Боец Иван Петрович" << 5 << "Бойцом Иваном Петровичем";
        QTest::newRow("Заяц") << "Заяц Сергей Иванович" << 5 << "Зайцем Сергеем Ивановичем";
        QTest::newRow("Заяц, genitive") << "Заяц Сергей Иванович" << 2 << "Зайца Сергея Ивановича";
        QTest::newRow("Палец") << "Палец Иван Петрович" << 5 << "Пальцем Иваном Петровичем";
        QTest::newRow("Стрелец") << "Стрелец Иван Петрович" << 5 << "Стрельцом Иваном Петровичем";
        QTest::newRow("Коломиец") << "Коломиец Иван Петрович" << 5 << "Коломийцем Иваном Петровичем";
        QTest::newRow("Швец") << "Швец Иван Петрович" << 2 << "Швеца Ивана Петровича";
        QTest::newRow("Швец, instrumental") << "Швец Иван Петрович" << 5 << "Швецом Иваном Петровичем";
        QTest::newRow("Мудрец") << "Мудрец Олег Ильич" << 2 << "Мудреца Олега Ильича";
        QTest::newRow("-ец, woman") << "Заяц Анна Петровна" << 2 << "Заяц Анны Петровны";
        QTest::newRow("foreign -ц") << "Шульц Отто" << 5 << "Шульцем Отто";
        QTest::newRow("stressed -ич") << "Лавров Олег Кузьмич" << 5 << "Лавровым Олегом Кузьмичом";
        QTest::newRow("two-word surname") << "Де Ниро Анна Петровна" << 2 << "Де Ниро Анны Петровны";
        QTest::newRow("two-word surname, man") << "Ван Дамм Жан Петрович" << 3 << "Ван Дамму Жану Петровичу";
        QTest::newRow("two words, no particle") << "Мухаммед Али Ахмед Ильич" << 2 << "Мухаммеда Али Ахмеда Ильича";
        QTest::newRow("Ван as a surname") << "Ван Иван Петрович" << 2 << "Вана Ивана Петровича";
        QTest::newRow("оглы stays") << "Алиев Гейдар Алирза оглы" << 2 << "Алиева Гейдара Алирза оглы";
    }
    void DeclinesHardPatterns()
    {
        QFETCH(QString, name);
        QFETCH(int, grammaticalCase);
        QFETCH(QString, expected);
        QCOMPARE(m_service.DeclineFullName(name, grammaticalCase), expected);
    }

    void DeclinesAllSixCases()
    {
        const QStringList expected { "Кравец Анатолий Ильич",    "Кравца Анатолия Ильича",
                                     "Кравцу Анатолию Ильичу",   "Кравца Анатолия Ильича",
                                     "Кравцом Анатолием Ильичом", "Кравце Анатолии Ильиче" };
        const QStringList expectedWoman { "Петрова Анна Сергеевна",   "Петровой Анны Сергеевны",
                                          "Петровой Анне Сергеевне",  "Петрову Анну Сергеевну",
                                          "Петровой Анной Сергеевной", "Петровой Анне Сергеевне" };
        for (int grammaticalCase = 1; grammaticalCase <= 6; ++grammaticalCase) {
            QCOMPARE(m_service.DeclineFullName(expected.first(), grammaticalCase), expected.at(grammaticalCase - 1));
            QCOMPARE(m_service.DeclineFullName(expectedWoman.first(), grammaticalCase),
                     expectedWoman.at(grammaticalCase - 1));
        }
    }

    void TellsSexFromPatronymic_data()
    {
        QTest::addColumn<QString>("patronymic");
        QTest::addColumn<int>("sex");
        QTest::newRow("male") << "Иванович" << 1;
        QTest::newRow("female") << "Ильинична" << 2;
        QTest::newRow("full name") << "Петрова Анна Сергеевна" << 2;
        QTest::newRow("оглы") << "Мамед оглы" << 1;
        QTest::newRow("unknown") << "Смит" << 0;
        QTest::newRow("empty") << "" << 0;
    }
    void TellsSexFromPatronymic()
    {
        QFETCH(QString, patronymic);
        QFETCH(int, sex);
        QCOMPARE(m_service.GetNameSex(patronymic), sex);
    }

    void RaisesTheLibrarysErrors_data()
    {
        QTest::addColumn<int>("grammaticalCase");
        QTest::addColumn<QString>("message");
        QTest::newRow("case 0") << 0 << "Недопустимое значение падежа";
        QTest::newRow("case 7") << 7 << "Недопустимое значение падежа";
    }
    void RaisesTheLibrarysErrors()
    {
        QFETCH(int, grammaticalCase);
        QFETCH(QString, message);
        try {
            m_service.DeclineFullName(QStringLiteral("Иванов"), grammaticalCase);
            QFAIL("no error");
        } catch (const EDeclensionException& error) {
            QCOMPARE(error.Message(), message);
        }
    }

    // A result longer than the room given fails with -3 and changes nothing.
    void RefusesTooSmallBuffer()
    {
        QLibrary library(QStringLiteral(VARNEL_BIN_DIR "/padeg"));
        using TDecline = qint32 (*)(const char*, qint32, char*, qint32*);
        const auto decline = reinterpret_cast<TDecline>(library.resolve("GetFIOPadegFSAS"));
        QVERIFY(decline);
        // "Кравец" in cp1251 gives "Кравцом" (7 bytes) in the instrumental.
        const char name[] = "\xca\xf0\xe0\xe2\xe5\xf6";
        char buffer[16] = "unchanged";
        qint32 size = 6;
        QCOMPARE(decline(name, 5, buffer, &size), -3);
        QCOMPARE(size, 6);
        size = 7;
        QCOMPARE(decline(name, 5, buffer, &size), 0);
        QCOMPARE(size, 7);
        QCOMPARE(QByteArray(buffer, size), QByteArray("\xca\xf0\xe0\xe2\xf6\xee\xec"));
        size = 0;
        QCOMPARE(decline("", 2, buffer, &size), 0);
        QCOMPARE(size, 0);
    }

    // A missing library is said so, with the reason, instead of doing nothing.
    void MissingLibraryIsAnError()
    {
        TDeclensionService missing(QStringLiteral(VARNEL_BIN_DIR "/no-such-library"));
        try {
            missing.DeclineFullName(QStringLiteral("Иванов Иван Иванович"), 2);
            QFAIL("no error");
        } catch (const EDeclensionException& error) {
            QVERIFY2(error.Message().startsWith(QStringLiteral("Библиотека склонения ФИО не загружена: ")),
                     qPrintable(error.Message()));
            QVERIFY(error.Message().size() > 40);
        }
        QVERIFY_THROWS_EXCEPTION(EDeclensionException, missing.GetNameSex(QStringLiteral("Иванович")));
    }
};

QTEST_GUILESS_MAIN(TestDeclension)
#include "TestDeclension.moc"

#include "ScriptedLoanBook.h"

#include "domain/Abort.h"
#include "extras/Game.h"
#include "extras/GameMoveRefusedException.h"
#include "extras/GameNumber.h"

#include <QLocale>
#include <QTest>
#include <limits>

Q_DECLARE_METATYPE(Money)

namespace {
Money Roubles(qint64 roubles, int kopecks = 0)
{
    return Money::FromUnits(roubles * Money::UnitsPerRouble + kopecks * 100);
}

QString RefusalOf(const std::function<void()>& move)
{
    try {
        move();
    } catch (const EGameMoveRefusedException& refused) {
        return refused.Message();
    }
    return QString();
}
}

class TestGame : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void StartsBetting()
    {
        TScriptedLoanBook book;
        TGame game(&book, SexByPatronymic);
        QCOMPARE(game.Score(), 1000);
        QCOMPARE(game.Bet(), 0);
        QCOMPARE(game.State(), TGameState::gsBetting);
        QCOMPARE(game.TaskText(), QStringLiteral("Сделайте ставку."));
        QCOMPARE(game.PromptText(), QStringLiteral("Ставка:"));
        QCOMPARE(book.Picks, 0);
    }

    void BetShowsTheRiddle()
    {
        TScriptedLoanBook book;
        TGame game(&book, SexByPatronymic);
        int changes = 0;
        game.SetOnGameChanged([&changes](TGame*) { ++changes; });
        game.PlaceBet(100);
        QCOMPARE(changes, 1);
        QCOMPARE(game.Score(), 900);
        QCOMPARE(game.Bet(), 100);
        QCOMPARE(game.State(), TGameState::gsAnswering);
        QCOMPARE(game.TaskText(), QStringLiteral("15.02.2009 года Иванов Пётр взял кредит.\n\rУгадайте сумму кредита."));
        QCOMPARE(game.PromptText(), QStringLiteral("Ваш ответ:"));
        QCOMPARE(game.CreditSize(), Roubles(10000));
    }

    void Answer_data()
    {
        QTest::addColumn<Money>("credit");
        QTest::addColumn<qint64>("guess");
        QTest::addColumn<bool>("won");
        QTest::addColumn<QString>("task");
        QTest::newRow("exact") << Roubles(10000) << qint64(10000) << true
                               << "Иванов Пётр взял кредит на сумму 10 000,00 ₽.\n\rВы ошиблись на 0,0%.";
        QTest::newRow("guess 10 % below the credit") << Roubles(10000) << qint64(9000) << true
                                                     << "Иванов Пётр взял кредит на сумму 10 000,00 ₽.\n\rВы ошиблись на 10,0%.";
        QTest::newRow("guess 10 % above the credit") << Roubles(10000) << qint64(11000) << true
                                                     << "Иванов Пётр взял кредит на сумму 10 000,00 ₽.\n\rВы ошиблись на 10,0%.";
        QTest::newRow("credit 10 % below the guess") << Roubles(9000) << qint64(10000) << false
                                                     << "Иванов Пётр взял кредит на сумму 9 000,00 ₽.\n\rВы ошиблись на 11,1%.";
        QTest::newRow("just over 10 %") << Roubles(10000) << qint64(11001) << false
                                        << "Иванов Пётр взял кредит на сумму 10 000,00 ₽.\n\rВы ошиблись на 10,0%.";
        QTest::newRow("kopecks of the credit shown") << Roubles(10000, 50) << qint64(10000) << true
                                                     << "Иванов Пётр взял кредит на сумму 10 000,50 ₽.\n\rВы ошиблись на 0,0%.";
        QTest::newRow("far off, against the true amount") << Roubles(183000) << qint64(1) << false
                                                          << "Иванов Пётр взял кредит на сумму 183 000,00 ₽.\n\rВы ошиблись на 100,0%.";
    }

    void Answer()
    {
        QFETCH(Money, credit);
        QFETCH(qint64, guess);
        QFETCH(bool, won);
        QFETCH(QString, task);
        TScriptedLoanBook book;
        book.Lend(credit);
        TGame game(&book, SexByPatronymic);
        game.PlaceBet(100);
        game.CheckAnswer(Roubles(guess));
        QCOMPARE(game.Won(), won);
        QCOMPARE(game.State(), TGameState::gsResult);
        // A win pays twice the bet back: one bet more than before the bet.
        QCOMPARE(game.Score(), won ? 1100 : 900);
        QCOMPARE(game.Guess(), Roubles(guess));
        QCOMPARE(game.TaskText(), task);
    }

    void WholeScoreMayBeBet()
    {
        TScriptedLoanBook book;
        TGame game(&book, SexByPatronymic);
        game.PlaceBet(1000);
        QCOMPARE(game.Score(), 0);
        QCOMPARE(game.State(), TGameState::gsAnswering);
    }

    void AgainStartsANewTurn()
    {
        TScriptedLoanBook book;
        TGame game(&book, SexByPatronymic);
        game.PlaceBet(100);
        game.CheckAnswer(Roubles(5000));
        game.NewTurn();
        QCOMPARE(game.State(), TGameState::gsBetting);
        QCOMPARE(game.Score(), 900);
        QCOMPARE(game.TaskText(), QStringLiteral("Сделайте ставку."));
        QCOMPARE(game.PromptText(), QStringLiteral("Ставка:"));
    }

    void VerbFollowsThePatronymic_data()
    {
        QTest::addColumn<int>("sex");
        QTest::addColumn<QString>("verb");
        QTest::newRow("male") << 1 << "взял";
        QTest::newRow("female") << 2 << "взяла";
        QTest::newRow("unknown") << 0 << "взяла";
    }

    void VerbFollowsThePatronymic()
    {
        QFETCH(int, sex);
        QFETCH(QString, verb);
        TScriptedLoanBook book;
        QString asked;
        TGame game(&book, [&asked, sex](const QString& patronymic) {
            asked = patronymic;
            return sex;
        });
        QCOMPARE(game.TakeVerb(QStringLiteral("Ивановна")), verb);
        QCOMPARE(asked, QStringLiteral("Ивановна"));
    }

    // A refused move changes nothing: not the score, not the state, not the texts.
    void RefusedMovesChangeNothing_data()
    {
        QTest::addColumn<bool>("hasCredit");
        QTest::addColumn<int>("declension"); // 0 works, 1 raises an error, 2 cannot be loaded
        QTest::addColumn<bool>("betPlaced");
        QTest::addColumn<int>("bet");
        QTest::addColumn<qint64>("answer");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("no credit in the book") << false << 0 << false << 100 << qint64(0)
                                               << "В базе нет ни одного кредита.";
        QTest::newRow("function missing") << true << 1 << false << 100 << qint64(0)
                                          << "Функция 'GetSex' в библиотеке PADEG.DLL не найдена";
        QTest::newRow("library missing") << true << 2 << false << 100 << qint64(0)
                                         << "Не удалось загрузить библиотеку склонения имён.";
        QTest::newRow("bet 0") << true << 0 << false << 0 << qint64(0) << "Поставьте хотя бы одно очко.";
        QTest::newRow("bet above the score") << true << 0 << false << 1001 << qint64(0) << "У вас недостаточно очков.";
        QTest::newRow("answer 0") << true << 0 << true << 100 << qint64(0) << "Введите сумму больше нуля.";
    }

    void RefusedMovesChangeNothing()
    {
        QFETCH(bool, hasCredit);
        QFETCH(int, declension);
        QFETCH(bool, betPlaced);
        QFETCH(int, bet);
        QFETCH(qint64, answer);
        QFETCH(QString, refusal);
        TScriptedLoanBook book;
        book.HasCredit = hasCredit;
        TNameSexFunction nameSex = SexByPatronymic;
        if (declension == 1)
            nameSex = FailingNameSex(Exception(QStringLiteral("Функция 'GetSex' в библиотеке PADEG.DLL не найдена")));
        if (declension == 2)
            nameSex = FailingNameSex(EAbort());
        TGame game(&book, nameSex);
        if (betPlaced)
            game.PlaceBet(100);
        const int score = game.Score();
        const TGameState state = game.State();
        const QString task = game.TaskText();
        int changes = 0;
        game.SetOnGameChanged([&changes](TGame*) { ++changes; });

        QCOMPARE(RefusalOf([&] {
                     if (betPlaced)
                         game.CheckAnswer(Roubles(answer));
                     else
                         game.PlaceBet(bet);
                 }),
                 refusal);
        QCOMPARE(game.Score(), score);
        QCOMPARE(game.State(), state);
        QCOMPARE(game.TaskText(), task);
        QCOMPARE(changes, 0);
    }

    void ScoreStopsAtTheLargestNumber()
    {
        TScriptedLoanBook book;
        TGame game(&book, SexByPatronymic);
        // Doubling the whole score each turn passes the 32-bit range after about twenty wins.
        for (int turn = 0; turn < 25; ++turn) {
            game.PlaceBet(game.Score());
            game.CheckAnswer(Roubles(10000));
            game.NewTurn();
        }
        QCOMPARE(game.Score(), std::numeric_limits<int>::max());
    }

    void ReadsTheField_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("digits") << "0150" << 150 << "";
        QTest::newRow("largest") << "2147483647" << 2147483647 << "";
        QTest::newRow("empty") << "" << 0 << "Введите число.";
        QTest::newRow("pasted letters") << "12a" << 0 << "Введите число.";
        QTest::newRow("pasted minus") << "-5" << 0 << "Введите число.";
        QTest::newRow("too large") << "2147483648" << 0 << "Слишком большое число.";
        QTest::newRow("far too large") << "99999999999999999999999" << 0 << "Слишком большое число.";
    }

    void ReadsTheField()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(QString, refusal);
        int read = 0;
        QCOMPARE(RefusalOf([&] { read = ReadGameNumber(text); }), refusal);
        QCOMPARE(read, value);
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "TestGame.moc"

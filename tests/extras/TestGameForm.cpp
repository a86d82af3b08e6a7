#include "ScriptedLoanBook.h"
#include "support/WindowTestSupport.h"

#include "domain/Abort.h"
#include "extras/Game.h"
#include "extras/GameForm.h"
#include "extras/RunGame.h"
#include "ui/ModalDialogs.h"
#include "ui/controls/ConstraintedEdit.h"

#include <QPushButton>

namespace {
const QColor Black(0, 0, 0);
const QColor Navy(0, 0, 128);
const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);

QColor TextColor(QWidget* form, const char* name)
{
    return Find<QLabel>(form, name)->palette().color(QPalette::WindowText);
}

// Types into the game's field as the player does, then presses Enter.
void Enter(QWidget* form, const QString& text)
{
    auto* edit = Find<QLineEdit>(form, "GameEdit");
    edit->clear();
    TypeText(edit, text);
    PressEnter(edit);
}

// A game window on the scripted book, shown as RunGame shows it but not modally.
struct TOpenGame
{
    explicit TOpenGame(TNameSexFunction nameSex = SexByPatronymic)
    {
        form.SetGame(std::make_unique<TGame>(&book, std::move(nameSex)));
        form.ClearInfo();
        form.show();
    }
    TScriptedLoanBook book;
    TGameForm form;
};
}

class TestGameForm : public QObject
{
    Q_OBJECT

private slots:
    void PlaysOneTurn()
    {
        TOpenGame game;
        QWidget* form = &game.form;
        auto* button = Find<QPushButton>(form, "GameButton");
        QCOMPARE(form->windowTitle(), QStringLiteral("Игра :)"));
        QCOMPARE(LabelText(form, "ScoreLabel"), QStringLiteral("Счёт: 1000"));
        QVERIFY(!Find<QLabel>(form, "BetLabel")->isVisible());
        QCOMPARE(LabelText(form, "GameEditLabel"), QStringLiteral("Ставка:"));
        QCOMPARE(LabelText(form, "UnitsLabel"), QStringLiteral(", очки"));
        QCOMPARE(button->text(), QStringLiteral("Поставить"));

        Enter(form, QStringLiteral("100"));
        QCOMPARE(game.form.Game()->State(), TGameState::gsAnswering);
        QCOMPARE(LabelText(form, "ScoreLabel"), QStringLiteral("Счёт: 900"));
        QVERIFY(Find<QLabel>(form, "BetLabel")->isVisible());
        QCOMPARE(LabelText(form, "BetLabel"), QStringLiteral("Ставка: 100"));
        QCOMPARE(LabelText(form, "TaskLabel"),
                 QStringLiteral("15.02.2009 года Иванов Пётр взял кредит.\nУгадайте сумму кредита."));
        QCOMPARE(TextColor(form, "TaskLabel"), Navy);
        QCOMPARE(LabelText(form, "GameEditLabel"), QStringLiteral("Ваш ответ:"));
        QCOMPARE(LabelText(form, "UnitsLabel"), QStringLiteral(", руб."));
        QCOMPARE(Find<QLineEdit>(form, "GameEdit")->text(), QString());
        QCOMPARE(button->text(), QStringLiteral("Проверить"));

        Enter(form, QStringLiteral("9500"));
        QCOMPARE(game.form.Game()->State(), TGameState::gsResult);
        QCOMPARE(LabelText(form, "ScoreLabel"), QStringLiteral("Счёт: 1100"));
        QCOMPARE(TextColor(form, "ScoreLabel"), Green);
        QCOMPARE(TextColor(form, "TaskLabel"), Green);
        QVERIFY(!Find<QLabel>(form, "BetLabel")->isVisible());
        QCOMPARE(LabelText(form, "UnitsLabel"), QStringLiteral(", руб."));
        QCOMPARE(Find<QLineEdit>(form, "GameEdit")->text(), QStringLiteral("9500"));
        QCOMPARE(button->text(), QStringLiteral("Еще разок"));

        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(game.form.Game()->State(), TGameState::gsBetting);
        QCOMPARE(LabelText(form, "ScoreLabel"), QStringLiteral("Счёт: 1100"));
        QCOMPARE(TextColor(form, "ScoreLabel"), Black);
        QCOMPARE(TextColor(form, "TaskLabel"), Black);
        QCOMPARE(LabelText(form, "TaskLabel"), QStringLiteral("Сделайте ставку."));
        QCOMPARE(LabelText(form, "UnitsLabel"), QStringLiteral(", очки"));
        QCOMPARE(Find<QLineEdit>(form, "GameEdit")->text(), QString());
        QCOMPARE(button->text(), QStringLiteral("Поставить"));
    }

    void LostTurnIsRed()
    {
        TOpenGame game;
        Enter(&game.form, QStringLiteral("1000"));
        Enter(&game.form, QStringLiteral("5000"));
        QCOMPARE(LabelText(&game.form, "ScoreLabel"), QStringLiteral("Счёт: 0"));
        QCOMPARE(TextColor(&game.form, "ScoreLabel"), Red);
        QCOMPARE(TextColor(&game.form, "TaskLabel"), Red);
    }

    void FieldTakesDigitsOnly()
    {
        TOpenGame game;
        auto* edit = Find<QLineEdit>(&game.form, "GameEdit");
        TypeText(edit, QStringLiteral("1a2,3 -4"));
        QCOMPARE(edit->text(), QStringLiteral("1234"));
    }

    // The info line says why a move is not made; score and state stay.
    void RefusedMovesShowWhy_data()
    {
        QTest::addColumn<QString>("bet");
        QTest::addColumn<QString>("answer"); // none: the bet itself is refused
        QTest::addColumn<bool>("hasCredit");
        QTest::addColumn<bool>("declensionMissing");
        QTest::addColumn<QString>("info");
        QTest::newRow("empty bet") << "" << QString() << true << false << "Введите число.";
        QTest::newRow("bet 0") << "0" << QString() << true << false << "Поставьте хотя бы одно очко.";
        QTest::newRow("bet above the score") << "1001" << QString() << true << false << "У вас недостаточно очков.";
        QTest::newRow("bet too large") << "99999999999" << QString() << true << false << "Слишком большое число.";
        QTest::newRow("no credit") << "100" << QString() << false << false << "В базе нет ни одного кредита.";
        QTest::newRow("no declension library") << "100" << QString() << true << true
                                               << "Не удалось загрузить библиотеку склонения имён.";
        QTest::newRow("empty answer") << "100" << "" << true << false << "Введите число.";
        QTest::newRow("answer 0") << "100" << "0" << true << false << "Введите сумму больше нуля.";
        QTest::newRow("answer too large") << "100" << "99999999999" << true << false << "Слишком большое число.";
    }

    void RefusedMovesShowWhy()
    {
        QFETCH(QString, bet);
        QFETCH(QString, answer);
        QFETCH(bool, hasCredit);
        QFETCH(bool, declensionMissing);
        QFETCH(QString, info);
        TOpenGame game(declensionMissing ? FailingNameSex(EAbort()) : TNameSexFunction(SexByPatronymic));
        game.book.HasCredit = hasCredit;
        Enter(&game.form, bet);
        if (!answer.isNull())
            Enter(&game.form, answer);

        const TGame* played = game.form.Game();
        QCOMPARE(LabelText(&game.form, "InfoLabel"), info);
        QCOMPARE(TextColor(&game.form, "InfoLabel"), Red);
        QCOMPARE(played->State(), answer.isNull() ? TGameState::gsBetting : TGameState::gsAnswering);
        QCOMPARE(played->Score(), answer.isNull() ? 1000 : 900);
        QCOMPARE(LabelText(&game.form, "ScoreLabel"), QStringLiteral("Счёт: %1").arg(played->Score()));
    }

    void RunGameShowsAFreshGameModally()
    {
        TScriptedLoanBook book;
        TGameForm form;
        QString shownScore;
        bool modal = false;
        const TSeamAnswer run(SetModalHandler, [&](QDialog& dialog) {
            modal = &dialog == &form;
            shownScore = LabelText(&form, "ScoreLabel");
            return int(QDialog::Rejected);
        });
        RunGame(form, &book, SexByPatronymic);
        QVERIFY(modal);
        QCOMPARE(shownScore, QStringLiteral("Счёт: 1000"));
        QCOMPARE(LabelText(&form, "InfoLabel"), QString());
    }

    void RunGameWantsAVisitor()
    {
        TGameForm form;
        QCOMPARE(RaisedMessage([&] { RunGame(form, nullptr, SexByPatronymic); }),
                 QStringLiteral("Посетитель для игры не задан."));
    }

    void EscapeAndTheBossButtonClose_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Esc") << true;
        QTest::newRow("Начальник пришел") << false;
    }

    void EscapeAndTheBossButtonClose()
    {
        QFETCH(bool, escape);
        TOpenGame game;
        auto* close = Find<QPushButton>(&game.form, "CloseButton");
        QCOMPARE(close->text(), QStringLiteral("Начальник пришел"));
        if (escape)
            QTest::keyClick(Find<QLineEdit>(&game.form, "GameEdit"), Qt::Key_Escape);
        else
            QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!game.form.isVisible());
    }
};

VARNEL_TEST_MAIN(TestGameForm)
#include "TestGameForm.moc"

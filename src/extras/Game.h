#pragma once

#include "GameState.h"
#include "NameSexFunction.h"
#include "domain/Credit.h"
#include "domain/Debtor.h"
#include "domain/Money.h"

#include <QString>
#include <functional>

class IDebtorsGameVisitor;
class TGame;

using TGameChangedEvent = std::function<void(TGame* game)>;

// The credit guessing game, apart from its window. The player bets points,
// is shown the contract date and the borrower of a random credit and guesses
// its amount; a guess off by at most 10 % of the true amount pays
// twice the bet back. A refused move raises EGameMoveRefusedException and
// leaves the game as it was.
class TGame
{
public:
    static constexpr int StartScore = 1000;

    // The visitor and the sex function are borrowed for the game's life.
    TGame(IDebtorsGameVisitor* visitor, TNameSexFunction nameSex);

    int Score() const { return m_score; }
    int Bet() const { return m_bet; }
    Money Guess() const { return m_guess; }
    Money CreditSize() const { return m_creditSize; }
    TGameState State() const { return m_state; }
    bool Won() const { return m_won; }
    const QString& TaskText() const { return m_taskText; }
    const QString& PromptText() const { return m_promptText; }

    // Called after every change of the game.
    void SetOnGameChanged(TGameChangedEvent handler) { m_onGameChanged = std::move(handler); }

    void NewTurn();
    // Takes the bet and shows the next riddle. The credit and the verb are
    // found first, so a book without credits or a missing declension library
    // costs the player nothing. Outside the betting state nothing happens.
    void PlaceBet(int bet);
    // Scores the guess. Outside the answering state nothing happens.
    void CheckAnswer(Money answer);
    // "взял" or "взяла", after the patronymic.
    QString TakeVerb(const QString& patronymic) const;

private:
    void Notify();
    QString BorrowerName() const;

    IDebtorsGameVisitor* m_visitor;
    TNameSexFunction m_nameSex;
    TDebtor m_debtor;
    TCredit m_credit;
    QString m_verb; // of the borrower of this turn
    int m_score = StartScore;
    int m_bet = 0;
    Money m_guess;
    Money m_creditSize;
    TGameState m_state = TGameState::gsBetting;
    bool m_won = false;
    QString m_taskText;
    QString m_promptText;
    TGameChangedEvent m_onGameChanged;
};

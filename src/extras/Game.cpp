#include "Game.h"

#include "DebtorsGameVisitor.h"
#include "GameMoveRefusedException.h"
#include "domain/Abort.h"
#include "ui/DisplayFormats.h"

#include <QLocale>
#include <cmath>
#include <limits>

namespace {
const QString NoCreditMessage = QStringLiteral("В базе нет ни одного кредита.");
const QString NoDeclensionMessage = QStringLiteral("Не удалось загрузить библиотеку склонения имён.");
const QString NotEnoughPointsMessage = QStringLiteral("У вас недостаточно очков.");
const QString ZeroAnswerMessage = QStringLiteral("Введите сумму больше нуля.");
const QString ZeroBetMessage = QStringLiteral("Поставьте хотя бы одно очко.");
}

TGame::TGame(IDebtorsGameVisitor* visitor, TNameSexFunction nameSex)
    : m_visitor(visitor)
    , m_nameSex(std::move(nameSex))
{
    NewTurn();
}

void TGame::NewTurn()
{
    m_state = TGameState::gsBetting;
    m_taskText = QStringLiteral("Сделайте ставку.");
    m_promptText = QStringLiteral("Ставка:");
    Notify();
}

void TGame::PlaceBet(int bet)
{
    if (m_state != TGameState::gsBetting)
        return;
    if (bet > m_score)
        throw EGameMoveRefusedException(NotEnoughPointsMessage);
    if (bet <= 0)
        throw EGameMoveRefusedException(ZeroBetMessage);
    if (!m_visitor || !m_visitor->PickRandomCredit(m_debtor, m_credit))
        throw EGameMoveRefusedException(NoCreditMessage);
    m_verb = TakeVerb(m_debtor.PatronymicName);

    m_bet = bet;
    m_score -= bet;
    m_state = TGameState::gsAnswering;
    m_taskText = QStringLiteral("%1 года %2 %3 кредит.\n\rУгадайте сумму кредита.")
                     .arg(FormatShortDate(m_credit.ContractDate), BorrowerName(), m_verb);
    m_creditSize = m_credit.CreditSize;
    m_promptText = QStringLiteral("Ваш ответ:");
    Notify();
}

void TGame::CheckAnswer(Money answer)
{
    if (m_state != TGameState::gsAnswering)
        return;
    if (answer <= Money())
        throw EGameMoveRefusedException(ZeroAnswerMessage);

    m_guess = answer;
    // The miss is measured against the true amount, as the rules say: exact
    // in money units, |Guess - CreditSize| <= 0.1 * CreditSize.
    const qint64 credit = m_creditSize.Units();
    const long double miss = std::fabs(static_cast<long double>(m_guess.Units() - credit));
    m_won = credit > 0 ? 10 * miss <= static_cast<long double>(credit) : miss == 0;
    if (m_won) {
        // Wins beyond the largest score are kept at the largest one instead of wrapping round.
        const qint64 score = static_cast<qint64>(m_score) + 2 * static_cast<qint64>(m_bet);
        m_score = static_cast<int>(std::min<qint64>(score, std::numeric_limits<int>::max()));
    }
    m_state = TGameState::gsResult;
    const long double error = credit > 0 ? miss / static_cast<long double>(credit) : 0.0L;
    m_taskText = QStringLiteral("%1 %2 кредит на сумму %3.\n\rВы ошиблись на %4%.")
                     .arg(BorrowerName(), m_verb, FormatMoney(m_creditSize),
                          QLocale().toString(static_cast<double>(error * 100), 'f', 1));
    Notify();
}

QString TGame::TakeVerb(const QString& patronymic) const
{
    int sex = 0;
    try {
        sex = m_nameSex ? m_nameSex(patronymic) : 0;
    } catch (const EAbort&) {
        // The library could not be loaded: say so, since the turn is refused.
        throw EGameMoveRefusedException(NoDeclensionMessage);
    } catch (const Exception& error) {
        throw EGameMoveRefusedException(error.Message());
    }
    return sex == 1 ? QStringLiteral("взял") : QStringLiteral("взяла");
}

void TGame::Notify()
{
    if (m_onGameChanged)
        m_onGameChanged(this);
}

QString TGame::BorrowerName() const
{
    return m_debtor.Surname + QLatin1Char(' ') + m_debtor.GetName();
}

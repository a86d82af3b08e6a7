#include "GameForm.h"

#include "Game.h"
#include "GameMoveRefusedException.h"
#include "GameNumber.h"
#include "ui/FormLook.h"
#include "ui/TypedCharFilter.h"
#include "ui_GameForm.h"

#include <QScreen>

namespace {
const QColor Black(0, 0, 0);
const QColor Grey(128, 128, 128);
const QColor Navy(0, 0, 128);
const QColor Green(0, 128, 0);
const QColor Red(255, 0, 0);
const QSize DesignedSize(400, 330);
}

TGameForm::TGameForm(QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::GameForm>())
{
    m_ui->setupUi(this);
    UseSingleBorder(this);
    SetTextColor(m_ui->SubtitleLabel, Grey);
    SetTextColor(m_ui->BossLabel, Grey);
    FixFormSize(this, DesignedSize);

    // Digits, Backspace and paste; no separator, no copy.
    TTypedCharFilter::Install(m_ui->GameEdit, {.DecimalSeparator = false, .Copy = false, .Paste = true});
    m_ui->GameEdit->SetNotifyLabel(m_ui->InfoLabel);
    m_ui->GameEdit->SetIsCheckOnChange(false);

    connect(m_ui->GameEdit, &QLineEdit::textChanged, this, &TGameForm::GameEditChange);
    connect(m_ui->GameEdit, &QLineEdit::returnPressed, this, &TGameForm::GameButtonClick);
    connect(m_ui->GameButton, &QPushButton::clicked, this, &TGameForm::GameButtonClick);
    connect(m_ui->CloseButton, &QPushButton::clicked, m_ui->CloseAction, &QAction::trigger);
    connect(m_ui->BetAction, &QAction::triggered, this, &TGameForm::BetActionExecute);
    connect(m_ui->AnswerAction, &QAction::triggered, this, &TGameForm::AnswerActionExecute);
    connect(m_ui->AgainAction, &QAction::triggered, this, &TGameForm::AgainActionExecute);
    connect(m_ui->CloseAction, &QAction::triggered, this, &QDialog::reject);
    BindMainAction(m_ui->BetAction);
}

TGameForm::~TGameForm() = default;

void TGameForm::SetGame(std::unique_ptr<TGame> game)
{
    m_game = std::move(game);
    if (!m_game)
        return;
    m_game->SetOnGameChanged([this](TGame*) { UpdateView(); });
    UpdateView();
}

void TGameForm::UpdateView()
{
    if (!m_game)
        return;
    m_ui->ScoreLabel->setText(QStringLiteral("Счёт: %1").arg(m_game->Score()));
    m_ui->BetLabel->setText(QStringLiteral("Ставка: %1").arg(m_game->Bet()));
    // The task breaks its lines with "\n\r"; a label would show the "\r" as a blank.
    m_ui->TaskLabel->setText(QString(m_game->TaskText()).remove(QLatin1Char('\r')));
    m_ui->GameEditLabel->setText(m_game->PromptText());
    switch (m_game->State()) {
    case TGameState::gsBetting:
        BindMainAction(m_ui->BetAction);
        m_ui->BetLabel->hide();
        m_ui->UnitsLabel->setText(QStringLiteral(", очки"));
        SetTextColor(m_ui->ScoreLabel, Black);
        SetTextColor(m_ui->TaskLabel, Black);
        m_ui->GameEdit->clear();
        break;
    case TGameState::gsAnswering:
        BindMainAction(m_ui->AnswerAction);
        m_ui->BetLabel->show();
        m_ui->UnitsLabel->setText(QStringLiteral(", руб."));
        SetTextColor(m_ui->TaskLabel, Navy);
        m_ui->GameEdit->clear();
        break;
    case TGameState::gsResult:
        BindMainAction(m_ui->AgainAction);
        m_ui->BetLabel->hide();
        SetTextColor(m_ui->ScoreLabel, m_game->Won() ? Green : Red);
        SetTextColor(m_ui->TaskLabel, m_game->Won() ? Green : Red);
        break;
    }
    m_ui->GameEdit->setFocus();
}

void TGameForm::ClearInfo()
{
    m_ui->GameEdit->ClearNotifyLabel();
}

void TGameForm::showEvent(QShowEvent* event)
{
    // Centred on the screen, whatever window opened it.
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    QDialog::showEvent(event);
}

void TGameForm::GameEditChange()
{
    const QString text = m_ui->GameEdit->text();
    if (text.isEmpty()) {
        ShowInfo(QString(), Grey);
        return;
    }
    if (!m_game || m_game->State() != TGameState::gsBetting) {
        ClearInfo();
        return;
    }
    try {
        if (ReadGameNumber(text) > m_game->Score())
            ShowInfo(QStringLiteral("У вас недостаточно очков."), Red);
        else
            ClearInfo();
    } catch (const EGameMoveRefusedException& refused) {
        ShowInfo(refused.Message(), Red);
    }
}

void TGameForm::BetActionExecute()
{
    // An empty field is refused with a line, like any other bet that cannot be placed.
    Move([this] {
        const int bet = ReadGameNumber(m_ui->GameEdit->text());
        // A bet above the score was already pointed out while typing.
        if (m_game && bet <= m_game->Score())
            m_game->PlaceBet(bet);
    });
}

void TGameForm::AnswerActionExecute()
{
    Move([this] {
        const int answer = ReadGameNumber(m_ui->GameEdit->text());
        if (m_game)
            m_game->CheckAnswer(Money::FromUnits(answer * Money::UnitsPerRouble));
    });
}

void TGameForm::AgainActionExecute()
{
    if (m_game)
        m_game->NewTurn();
}

void TGameForm::GameButtonClick()
{
    m_mainAction->trigger();
}

void TGameForm::BindMainAction(QAction* action)
{
    m_mainAction = action;
    m_ui->GameButton->setText(action->text());
}

void TGameForm::ShowInfo(const QString& text, const QColor& color)
{
    m_ui->GameEdit->ShowStringOnLabel(text, color);
}

template <typename TMove>
void TGameForm::Move(TMove move)
{
    try {
        move();
    } catch (const EGameMoveRefusedException& refused) {
        ShowInfo(refused.Message(), Red);
    }
}

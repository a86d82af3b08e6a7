#pragma once

#include <QDialog>
#include <memory>

namespace Ui {
class GameForm;
}

class QAction;
class TGame;

// The window of the credit guessing game: shows the game and turns the
// player's input into its moves. Enter runs what the main button shows,
// Esc and "Начальник пришел" close the window; the score is not kept.
class TGameForm : public QDialog
{
    Q_OBJECT

public:
    explicit TGameForm(QWidget* parent = nullptr);
    ~TGameForm() override;

    // Takes the game, shows it and follows its every change; the window
    // frees the game when it goes.
    void SetGame(std::unique_ptr<TGame> game);
    TGame* Game() const { return m_game.get(); }

    void UpdateView();
    void ClearInfo();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void GameEditChange();
    void BetActionExecute();
    void AnswerActionExecute();
    void AgainActionExecute();
    void GameButtonClick();
    void BindMainAction(QAction* action);
    void ShowInfo(const QString& text, const QColor& color);
    // A refused move shows its reason on the info line.
    template <typename TMove>
    void Move(TMove move);

    std::unique_ptr<Ui::GameForm> m_ui;
    std::unique_ptr<TGame> m_game;
    QAction* m_mainAction = nullptr;
};

#include "RunGame.h"

#include "Game.h"
#include "GameForm.h"
#include "domain/Exception.h"
#include "ui/ModalDialogs.h"

void RunGame(TGameForm& window, IDebtorsGameVisitor* visitor, TNameSexFunction nameSex)
{
    if (!visitor)
        throw Exception(QStringLiteral("Посетитель для игры не задан."));
    window.SetGame(std::make_unique<TGame>(visitor, std::move(nameSex)));
    window.ClearInfo();
    ExecModal(window);
}

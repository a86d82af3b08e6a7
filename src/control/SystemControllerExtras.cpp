// The system controller's extras: the credit guessing game, the debtor's
// address on the web map, the About box and the manual.
#include "SystemController.h"

#include "data/DataAccessFacade.h"
#include "domain/ClockSeededRandomGenerator.h"
#include "domain/Debtor.h"
#include "extras/AboutForm.h"
#include "extras/DebtorMapAddress.h"
#include "extras/GameForm.h"
#include "extras/HelpWindow.h"
#include "extras/RunGame.h"
#include "extras/YandexMapsLauncher.h"
#include "reports/ApplicationFolder.h"
#include "reports/DeclensionService.h"

#include <QApplication>

void TSystemController::PlayGame()
{
    TUseCaseScope scope(m_gate);
    TGameForm window;
    // Without a function of its own, the declension library tells the borrower's sex.
    TDeclensionService& declension = m_parts.Declension;
    RunGame(window, this,
            m_nameSex ? m_nameSex
                      : TNameSexFunction([&declension](const QString& patronymic) {
                            return declension.GetNameSex(patronymic);
                        }));
}

void TSystemController::SetNameSexFunction(TNameSexFunction nameSex)
{
    m_nameSex = std::move(nameSex);
}

bool TSystemController::PickRandomCredit(TDebtor& debtor, TCredit& credit)
{
    TClockSeededRandomGenerator clockSeeded;
    IRandomGenerator& random = m_random ? *m_random : clockSeeded;
    return LoanBook().PickRandomCredit(random, debtor, credit);
}

void TSystemController::OpenDebtorOnMap()
{
    TUseCaseScope scope(m_gate);
    TDebtor debtor;
    if (!ReadCurrentDebtor(&debtor))
        return;
    // An empty list gives debtor 0, which the loading refuses with its error.
    m_parts.Facade().LoadDebtor(debtor);
    TYandexMapsLauncher::ShowAddressOnMap(DebtorMapAddress(debtor));
}

void TSystemController::ShowAbout()
{
    TUseCaseScope scope(m_gate);
    // Centred over the main window.
    TAboutForm about(QApplication::activeWindow());
    about.Execute();
}

void TSystemController::ShowHelp()
{
    TUseCaseScope scope(m_gate);
    // The manual lies beside the program, as the report templates do; its
    // window stays open beside the main window.
    ShowManual(ApplicationFolder() + QStringLiteral("Help/index.html"), QApplication::activeWindow());
}

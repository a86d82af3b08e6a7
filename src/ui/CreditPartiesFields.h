#pragma once

#include "DisplayFormats.h"
#include "FormLook.h"

#include "domain/Credit.h"
#include "domain/Debtor.h"

#include <QLineEdit>

// Fills the read-only fields that name a debtor and one of the debtor's
// credits, as the payment dialogs show them: DebtorIDEdit, DebtorNameEdit,
// CreditIDEdit, ContractNumberEdit and ContractDateEdit of the form's Ui.
// Long names widen their fields, up to maxFieldWidth, rather than being cut off.
template <typename TFormUi>
void ShowCreditParties(const TFormUi& ui, const TDebtor& debtor, const TCredit& credit, int maxFieldWidth)
{
    ui.DebtorIDEdit->setText(FormatWholeNumber(debtor.GetID()));
    ui.DebtorNameEdit->setText(DebtorFullName(debtor));
    ui.CreditIDEdit->setText(FormatWholeNumber(credit.GetID()));
    ui.ContractNumberEdit->setText(credit.ContractNumber);
    ui.ContractDateEdit->setText(FormatShortDate(credit.ContractDate));
    for (QLineEdit* field : {ui.DebtorNameEdit, ui.ContractNumberEdit}) {
        FitFieldToText(field, maxFieldWidth);
        field->setCursorPosition(0);
    }
}

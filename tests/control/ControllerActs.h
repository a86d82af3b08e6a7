#pragma once

// How the controller tests fill and confirm the dialogs a use case opens.

#include "support/WindowTestSupport.h"

#include "ui/AddCreditForm.h"
#include "ui/AddDebtorForm.h"
#include "ui/AheadDecisionForm.h"
#include "ui/PaymentForm.h"
#include "ui/SafeDeleteForm.h"

#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTreeWidget>

namespace Acts {

inline void PressOk(QWidget* form)
{
    QTest::mouseClick(Find<QPushButton>(form, "OkButton"), Qt::LeftButton);
}

inline void FillDebtor(QWidget* form, const QString& surname)
{
    TypeText(Find<QLineEdit>(form, "SurnameEdit"), surname);
    TypeText(Find<QLineEdit>(form, "NameEdit"), QStringLiteral("Борис"));
    TypeText(Find<QLineEdit>(form, "PatronymicNameEdit"), QStringLiteral("Борисович"));
    TypeText(Find<QLineEdit>(form, "PassportSeriesEdit"), QStringLiteral("0402"));
    TypeText(Find<QLineEdit>(form, "PassportNumberEdit"), QStringLiteral("654321"));
}

inline void AddDebtor(TAddDebtorForm* form, const QString& surname)
{
    FillDebtor(form, surname);
    PressOk(form);
}

// 10 000 over 12 months at 12 %, paid on the 15th, from 20 January 2009.
inline void AddCredit(TAddCreditForm* form)
{
    Find<QDateEdit>(form, "ContractDatePicker")->setDate(QDate(2009, 1, 20));
    TypeText(Find<QLineEdit>(form, "ContractNumberEdit"), QStringLiteral("К-15/2009"));
    TypeText(Find<QLineEdit>(form, "CreditSizeEdit"), QStringLiteral("10000"));
    TypeText(Find<QLineEdit>(form, "CreditPeriodEdit"), QStringLiteral("12"));
    TypeText(Find<QLineEdit>(form, "YearPercentEdit"), QStringLiteral("12"));
    TypeText(Find<QLineEdit>(form, "PaymentDayEdit"), QStringLiteral("15"));
    PressOk(form);
}

// Gives the schedule line a respite and confirms.
inline void MakeRespite(TAddCreditForm* form, int line)
{
    auto* list = Find<QTreeWidget>(form, "ScheduleListView");
    list->setCurrentItem(list->topLevelItem(line));
    QTest::mouseClick(Find<QPushButton>(form, "RespiteButton"), Qt::LeftButton);
    PressOk(form);
}

inline void ConfirmDeletion(TSafeDeleteForm* form)
{
    const QRegularExpressionMatch code =
        QRegularExpression(QStringLiteral("«(\\d+)»")).match(LabelText(form, "CodeLabel"));
    QTest::keyClicks(Find<QLineEdit>(form, "CodeEdit"), code.captured(1));
    PressOk(form);
}

inline void Pay(TPaymentForm* form, const QString& amount)
{
    Find<QLineEdit>(form, "PaymentEdit")->setText(amount);
    PressOk(form);
}

inline void ChooseRecalculation(TAheadDecisionForm* form)
{
    auto* radio = Find<QRadioButton>(form, "ReduceAnnuaRadioButton");
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
    PressOk(form);
}

}

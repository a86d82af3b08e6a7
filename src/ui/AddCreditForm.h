#pragma once

#include "ui/controls/FieldFault.h"
#include "StoreOnOk.h"
#include "ui/controls/HeadShakeForm.h"

#include <memory>

class ICreditReportInterface;
class QTreeWidgetItem;
class TCredit;
class TDebtor;
class TPaymentSchedule;
class TPaymentScheduleItem;

namespace Ui {
class TAddCreditForm;
}

// Issuing a credit with a live preview of its annuity schedule, or viewing a
// stored credit: printing its schedule and granting one respite.
class TAddCreditForm : public THeadShakeForm
{
    Q_OBJECT

public:
    static constexpr int AddMode = 0;
    static constexpr int ViewMode = 1;

    explicit TAddCreditForm(QWidget* parent = nullptr);
    ~TAddCreditForm() override;

    // Add mode: the credit receives the typed terms and its FullMustBePaymentSum,
    // the schedule the preview of the last valid terms. View mode: shows the
    // credit and its stored schedule, which only a respite changes. The report
    // interface (may be none) prints a viewed credit's schedule. True on OK.
    bool Execute(TDebtor* debtor, TCredit* credit, ICreditReportInterface* reportInterface, int mode,
                 TPaymentSchedule* schedule);
    // Stored when OK is pressed, before the dialog closes (see TStoreOnOk).
    void SetStoreOnOk(std::function<void()> store) { m_storeOnOk.Set(std::move(store)); }
    // View mode: the key of the schedule row given a respite, -1 while there is none.
    int RespiteRowID() const { return m_respiteMade ? m_respiteRowID : -1; }

private slots:
    void AnyCreditEditChange();
    void ScheduleListViewSelectionChange();
    void OkActionExecute();
    void PrintActionExecute();
    void RespiteActionExecute();

private:
    bool IsViewMode() const { return m_mode == ViewMode; }
    void ApplyMode();
    void ShowCreditTerms();
    // Reads the typed terms into `terms` and builds their schedule into
    // `preview`; the fields at fault when they cannot make a credit.
    QList<TFieldFault> ReadTerms(TCredit& terms, TPaymentSchedule& preview);
    QList<QWidget*> TermFields() const;
    // Judges the terms (always valid when viewing) and shows the verdict.
    bool Validate(TCredit& terms, TPaymentSchedule& preview);
    bool Validate();
    // Validates; on valid terms when adding, copies them into the caller's
    // credit and their schedule into the caller's schedule.
    bool ApplyTerms();
    void PaintPaymentDayLabel();
    void ShowPaymentDayRange(bool inRange);
    void FillScheduleList();
    void PaintScheduleLine(QTreeWidgetItem* line, const TPaymentScheduleItem& row) const;
    TPaymentScheduleItem* SelectedRow() const;
    bool CanMakeRespite() const;
    // What the buttons offer follows the mode, the selection and the respite.
    void UpdateActions();

    std::unique_ptr<Ui::TAddCreditForm> m_ui;
    TCredit* m_credit = nullptr;
    TPaymentSchedule* m_schedule = nullptr;
    ICreditReportInterface* m_reportInterface = nullptr;
    TStoreOnOk m_storeOnOk;
    int m_mode = AddMode;
    bool m_respiteMade = false;
    int m_respiteRowID = -1;
};

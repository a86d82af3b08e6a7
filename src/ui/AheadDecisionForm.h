#pragma once

#include "domain/Money.h"
#include "domain/PaymentSchedule.h"

#include <QDialog>
#include <memory>

namespace Ui {
class AheadDecisionForm;
}

class QTreeWidget;
class TCredit;
class TPaymentScheduleItem;

// What is to become of the part of a payment that runs ahead of the schedule.
enum TAheadDecision : int
{
    adJustLeave = 1,   // the excess stays with the payment, nothing else changes
    adReduceAnnua = 2, // the schedule is rebuilt with the excess
};

// The early repayment decision: shows the excess of a payment, lets the user
// leave it against the next instalments or rebuild the schedule with it, and
// previews the current and the resulting schedule side by side.
class TAheadDecisionForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAheadDecisionForm(QWidget* parent = nullptr);
    ~TAheadDecisionForm() override;

    // True when closed with OK; the preview is then built once more with the
    // final choice (an error of the rebuild leaves this call).
    bool Execute(const TCredit* credit, const TPaymentScheduleItem* row, const TPaymentSchedule* schedule, Money ahead);

    // adReduceAnnua when "Пересчитать график выплат" is selected and enabled, else adJustLeave.
    TAheadDecision Choice() const;
    // For adReduceAnnua: the complete rebuilt schedule, replaced rows flagged
    // Deleted, ready to be written back. Owned by the form.
    TPaymentSchedule* ResultSchedule() { return &m_resultSchedule; }
    // What the new list shows: one row per month.
    const TPaymentSchedule& PreviewSchedule() const { return m_previewSchedule; }

private:
    void BuildPreview();
    void FillList(QTreeWidget* list, const TPaymentSchedule& own, const TPaymentSchedule& other);

    std::unique_ptr<Ui::AheadDecisionForm> m_ui;
    const TCredit* m_credit = nullptr;
    const TPaymentScheduleItem* m_row = nullptr;
    const TPaymentSchedule* m_schedule = nullptr;
    Money m_ahead;
    TPaymentSchedule m_previewSchedule;
    TPaymentSchedule m_resultSchedule;
};

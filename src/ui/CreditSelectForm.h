#pragma once

#include "ui/controls/HeadShakeForm.h"

#include <memory>

class QTreeWidgetItem;
class TCredit;
class TCreditsList;
class TDebtor;

namespace Ui {
class TCreditSelectForm;
}

// Picking the credit a payment goes to, among a debtor's credits: the open
// ones first, the repaid ones below them; a repaid credit is refused.
class TCreditSelectForm : public THeadShakeForm
{
    Q_OBJECT

public:
    explicit TCreditSelectForm(QWidget* parent = nullptr);
    ~TCreditSelectForm() override;

    // Shows the debtor's credits modally, starting on the credit at `index`
    // when it is open, else on the first open one; true when closed with OK
    // on a credit that is not repaid.
    bool Execute(TCreditsList* credits, TDebtor* debtor, int index);
    // Position in the list of the selected credit, or -1.
    int SelectedIndex() const;

private slots:
    void OkActionExecute();
    void CreditListViewChange();

private:
    void PutRepaidLast();
    QTreeWidgetItem* LineOf(const TCredit* credit) const;

    std::unique_ptr<Ui::TCreditSelectForm> m_ui;
    const TCreditsList* m_credits = nullptr;
};

#pragma once

#include "ui/controls/HeadShakeForm.h"

#include <memory>

class TCreditsList;
class TDebtor;

namespace Ui {
class TCreditSelectForm;
}

// Picking the credit a payment goes to, among a debtor's credits. A repaid
// credit is refused.
class TCreditSelectForm : public THeadShakeForm
{
    Q_OBJECT

public:
    explicit TCreditSelectForm(QWidget* parent = nullptr);
    ~TCreditSelectForm() override;

    // Shows the debtor's credits with the line at `index` selected (-1: none)
    // modally; true when closed with OK on a credit that is not repaid.
    bool Execute(TCreditsList* credits, TDebtor* debtor, int index);
    // Position in the list of the selected credit, or -1.
    int SelectedIndex() const;

private slots:
    void OkActionExecute();
    void CreditListViewChange();

private:
    std::unique_ptr<Ui::TCreditSelectForm> m_ui;
};

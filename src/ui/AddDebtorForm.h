#pragma once

#include "StoreOnOk.h"
#include "ui/controls/HeadShakeForm.h"

#include <QString>
#include <array>
#include <memory>

class TConstraintedEdit;
class TDebtor;

namespace Ui {
class TAddDebtorForm;
}

// Entering a new debtor or editing an existing one. Works on the caller's
// record and writes into it only when closed with OK.
class TAddDebtorForm : public THeadShakeForm
{
    Q_OBJECT

public:
    static constexpr int NewDebtorMode = 0;
    static constexpr int EditDebtorMode = 1;

    explicit TAddDebtorForm(QWidget* parent = nullptr);
    ~TAddDebtorForm() override;

    // Shows the debtor (an existing one, ID not -1, with its fields filled in)
    // modally; true when closed with OK, the record then holding the typed texts.
    // A mode other than the two above keeps the designed title and note.
    bool Execute(TDebtor* debtor, int mode);
    // Stored when OK is pressed, before the dialog closes (see TStoreOnOk).
    void SetStoreOnOk(std::function<void()> store) { m_storeOnOk.Set(std::move(store)); }

private slots:
    void PassportNumberEditChange();
    void OkActionExecute();

private:
    // The mandatory fields are all filled (a blank counts); shows the verdict.
    bool Validate();
    void ApplyMode(int mode);

    struct TFieldBinding
    {
        TConstraintedEdit* Edit;
        QString TDebtor::*Field;
    };
    struct TMandatoryField
    {
        TConstraintedEdit* Edit;
        QString Reason; // what the clerk is asked while it is empty
    };
    // In the order of the form.
    std::array<TMandatoryField, 4> MandatoryFields() const;
    QList<QWidget*> MandatoryEdits() const;

    // Every field but the first name, which goes through the record's accessor.
    std::array<TFieldBinding, 13> FieldBindings() const;

    std::unique_ptr<Ui::TAddDebtorForm> m_ui;
    TDebtor* m_debtor = nullptr;
    TStoreOnOk m_storeOnOk;
};

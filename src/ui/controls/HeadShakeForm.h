#pragma once

#include "HeadShaker.h"

#include <QDialog>
#include <memory>

class QAction;

// Base of every dialog that validates its input on OK: a refused OK shakes
// the dialog instead of opening a message box.
class THeadShakeForm : public QDialog
{
    Q_OBJECT

public:
    explicit THeadShakeForm(QWidget* parent = nullptr);
    ~THeadShakeForm() override;

    void Shake();

    // The refused-OK reaction: the control that triggered OK is disabled for
    // the duration of the shake (events are delivered while the window moves)
    // and enabled again afterwards, also when the shake throws.
    void ShakeWithDisabled(QAction* okAction);
    void ShakeWithDisabled(QWidget* okButton);

    THeadShaker& Shaker() { return *m_shaker; }

    // OK was pressed at least once: forms report missing input only after
    // such a try, never before the clerk had a chance to type it.
    bool OkTried() const { return m_okTried; }
    void NoteOkTried() { m_okTried = true; }

private:
    std::unique_ptr<THeadShaker> m_shaker;
    bool m_okTried = false;
};

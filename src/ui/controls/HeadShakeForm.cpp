#include "HeadShakeForm.h"

#include <QAction>
#include <QPointer>

namespace {
// Disables the object for the lifetime of the guard, if it still exists then.
template <typename T>
class TDisabledWhileAlive
{
public:
    explicit TDisabledWhileAlive(T* object) : m_object(object)
    {
        if (m_object)
            m_object->setEnabled(false);
    }
    ~TDisabledWhileAlive()
    {
        if (m_object)
            m_object->setEnabled(true);
    }
    TDisabledWhileAlive(const TDisabledWhileAlive&) = delete;
    TDisabledWhileAlive& operator=(const TDisabledWhileAlive&) = delete;

private:
    QPointer<T> m_object;
};
}

THeadShakeForm::THeadShakeForm(QWidget* parent)
    : QDialog(parent)
    , m_shaker(std::make_unique<THeadShaker>())
{
}

THeadShakeForm::~THeadShakeForm() = default;

void THeadShakeForm::Shake()
{
    m_shaker->ShakeForm(this);
}

void THeadShakeForm::ShakeWithDisabled(QAction* okAction)
{
    TDisabledWhileAlive<QAction> disabled(okAction);
    Shake();
}

void THeadShakeForm::ShakeWithDisabled(QWidget* okButton)
{
    TDisabledWhileAlive<QWidget> disabled(okButton);
    Shake();
}

#include "UseCaseGate.h"

#include "ui/ApplicationErrors.h"

#include <QTimer>

TUseCaseGate::TScope::TScope(TUseCaseGate& gate) : m_gate(gate)
{
    ++m_gate.m_depth;
}

TUseCaseGate::TScope::~TScope()
{
    if (--m_gate.m_depth == 0)
        m_gate.ScheduleNoted();
}

void TUseCaseGate::RunWhenIdle(const QString& key, std::function<void()> work)
{
    if (Busy()) {
        m_noted[key] = std::move(work);
        return;
    }
    work();
}

void TUseCaseGate::ScheduleNoted()
{
    if (!m_noted.empty())
        QTimer::singleShot(0, this, [this] { RunNoted(); });
}

void TUseCaseGate::RunNoted()
{
    // Another use case may have begun before the message loop came here; its end runs them.
    if (Busy() || m_noted.empty())
        return;
    // One at a time: should one fail, the rest still run from the message loop.
    auto noted = m_noted.extract(m_noted.begin());
    struct TRest
    {
        TUseCaseGate* Gate;
        ~TRest()
        {
            if (!Gate->Busy())
                Gate->ScheduleNoted();
        }
    } rest { this };
    // From the message loop: an error is shown here and goes no further.
    try {
        noted.mapped()();
    } catch (...) {
        HandleApplicationException();
    }
}

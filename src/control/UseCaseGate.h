#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <map>

// Lets one use case run at a time as far as background work is concerned:
// work that arrives while a use case runs (a timer tick, a typing pause) is
// noted under a key and runs once, after the last running use case ended,
// from the message loop, so that an error of it never unwinds through the
// use case that has just ended. A key noted twice runs once, with the
// latest work; keys run in their order.
class TUseCaseGate : public QObject
{
public:
    // Marks a use case as running for its lifetime; use cases may nest.
    class TScope
    {
    public:
        explicit TScope(TUseCaseGate& gate);
        ~TScope();
        TScope(const TScope&) = delete;
        TScope& operator=(const TScope&) = delete;

    private:
        TUseCaseGate& m_gate;
    };

    bool Busy() const { return m_depth > 0; }
    // Runs the work now, or notes it for after the running use case.
    void RunWhenIdle(const QString& key, std::function<void()> work);

private:
    void RunNoted();
    void ScheduleNoted();

    int m_depth = 0;
    std::map<QString, std::function<void()>> m_noted;
};

#include "HeadShaker.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <QWidget>

THeadShaker::THeadShaker(QObject* parent)
    : QObject(parent)
{
}

void THeadShaker::ShakeForm(QWidget* form)
{
    if (!form || m_shaking)
        return;
    QPointer<THeadShaker> self(this);
    Shake(form);
    if (self)
        emit ShakeFinished();
}

void THeadShaker::Shake(QWidget* form)
{
    // Events run between the moves: the form, and with it this shaker, may be
    // closed and freed meanwhile.
    QPointer<THeadShaker> self(this);
    QPointer<QWidget> target(form);
    const int startLeft = form->x();
    const int count = m_shakesCount;
    const int amplitude = m_shakeMaxAmplitude;
    const int fading = m_shakeFading;
    const int delay = m_delayTime;
    // Whatever ends the shake, an exception included, the form goes back
    // to its place and the next shake is possible again.
    struct TShakeEnd
    {
        const QPointer<THeadShaker>& shaker;
        const QPointer<QWidget>& form;
        int left;
        ~TShakeEnd()
        {
            if (shaker)
                shaker->m_shaking = false;
            if (form)
                form->move(left, form->y());
        }
    } end{self, target, startLeft};
    m_shaking = true;

    auto step = [&](int left) {
        if (!self || !target)
            return false;
        target->move(left, target->y());
        emit Moved(left);
        if (self)
            Pause(delay);
        return true;
    };
    for (int i = 0; i < count; ++i) {
        if (!step(startLeft + amplitude - i * fading) || !step(startLeft - amplitude + i * fading))
            return;
    }
    if (self && target) {
        target->move(startLeft, target->y());
        emit Moved(startLeft);
    }
}

void THeadShaker::Pause(int ms)
{
    QCoreApplication::processEvents();
    if (ms <= 0)
        return;
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

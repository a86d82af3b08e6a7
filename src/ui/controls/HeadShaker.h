#pragma once

#include <QObject>

class QWidget;

// Shakes a window sideways to say "no" to rejected input. The shake is
// synchronous: it returns after ShakesCount x 2 x DelayTime ms, processing
// pending events between the moves so that each position gets painted.
class THeadShaker : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int ShakesCount READ ShakesCount WRITE SetShakesCount)
    Q_PROPERTY(int ShakeMaxAmplitude READ ShakeMaxAmplitude WRITE SetShakeMaxAmplitude)
    Q_PROPERTY(int ShakeFading READ ShakeFading WRITE SetShakeFading)
    Q_PROPERTY(int DelayTime READ DelayTime WRITE SetDelayTime)

public:
    explicit THeadShaker(QObject* parent = nullptr);

    int ShakesCount() const { return m_shakesCount; }
    void SetShakesCount(int value) { m_shakesCount = value; }
    int ShakeMaxAmplitude() const { return m_shakeMaxAmplitude; }
    void SetShakeMaxAmplitude(int value) { m_shakeMaxAmplitude = value; }
    int ShakeFading() const { return m_shakeFading; }
    void SetShakeFading(int value) { m_shakeFading = value; }
    int DelayTime() const { return m_delayTime; }
    void SetDelayTime(int value) { m_delayTime = value; }

    // Shakes the form and puts it back where it was; nothing without a form.
    // A call made while a shake is running (from an event processed between
    // the moves) is ignored, so the window always returns to its start.
    void ShakeForm(QWidget* form);

    bool IsShaking() const { return m_shaking; }

signals:
    // After every move, the final return included, with the new left coordinate.
    void Moved(int left);
    void ShakeFinished();

protected:
    // Lets pending events run for the given time; tests replace it.
    virtual void Pause(int ms);

private:
    void Shake(QWidget* form);

    int m_shakesCount = 8;
    int m_shakeMaxAmplitude = 20;
    int m_shakeFading = 3;
    int m_delayTime = 40;
    bool m_shaking = false;
};

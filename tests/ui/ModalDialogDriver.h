#pragma once

#include "ui/controls/HeadShakeForm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

// Acts on a dialog once its Execute has opened it modally. Whatever the act
// leaves open is cancelled afterwards, so that a failed check cannot leave
// the test waiting in the dialog's event loop.
inline void WhenOpen(QDialog* dialog, std::function<void()> act)
{
    QTimer::singleShot(0, dialog, [dialog, act] {
        if (QApplication::activeModalWidget() == dialog)
            act();
        else
            QTest::qFail("the dialog is not open modally", __FILE__, __LINE__);
        if (dialog->isVisible())
            dialog->reject();
    });
}

// Shakes run at full speed in tests; the spy counts finished shakes.
inline std::unique_ptr<QSignalSpy> FastShakes(THeadShakeForm& form)
{
    form.Shaker().SetDelayTime(0);
    return std::make_unique<QSignalSpy>(&form.Shaker(), &THeadShaker::ShakeFinished);
}

template <typename T>
T* Find(QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no control named %s", name);
    return child;
}

inline QString LabelText(QWidget* parent, const char* name)
{
    return Find<QLabel>(parent, name)->text();
}

// Types any text, Cyrillic included (QTest::keyClicks takes Latin-1 only).
inline void TypeText(QWidget* target, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(target, &release);
    }
}

inline void PressEnter(QWidget* target)
{
    QTest::keyClick(target, Qt::Key_Return);
}

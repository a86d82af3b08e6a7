#pragma once

// What the dialog tests share: an application whose event handling catches
// errors the way the program's does, and a way to act on a modal dialog from
// inside its own event loop.

#include "domain/Exception.h"
#include "domain/Money.h"

#include <QApplication>
#include <QLocale>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <functional>

// Errors that leave an event handler end here, as they reach the program's
// error box; the tests read them from Errors.
class TErrorRecordingApplication : public QApplication
{
public:
    using QApplication::QApplication;

    QStringList Errors;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const Exception& error) {
            Errors << error.Message();
        }
        return false;
    }

    static TErrorRecordingApplication* Instance() { return static_cast<TErrorRecordingApplication*>(qApp); }
};

// Runs act on the modal dialog of type TForm as soon as its Execute shows it;
// the dialog is cancelled afterwards if act left it open, so that a failed
// check never leaves a test waiting.
template <typename TForm>
void WhenOpen(std::function<void(TForm*)> act)
{
    QTimer::singleShot(0, qApp, [act] {
        QPointer<TForm> form = qobject_cast<TForm*>(QApplication::activeModalWidget());
        if (!form) {
            QFAIL("no dialog of the expected type is open");
            return;
        }
        act(form);
        if (form && form->isVisible())
            form->reject();
    });
}

// The control of the form with that object name; a missing one ends the test program.
template <typename T>
T* Find(QWidget* form, const char* name)
{
    T* child = form->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

// The message of the error the call raises; empty when it raises none.
inline QString RaisedMessage(const std::function<void()>& call)
{
    try {
        call();
    } catch (const Exception& error) {
        return error.Message();
    }
    return QString();
}

// An amount written as in a loan book: "888.4879".
inline Money M(const char* text)
{
    return *Money::Parse(QString::fromLatin1(text));
}

#define VARNEL_DIALOG_TEST_MAIN(TestObject)                                                                           \
    int main(int argc, char** argv)                                                                                   \
    {                                                                                                                 \
        TErrorRecordingApplication app(argc, argv);                                                                   \
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));                                              \
        TestObject test;                                                                                              \
        return QTest::qExec(&test, argc, argv);                                                                       \
    }

#pragma once

// What the dialog tests share: an application whose event handling catches
// errors the way the program's does, and a way to act on a modal dialog from
// inside its own event loop.

#include "domain/Exception.h"

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

#define VARNEL_DIALOG_TEST_MAIN(TestObject)                                                                           \
    int main(int argc, char** argv)                                                                                   \
    {                                                                                                                 \
        TErrorRecordingApplication app(argc, argv);                                                                   \
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));                                              \
        TestObject test;                                                                                              \
        return QTest::qExec(&test, argc, argv);                                                                       \
    }

#pragma once

// What the tests of the program's windows share: the program's own
// application object, answers at the seams where the program asks the user,
// and ways to act on a modal dialog from inside its event loop.

#include "app/VarnelApplication.h"
#include "domain/Exception.h"
#include "domain/Money.h"
#include "ui/MessageBoxes.h"
#include "ui/controls/HeadShakeForm.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPointer>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>
#include <memory>
#include <type_traits>

// Puts a test's answer in place of one of the program's seams (message boxes,
// modal dialogs, the open-file dialog) for as long as it lives; the handler
// in place before comes back afterwards, also when a check fails early.
template <typename THandler>
class TSeamAnswer
{
public:
    TSeamAnswer(THandler (*install)(THandler), std::type_identity_t<THandler> answer)
        : m_install(install)
        , m_previous(install(std::move(answer)))
    {
    }
    ~TSeamAnswer() { m_install(std::move(m_previous)); }
    TSeamAnswer(const TSeamAnswer&) = delete;
    TSeamAnswer& operator=(const TSeamAnswer&) = delete;

private:
    THandler (*m_install)(THandler);
    THandler m_previous;
};

// The message boxes shown while it lives, each answered with the given button
// instead of by a user. Errors that escape an event handler end here too, as
// the program's error box.
class TShownBoxes
{
public:
    explicit TShownBoxes(QMessageBox::StandardButton answer = QMessageBox::Ok)
        : m_answer(SetMessageBoxHandler, [this, answer](const TMessageBoxRequest& request) {
            Boxes << request;
            return answer;
        })
    {
    }

    QList<TMessageBoxRequest> Boxes;

    QStringList Texts() const
    {
        QStringList texts;
        for (const TMessageBoxRequest& box : Boxes)
            texts << box.Text;
        return texts;
    }

private:
    TSeamAnswer<TMessageBoxHandler> m_answer;
};

// Outside a test's own answers a message box is a failure of the running
// test, never a window that waits for a user who is not there.
inline QMessageBox::StandardButton FailOnMessageBox(const TMessageBoxRequest& request)
{
    QTest::qFail(qPrintable(QStringLiteral("unexpected message box: ") + request.Text), __FILE__, __LINE__);
    return QMessageBox::NoButton;
}

// Runs act on the modal dialog as soon as an Execute has opened it: the
// expected one, or without one any of type TForm. Whatever act leaves open is
// cancelled afterwards, so that a failed check cannot leave the test waiting
// in the dialog's event loop.
template <typename TForm>
void WhenOpen(std::function<void(TForm*)> act, TForm* expected = nullptr)
{
    QObject* context = expected ? static_cast<QObject*>(expected) : qApp;
    QTimer::singleShot(0, context, [act, expected] {
        QPointer<TForm> form = qobject_cast<TForm*>(QApplication::activeModalWidget());
        if (!form || (expected && form != expected)) {
            QFAIL("the dialog is not open modally");
            return;
        }
        act(form);
        if (form && form->isVisible())
            form->reject();
    });
}

inline void WhenOpen(QDialog* dialog, std::function<void()> act)
{
    WhenOpen<QDialog>([act](QDialog*) { act(); }, dialog);
}

// The control of the form with that object name; a missing one ends the test program.
template <typename T>
T* Find(QWidget* form, const char* name)
{
    T* child = form->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no control named %s", name);
    return child;
}

inline QString LabelText(QWidget* form, const char* name)
{
    return Find<QLabel>(form, name)->text();
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

// The texts of a list line, column by column.
inline QStringList LineTexts(const QTreeWidgetItem* line)
{
    QStringList texts;
    for (int column = 0; column < line->columnCount(); ++column)
        texts << line->text(column);
    return texts;
}

// Shakes run at full speed in tests; the spy counts finished shakes.
inline std::unique_ptr<QSignalSpy> FastShakes(THeadShakeForm& form)
{
    form.Shaker().SetDelayTime(0);
    return std::make_unique<QSignalSpy>(&form.Shaker(), &THeadShaker::ShakeFinished);
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

// The test program runs under the program's application object, with its
// handler of errors that escape an event handler, in the Russian locale.
#define VARNEL_TEST_MAIN(TestObject)                                                                                  \
    int main(int argc, char** argv)                                                                                   \
    {                                                                                                                 \
        TVarnelApplication application(argc, argv);                                                                   \
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));                                              \
        const TSeamAnswer unexpectedBoxes(SetMessageBoxHandler, FailOnMessageBox);                                    \
        TestObject test;                                                                                              \
        return QTest::qExec(&test, argc, argv);                                                                       \
    }

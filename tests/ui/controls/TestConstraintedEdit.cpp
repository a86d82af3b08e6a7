#include "ui/controls/ConstraintEditException.h"
#include "ui/controls/ConstraintedEdit.h"

#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {
const QString DefaultMessage = QStringLiteral("Не соблюдены ограничения, наложенные на поле ввода.");

// Accepts digits only, like the payment-day field.
void DigitsOnly(TConstraintedEdit*, const QString& text, bool& answer, QString& message, QColor& color)
{
    bool isNumber = false;
    text.toInt(&isNumber);
    if (!isNumber) {
        answer = false;
        message = QStringLiteral("Введите число");
        color = Qt::red;
    }
}

// A form holding the field (found by its name, as in the dialogs) and its label.
struct TForm
{
    QWidget window;
    QLabel* label = new QLabel(&window);
    TConstraintedEdit* edit = new TConstraintedEdit(&window);

    TForm()
    {
        edit->setObjectName(QStringLiteral("PaymentDayEdit"));
        edit->SetNotifyLabel(label);
        window.show();
        QApplication::setActiveWindow(&window);
        edit->setFocus();
    }
    TConstraintedEdit* Field() { return window.findChild<TConstraintedEdit*>(QStringLiteral("PaymentDayEdit")); }
    QTimer* TypingTimer() { return Field()->findChild<QTimer*>(QStringLiteral("TypingTimer")); }
};
}

class TestConstraintedEdit : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        TConstraintedEdit edit;
        QCOMPARE(edit.ConstraintEditExceptionMessage(), DefaultMessage);
        QCOMPARE(edit.TypeWaitTimeMs(), 1000u);
        QVERIFY(!edit.IsCheckOnChange());
        QVERIFY(!edit.IsCheckOnCreate());
        QVERIFY(!edit.IsColorSelfAsLabel());
        QVERIFY(!edit.IsClearOnEnter());
    }

    void violatedConstraintShowsMessageAndRaises()
    {
        TForm form;
        form.Field()->SetOnConstraintCheck(DigitsOnly);
        QTest::keyClicks(form.Field(), QStringLiteral("1a"));
        QVERIFY(form.label->text().isEmpty());

        QVERIFY(!form.Field()->CheckConstraint());
        QCOMPARE(form.label->text(), QStringLiteral("Введите число"));
        QCOMPARE(form.label->palette().color(QPalette::WindowText), QColor(Qt::red));
        try {
            form.Field()->CheckedText();
            QFAIL("CheckedText handed out a text that breaks the constraint");
        } catch (const EConstraintEditException& e) {
            QCOMPARE(e.Message(), DefaultMessage);
        }

        QTest::keyClick(form.Field(), Qt::Key_Backspace);
        QCOMPARE(form.Field()->CheckedText(), QStringLiteral("1"));
        QVERIFY(form.label->text().isEmpty());
        QCOMPARE(form.label->palette().color(QPalette::WindowText), QColor(Qt::black));
    }

    void exceptionCarriesOwnMessage()
    {
        TConstraintedEdit edit;
        edit.SetConstraintEditExceptionMessage(QStringLiteral("Неверная сумма"));
        edit.SetOnConstraintCheck(DigitsOnly);
        edit.setText(QStringLiteral("x"));
        QVERIFY_THROWS_EXCEPTION(EConstraintEditException, edit.CheckedText());
        try {
            edit.CheckedText();
        } catch (const Exception& e) {
            QCOMPARE(e.Message(), QStringLiteral("Неверная сумма"));
        }
    }

    void withoutConstraintEverythingPasses()
    {
        TForm form;
        form.Field()->ShowStringOnLabel(QStringLiteral("старое"), Qt::red);
        form.Field()->setText(QStringLiteral("что угодно"));
        QVERIFY(form.Field()->CheckConstraint());
        QVERIFY(form.label->text().isEmpty());
        QCOMPARE(form.Field()->CheckedText(), QStringLiteral("что угодно"));
    }

    void checkOnChangeFollowsTyping_data()
    {
        QTest::addColumn<bool>("checkOnChange");
        QTest::addColumn<QString>("labelAfterTyping");
        QTest::newRow("off") << false << QString();
        QTest::newRow("on") << true << QStringLiteral("Введите число");
    }
    void checkOnChangeFollowsTyping()
    {
        QFETCH(bool, checkOnChange);
        QFETCH(QString, labelAfterTyping);
        TForm form;
        form.Field()->SetIsCheckOnChange(checkOnChange);
        form.Field()->SetOnConstraintCheck(DigitsOnly);
        QTest::keyClicks(form.Field(), QStringLiteral("12x"));
        QCOMPARE(form.label->text(), labelAfterTyping);
        QTest::keyClick(form.Field(), Qt::Key_Backspace);
        QVERIFY(form.label->text().isEmpty());
    }

    void checkOnCreateChecksAtOnceAndOnNewLabel()
    {
        TConstraintedEdit edit;
        QLabel first, second;
        edit.SetOnConstraintCheck(DigitsOnly);
        edit.SetNotifyLabel(&first);
        QVERIFY(first.text().isEmpty());

        edit.SetIsCheckOnCreate(true);
        QCOMPARE(first.text(), QStringLiteral("Введите число"));
        edit.SetNotifyLabel(&second);
        QCOMPARE(second.text(), QStringLiteral("Введите число"));
    }

    // The typing timer is found by its name and, once the typing is over,
    // shortened so that the pause elapses without waiting a whole second.
    void burstOfTypingGivesOneTypoStop()
    {
        TForm form;
        form.Field()->SetTypeWaitTimeMs(60000);
        QCOMPARE(form.TypingTimer()->interval(), 60000);
        QSignalSpy typoStop(form.Field(), &TConstraintedEdit::OnTypoStop);
        QVERIFY(!form.TypingTimer()->isActive());

        for (const QChar c : QStringLiteral("Ivano")) {
            QTest::keyClicks(form.Field(), QString(c));
            QVERIFY(form.TypingTimer()->isActive());
        }
        QCOMPARE(typoStop.count(), 0);

        form.Field()->SetTypeWaitTimeMs(1);
        QTRY_COMPARE(typoStop.count(), 1);
        QVERIFY(!form.TypingTimer()->isActive());
        QCOMPARE(form.Field()->text(), QStringLiteral("Ivano"));
    }

    void programChangeGivesOneTypoStop()
    {
        TForm form;
        form.Field()->SetTypeWaitTimeMs(1);
        QSignalSpy typoStop(form.Field(), &TConstraintedEdit::OnTypoStop);
        QSignalSpy changed(form.Field(), &QLineEdit::textChanged);
        form.Field()->setText(QStringLiteral("Петров"));
        QCOMPARE(changed.count(), 1);
        QTRY_COMPARE(typoStop.count(), 1);
        QVERIFY(!form.TypingTimer()->isActive());

        form.Field()->clear();
        QTRY_COMPARE(typoStop.count(), 2);
    }
};

QTEST_MAIN(TestConstraintedEdit)
#include "TestConstraintedEdit.moc"

#include "support/WindowTestSupport.h"

#include "ui/ModalDialogs.h"
#include "ui/ServerPasswordForm.h"
#include "ui/controls/FieldFault.h"

#include <QLineEdit>
#include <QPushButton>

class TestServerPasswordForm : public QObject
{
    Q_OBJECT

    static QLineEdit* PasswordEdit(QDialog& form) { return Find<QLineEdit>(&form, "PasswordEdit"); }

private slots:
    // Typed unseen, handed back on OK (Enter) as typed, nothing on Escape or Cancel.
    void answers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::addColumn<std::optional<QString>>("answer");
        QTest::newRow("Enter") << "сек рет'1" << int(Qt::Key_Return) << std::optional<QString>("сек рет'1");
        QTest::newRow("Escape") << "secret" << int(Qt::Key_Escape) << std::optional<QString>();
    }
    void answers()
    {
        QFETCH(QString, typed);
        QFETCH(int, key);
        QFETCH(std::optional<QString>, answer);
        QString title;
        QString warning;
        QLineEdit::EchoMode echo = QLineEdit::Normal;
        const TSeamAnswer user(SetModalHandler, [&](QDialog& form) {
            form.show();
            title = form.windowTitle();
            warning = LabelText(&form, "InfoLabel");
            echo = PasswordEdit(form)->echoMode();
            TypeText(PasswordEdit(form), typed);
            QTest::keyClick(PasswordEdit(form), Qt::Key(key));
            return form.result();
        });
        QCOMPARE(AskServerPassword({QStringLiteral("book на srv (clerk)"), QStringLiteral("Пароль не подошёл.")}),
                 answer);
        QCOMPARE(echo, QLineEdit::Password);
        QCOMPARE(title, QStringLiteral("Пароль: book на srv (clerk)"));
        QCOMPARE(warning, QStringLiteral("Пароль не подошёл."));
    }

    // OK without a password marks the field and waits for one.
    void emptyPasswordIsRefused()
    {
        TServerPasswordForm form(QStringLiteral("book на srv (clerk)"));
        const auto shakes = FastShakes(form);
        form.show();
        QTest::mouseClick(Find<QPushButton>(&form, "OkButton"), Qt::LeftButton);
        QVERIFY(form.isVisible());
        QCOMPARE(shakes->count(), 1);
        QVERIFY(IsFieldAtFault(PasswordEdit(form)));
        QCOMPARE(LabelText(&form, "InfoLabel"), QStringLiteral("Введите пароль."));
        TypeText(PasswordEdit(form), QStringLiteral("x"));
        QVERIFY(!IsFieldAtFault(PasswordEdit(form)));
        QCOMPARE(LabelText(&form, "InfoLabel"), QString());
        QTest::mouseClick(Find<QPushButton>(&form, "OkButton"), Qt::LeftButton);
        QCOMPARE(form.result(), int(QDialog::Accepted));
        QCOMPARE(form.Password(), QStringLiteral("x"));
    }

    // The start-up's tests answer the question without any form.
    void handlerAnswersInsteadOfTheForm()
    {
        QList<TServerPasswordRequest> asked;
        bool formShown = false;
        const TSeamAnswer modal(SetModalHandler, [&](QDialog&) {
            formShown = true;
            return int(QDialog::Rejected);
        });
        const TSeamAnswer answer(SetServerPasswordHandler, [&](const TServerPasswordRequest& request) {
            asked << request;
            return std::optional<QString>(QStringLiteral("secret"));
        });
        QCOMPARE(AskServerPassword({QStringLiteral("book на srv (clerk)"), QString()}),
                 std::optional<QString>(QStringLiteral("secret")));
        QVERIFY(!formShown);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked[0].BookName, QStringLiteral("book на srv (clerk)"));
    }
};

VARNEL_TEST_MAIN(TestServerPasswordForm)
#include "TestServerPasswordForm.moc"

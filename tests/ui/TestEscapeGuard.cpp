#include "DialogSamples.h"

#include <QLineEdit>

// Escape closes a form as it was opened at once; on a form holding typed
// input it asks first, and only Yes throws the input away.
class TestEscapeGuard : public QObject
{
    Q_OBJECT

private slots:
    void escapeAsksBeforeTypedInputIsLost_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("typed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        const std::pair<const char*, const char*> forms[] = {{"debtor", "TelephoneEdit"},
                                                             {"credit (add)", "ContractNumberEdit"},
                                                             {"payment", "PaymentEdit"},
                                                             {"company", "BossNameEdit"}};
        for (const auto& [dialog, field] : forms) {
            QTest::addRow("%s, as opened", dialog) << dialog << field << false << int(QMessageBox::No) << true;
            QTest::addRow("%s, typed, kept", dialog) << dialog << field << true << int(QMessageBox::No) << false;
            QTest::addRow("%s, typed, thrown away", dialog) << dialog << field << true << int(QMessageBox::Yes) << true;
        }
    }
    void escapeAsksBeforeTypedInputIsLost()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, field);
        QFETCH(bool, typed);
        QFETCH(int, answer);
        QFETCH(bool, closed);
        TDialogSamples samples;
        QList<TMessageBoxRequest> asked;
        bool open = true;
        samples.Open(dialog, [&](QDialog* form) {
            QVERIFY(QTest::qWaitForWindowActive(form));
            auto* edit = Find<QLineEdit>(form, qPrintable(field));
            edit->setFocus(Qt::TabFocusReason);
            if (typed)
                QTest::keyClicks(edit, QStringLiteral("7"));
            const QString text = edit->text();
            TShownBoxes boxes(static_cast<QMessageBox::StandardButton>(answer));
            QTest::keyClick(edit, Qt::Key_Escape);
            asked = boxes.Boxes;
            open = form->isVisible();
            if (open)
                QCOMPARE(edit->text(), text);
        });
        QCOMPARE(open, !closed);
        QCOMPARE(asked.size(), typed ? 1 : 0);
        if (typed) {
            QCOMPARE(asked.first().Text, QStringLiteral("Закрыть окно? Введённые данные не будут сохранены."));
            QCOMPARE(asked.first().Buttons, QMessageBox::Yes | QMessageBox::No);
        }
    }
};

VARNEL_TEST_MAIN(TestEscapeGuard)
#include "TestEscapeGuard.moc"

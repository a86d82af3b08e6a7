#include "DialogSamples.h"

#include <QApplication>
#include <QDateEdit>
#include <QLineEdit>

namespace {
// The named control that has the focus: the focus may sit in an inner part
// of a control (the text of a date field), which has no name of its own.
QString FocusedControl()
{
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget())
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith(QLatin1String("qt_")))
            return widget->objectName();
    return QString();
}
}

// Tab walks every dialog's controls in the order of the form, each once,
// and comes back to the first; read-only display fields are not on the way.
class TestTabOrder : public QObject
{
    Q_OBJECT

private slots:
    void tabVisitsEachControlOnceInOrder_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QStringList>("chain");
        const QStringList terms{"ContractNumberEdit", "ContractDatePicker", "CreditSizeEdit",
                                "CreditPeriodEdit",   "YearPercentEdit",    "PaymentDayEdit"};
        QTest::newRow("debtor") << "debtor"
                                << QStringList{"SurnameEdit",        "NameEdit",         "PatronymicNameEdit",
                                               "PassportSeriesEdit", "PassportNumberEdit", "PassportInfoEdit",
                                               "PostCodeEdit",       "RegionEdit",       "DistrictEdit",
                                               "CityEdit",           "StreeEdit",        "BuildingEdit",
                                               "FlatEdit",           "TelephoneEdit",    "OkButton",
                                               "CancelButton"};
        QTest::newRow("credit (add)") << "credit (add)"
                                      << terms + QStringList{"ScheduleListView", "OkButton", "CancelButton"};
        // Viewing: saving waits for a respite, which waits for a line.
        QTest::newRow("credit (view)") << "credit (view)"
                                       << terms + QStringList{"ScheduleListView", "PrintButton", "CancelButton"};
        QTest::newRow("payment") << "payment" << QStringList{"PaymentEdit", "OkButton", "CancelButton"};
        QTest::newRow("ahead decision") << "ahead decision"
                                        << QStringList{"JustLeaveRadioButton", "OldListView", "NewListView",
                                                       "OkButton", "CancelButton"};
        QTest::newRow("credit selection") << "credit selection"
                                          << QStringList{"CreditListView", "OkButton", "CancelButton"};
        QTest::newRow("payment history") << "payment history"
                                         << QStringList{"PaymentsGrid", "PrintHistoryButton", "PrintOrderButton",
                                                        "CancelButton"};
        QTest::newRow("date") << "date" << QStringList{"DateTimePicker", "OkButton", "CancelButton"};
        QTest::newRow("month") << "month" << QStringList{"MonthComboBox", "YearEdit", "OkButton", "CancelButton"};
        QTest::newRow("company") << "company"
                                 << QStringList{"CompanyNameEdit", "BossNameEdit", "OkButton", "CancelButton"};
        // OK waits for the code.
        QTest::newRow("safe delete") << "safe delete" << QStringList{"CodeEdit", "CancelButton"};
    }
    void tabVisitsEachControlOnceInOrder()
    {
        QFETCH(QString, dialog);
        QFETCH(QStringList, chain);
        TDialogSamples samples;
        QStringList visited;
        samples.Open(dialog, [&](QDialog* form) {
            QVERIFY(QTest::qWaitForWindowActive(form));
            Find<QWidget>(form, qPrintable(chain.first()))->setFocus(Qt::TabFocusReason);
            for (int step = 0; step <= chain.size(); ++step) {
                visited << FocusedControl();
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            }
        });
        QCOMPARE(visited, chain + QStringList{chain.first()});
    }

    // Tabbing on from the contract number and typing the amount fills the
    // amount and leaves the contract date alone.
    void typingAfterTabsNeverRewritesADate()
    {
        TDialogSamples samples;
        samples.Open("credit (add)", [&](QDialog* form) {
            QVERIFY(QTest::qWaitForWindowActive(form));
            auto* date = Find<QDateEdit>(form, "ContractDatePicker");
            date->setDate(QDate(2026, 12, 10));
            QWidget* number = Find<QWidget>(form, "ContractNumberEdit");
            number->setFocus(Qt::TabFocusReason);
            TypeText(number, QStringLiteral("К-1"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            TypeText(QApplication::focusWidget(), QStringLiteral("150000.5"));
            QCOMPARE(date->date(), QDate(2026, 12, 10));
            QCOMPARE(Find<QLineEdit>(form, "CreditSizeEdit")->text(), QStringLiteral("150000,5"));
        });
    }

    // A whole date typed with dots goes into the date field, and nothing
    // typed past its end reaches another field of the dialog.
    void aDateTypedWithDotsNeverChangesAnotherField_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("picker");
        QTest::addColumn<QString>("typed");
        const std::pair<const char*, const char*> pickers[] = {{"credit (add)", "ContractDatePicker"},
                                                               {"date", "DateTimePicker"}};
        for (const auto& [dialog, picker] : pickers) {
            QTest::addRow("%s, dots", dialog) << dialog << picker << "10.12.2026";
            QTest::addRow("%s, typed on", dialog) << dialog << picker << "10.12.2026.12,50";
        }
    }
    void aDateTypedWithDotsNeverChangesAnotherField()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, picker);
        QFETCH(QString, typed);
        TDialogSamples samples;
        samples.Open(dialog, [&](QDialog* form) {
            QVERIFY(QTest::qWaitForWindowActive(form));
            auto* date = Find<QDateEdit>(form, qPrintable(picker));
            const auto otherTexts = [&] {
                QStringList texts;
                for (const QLineEdit* edit : form->findChildren<QLineEdit*>())
                    if (!date->isAncestorOf(edit))
                        texts << edit->objectName() + '=' + edit->text();
                return texts;
            };
            const QStringList before = otherTexts();
            date->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(QApplication::focusWidget(), typed);
            QCOMPARE(date->date(), QDate(2026, 12, 10));
            QCOMPARE(otherTexts(), before);
            QCOMPARE(FocusedControl(), picker);
        });
    }
};

VARNEL_TEST_MAIN(TestTabOrder)
#include "TestTabOrder.moc"

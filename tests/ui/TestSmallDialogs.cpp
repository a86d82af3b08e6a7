#include "support/WindowTestSupport.h"

#include "data/UpdateSchedulesDelayInterface.h"
#include "support/ClockPin.h"
#include "domain/Company.h"
#include "domain/RandomGenerator.h"
#include "ui/CompanySettingsForm.h"
#include "ui/LinkLabel.h"
#include "ui/SafeDeleteForm.h"
#include "ui/ScheduleDelayUpdateForm.h"
#include "ui/SelectDateForm.h"
#include "ui/SelectMonthForm.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/FieldFault.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <optional>

namespace {
// The tests' today: 1 March 2009, 10:15.
const DateTime MarchFirst = DateTime::FromYMD(2009, 3, 1, 10, 15);

// Hands out the digits it was given, in order.
class TScriptedRandom : public IRandomGenerator
{
public:
    explicit TScriptedRandom(QList<int> digits) : m_digits(std::move(digits)) {}
    int Random(int range) override
    {
        const int digit = m_digits.takeFirst();
        return digit < range ? digit : 0;
    }

private:
    QList<int> m_digits;
};

// Counts the runs of the indexing, looks at the window meanwhile, and fails if told.
class TFakeUpdater : public IUpdateSchedulesDelayInterface
{
public:
    std::optional<QString> Failure;
    int Calls = 0;
    bool WindowShown = false;
    bool ShownAfterEscape = false;

    void UpdateSchedulesDelay() override
    {
        ++Calls;
        QWidget* window = QApplication::activeModalWidget();
        WindowShown = window && window->isVisible();
        if (window) {
            QTest::keyClick(window, Qt::Key_Escape);
            ShownAfterEscape = window->isVisible();
        }
        if (Failure)
            throw Exception(*Failure);
    }
};
}

class TestSmallDialogs : public QObject
{
    Q_OBJECT

private slots:
    void dateLinksSetThePicker_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QColor>("color");
        QTest::newRow("day before yesterday") << "DayBeforeYesterdayLabel" << QDate(2009, 2, 27) << QColor(119, 119, 255);
        QTest::newRow("yesterday") << "YesterdayLabel" << QDate(2009, 2, 28) << QColor(83, 83, 255);
        QTest::newRow("today") << "TodayLabel" << QDate(2009, 3, 1) << QColor(0, 0, 255);
    }
    void dateLinksSetThePicker()
    {
        QFETCH(QString, link);
        QFETCH(QDate, date);
        QFETCH(QColor, color);
        const TClockPin clock(MarchFirst);
        TSelectDateForm form;
        form.SetDate(DateTime::FromYMD(2008, 7, 7, 9, 0));
        WhenOpen<TSelectDateForm>([&](TSelectDateForm* dialog) {
            QCOMPARE(Find<QDateEdit>(dialog, "DateTimePicker")->date(), QDate(2008, 7, 7));
            auto* label = Find<TLinkLabel>(dialog, link.toLatin1().constData());
            QCOMPARE(label->palette().color(QPalette::WindowText), color);
            QVERIFY(label->font().underline());
            QTest::mouseClick(label, Qt::LeftButton);
            QTest::mouseClick(Find<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
        });
        QVERIFY(form.Execute());
        QCOMPARE(form.SelectedDate().Date(), date);
    }

    // OK refuses a date that does not exist and says why under the field;
    // a link or a typed year that mends it clears both, and OK then takes it.
    void dateDialogRefusesADateThatDoesNotExist_data()
    {
        QTest::addColumn<QString>("mend"); // a link, or a year typed
        QTest::addColumn<QDate>("date");
        QTest::newRow("leap year typed") << "2024" << QDate(2024, 2, 29);
        QTest::newRow("today picked") << "TodayLabel" << QDate(2009, 3, 1);
    }
    void dateDialogRefusesADateThatDoesNotExist()
    {
        QFETCH(QString, mend);
        QFETCH(QDate, date);
        const TClockPin clock(MarchFirst);
        TSelectDateForm form;
        form.SetDate(MarchFirst);
        WhenOpen<TSelectDateForm>([&](TSelectDateForm* dialog) {
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            auto* picker = Find<TDatePicker>(dialog, "DateTimePicker");
            auto* error = Find<QLabel>(dialog, "ErrorLabel");
            picker->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(picker, QStringLiteral("29.02.2025"));
            QVERIFY(!error->isVisible());
            QTest::mouseClick(Find<QPushButton>(dialog, "OkButton"), Qt::LeftButton);
            QVERIFY(dialog->isVisible());
            const QString reason = QStringLiteral("Такой даты нет: 29 февраля 2025 года, в этом месяце 28 дней.");
            QVERIFY(error->isVisible());
            QCOMPARE(error->text(), reason);
            QCOMPARE(FieldFaultReason(picker), reason);
            if (mend.startsWith(QLatin1String("Today"))) {
                QTest::mouseClick(Find<TLinkLabel>(dialog, qPrintable(mend)), Qt::LeftButton);
            } else {
                picker->setSelectedSection(QDateTimeEdit::YearSection);
                QTest::keyClicks(picker, mend);
            }
            QVERIFY(!error->isVisible());
            QVERIFY(!IsFieldAtFault(picker));
            PressEnter(picker);
        });
        QVERIFY(form.Execute());
        QCOMPARE(form.SelectedDate().Date(), date);
    }

    void monthDialogOpensOnTheCurrentMonth()
    {
        const TClockPin clock(MarchFirst);
        TSelectMonthForm form;
        auto* months = Find<QComboBox>(&form, "MonthComboBox");
        QCOMPARE(months->count(), 12);
        QCOMPARE(months->maxVisibleItems(), 12);
        QCOMPARE(months->itemText(0), QStringLiteral("Январь"));
        QCOMPARE(months->currentText(), QStringLiteral("Март"));
        QCOMPARE(Find<QLineEdit>(&form, "YearEdit")->text(), QStringLiteral("2009"));
        QCOMPARE(form.SelectedMonth(), 3);
        QCOMPARE(form.SelectedYear(), 2009);
    }

    void monthDialogYear_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("year");
        QTest::newRow("typed year") << "2011" << "2011" << 2011;
        QTest::newRow("letters and signs dropped") << "20a-1.1" << "2011" << 2011;
        QTest::newRow("cleared: current year") << "" << "" << 2009;
    }
    void monthDialogYear()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(int, year);
        const TClockPin clock(MarchFirst);
        TSelectMonthForm form;
        WhenOpen<TSelectMonthForm>([&](TSelectMonthForm* dialog) {
            auto* edit = Find<QLineEdit>(dialog, "YearEdit");
            edit->clear();
            QTest::keyClicks(edit, typed);
            QCOMPARE(edit->text(), shown);
            Find<QComboBox>(dialog, "MonthComboBox")->setCurrentIndex(11);
            QTest::keyClick(edit, Qt::Key_Return);
        });
        QVERIFY(form.Execute());
        QCOMPARE(form.SelectedYear(), year);
        QCOMPARE(form.SelectedMonth(), 12);
    }

    void companyDialogRefusesMissingRecord()
    {
        TCompanySettingsForm form;
        QCOMPARE(RaisedMessage([&] { form.Execute(nullptr); }), QStringLiteral("Информация о компании не задана."));
    }

    void companyDialogStoresTextsOnSaveOnly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("boss");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("saved");
        QTest::newRow("saved") << "ООО «Заём»" << "Сидоров С. С." << "OkButton" << true;
        QTest::newRow("saved empty") << "" << "" << "OkButton" << true;
        QTest::newRow("cancelled") << "ООО «Заём»" << "Сидоров С. С." << "CancelButton" << false;
    }
    void companyDialogStoresTextsOnSaveOnly()
    {
        QFETCH(QString, name);
        QFETCH(QString, boss);
        QFETCH(QString, button);
        QFETCH(bool, saved);
        TCompany company{QStringLiteral("Старое"), QStringLiteral("Прежний")};
        TCompanySettingsForm form;
        WhenOpen<TCompanySettingsForm>([&](TCompanySettingsForm* dialog) {
            auto* nameEdit = Find<QLineEdit>(dialog, "CompanyNameEdit");
            auto* bossEdit = Find<QLineEdit>(dialog, "BossNameEdit");
            QCOMPARE(nameEdit->text(), QStringLiteral("Старое"));
            QCOMPARE(bossEdit->text(), QStringLiteral("Прежний"));
            QCOMPARE(nameEdit->maxLength(), 100);
            QCOMPARE(bossEdit->maxLength(), 200);
            nameEdit->setText(name);
            bossEdit->setText(boss);
            QTest::mouseClick(Find<QPushButton>(dialog, button.toLatin1().constData()), Qt::LeftButton);
        });
        QCOMPARE(form.Execute(&company), saved);
        QCOMPARE(company.CompanyName, saved ? name : QStringLiteral("Старое"));
        QCOMPARE(company.BossName, saved ? boss : QStringLiteral("Прежний"));
    }

    void waitWindowRefusesMissingUpdater()
    {
        TScheduleDelayUpdateForm form;
        QCOMPARE(RaisedMessage([&] { form.Execute(nullptr); }),
                 QStringLiteral("Посетитель для запуска обновления задержек не задан."));
    }

    void waitWindowRunsTheIndexingOnceAndCloses_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::newRow("indexing done") << "";
        QTest::newRow("indexing failed") << "database is locked";
    }
    void waitWindowRunsTheIndexingOnceAndCloses()
    {
        QFETCH(QString, failure);
        TFakeUpdater updater;
        if (!failure.isEmpty())
            updater.Failure = failure;
        TScheduleDelayUpdateForm form;
        QCOMPARE(form.windowTitle(), QStringLiteral("Индексация просрочек"));
        // The error reaches the caller, after the window has closed, and is not retried.
        QCOMPARE(RaisedMessage([&] { form.Execute(&updater); }), failure);
        QCOMPARE(updater.Calls, 1);
        QVERIFY(updater.WindowShown);
        QVERIFY(updater.ShownAfterEscape);
        QVERIFY(!form.isVisible());
        QVERIFY(!form.findChild<QTimer*>(QStringLiteral("StartTimer"))->isActive());
    }

    void waitWindowOpenedAgainRunsAgain()
    {
        TFakeUpdater updater;
        TScheduleDelayUpdateForm form;
        form.Execute(&updater);
        form.Execute(&updater);
        QCOMPARE(updater.Calls, 2);
    }

    void safeDeleteCodeMustBeTypedWithLeadingZeros()
    {
        TScriptedRandom random({0, 0, 4, 2});
        TSafeDeleteForm form;
        form.SetRandomGenerator(&random);
        form.SetAlert(QStringLiteral("Все данные о кредите будут безвозвратно удалены."));
        WhenOpen<TSafeDeleteForm>([](TSafeDeleteForm* dialog) {
            QCOMPARE(Find<QLabel>(dialog, "AlertLabel")->text(),
                     QStringLiteral("Все данные о кредите будут безвозвратно удалены."));
            QCOMPARE(Find<QLabel>(dialog, "CodeLabel")->text(), QStringLiteral("Чтобы продолжить, введите код: «0042»:"));
            auto* code = Find<QLineEdit>(dialog, "CodeEdit");
            auto* ok = Find<QPushButton>(dialog, "OkButton");
            QVERIFY(!ok->isEnabled());
            QTest::keyClicks(code, QStringLiteral("42"));
            QVERIFY(!ok->isEnabled());
            code->clear();
            QTest::keyClicks(code, QStringLiteral("0x0-4"));
            QCOMPARE(code->text(), QStringLiteral("004"));
            QTest::keyClick(code, Qt::Key_Return); // OK is disabled: Enter does nothing
            QVERIFY(dialog->isVisible());
            QTest::keyClick(code, Qt::Key_2);
            QVERIFY(ok->isEnabled());
            QTest::keyClick(code, Qt::Key_Backspace);
            QTest::keyClick(code, Qt::Key_3);
            QVERIFY(!ok->isEnabled());
            QTest::keyClick(code, Qt::Key_Backspace);
            QTest::keyClick(code, Qt::Key_2);
            QTest::keyClick(code, Qt::Key_Return);
        });
        QVERIFY(form.Execute());
    }

    void safeDeleteDrawsANewCodeEachShowing()
    {
        TScriptedRandom random({0, 0, 4, 2, 9, 1, 3, 7});
        TSafeDeleteForm form;
        form.SetRandomGenerator(&random);
        WhenOpen<TSafeDeleteForm>([](TSafeDeleteForm* dialog) {
            QTest::keyClicks(Find<QLineEdit>(dialog, "CodeEdit"), QStringLiteral("004"));
            dialog->reject();
        });
        QVERIFY(!form.Execute());
        WhenOpen<TSafeDeleteForm>([](TSafeDeleteForm* dialog) {
            QCOMPARE(Find<QLabel>(dialog, "CodeLabel")->text(), QStringLiteral("Чтобы продолжить, введите код: «9137»:"));
            QVERIFY(Find<QLineEdit>(dialog, "CodeEdit")->text().isEmpty());
            QVERIFY(!Find<QPushButton>(dialog, "OkButton")->isEnabled());
        });
        QVERIFY(!form.Execute());
    }
};

VARNEL_TEST_MAIN(TestSmallDialogs)
#include "TestSmallDialogs.moc"

#include "ControllerActs.h"
#include "ControllerBook.h"
#include "support/DialogScript.h"

#include "ui/CompanySettingsForm.h"
#include "ui/DisplayFormats.h"
#include "ui/LinkLabel.h"
#include "ui/PaymentsHistoryForm.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {
const DateTime January20 = DateTime::FromYMD(2009, 1, 20);

QString SchemaOf(const QString& path)
{
    TSQLiteConnection connection;
    connection.SetFileName(path);
    TSQLStatement statement(connection, {QStringLiteral("SELECT type, name, sql FROM sqlite_master ORDER BY name")});
    QString schema;
    while (statement.Step())
        schema += statement.Text(0) + statement.Text(1) + statement.Text(2) + QLatin1Char('\n');
    return schema;
}
}

// What could go wrong around a use case: a write that fails half-way, a
// timer tick while its dialog is open, a payment past the schedule's end,
// a loan book of an earlier installation.
class TestSystemControllerFaults : public QObject
{
    Q_OBJECT

    std::unique_ptr<TControllerBook> m_book;
    TRecordingView m_view;
    QStringList m_printed;

    TSystemController& Start() { return m_book->Start(m_view, m_printed); }

private slots:
    void cleanup() { m_book.reset(); }

    void FailureHalfWayLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<QString>("useCase");
        QTest::addColumn<QString>("failingWrite");
        QTest::newRow("new credit: its schedule") << "add credit" << "INSERT,PaymentSchedule";
        QTest::newRow("viewed credit: its schedule") << "respite" << "UPDATE,PaymentSchedule";
        QTest::newRow("deleted credit: the credit") << "delete credit" << "DELETE,Credits";
        QTest::newRow("deleted debtor: the debtor") << "delete debtor" << "DELETE,Debtors";
        QTest::newRow("recalculating payment: the payment") << "recalculating payment" << "INSERT,PaymentHistory";
    }
    void FailureHalfWayLeavesTheFileAsItWas()
    {
        QFETCH(QString, useCase);
        QFETCH(QString, failingWrite);
        m_book = std::make_unique<TControllerBook>();
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        m_book->Pay(creditID, "888.4879", DateTime::FromYMD(2009, 2, 15));
        m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        const QString before = m_book->Dump();
        m_book->FailOn(failingWrite.section(u',', 0, 0), failingWrite.section(u',', 1));

        TDialogScript script;
        std::function<void()> run;
        if (useCase == QLatin1String("add credit")) {
            script.Then<TAddCreditForm>(&Acts::AddCredit);
            run = [&] { controller.AddCredit(); };
        } else if (useCase == QLatin1String("respite")) {
            script.Then<TAddCreditForm>([](TAddCreditForm* form) { Acts::MakeRespite(form, 8); });
            run = [&] { controller.ShowCredit(0); };
        } else if (useCase == QLatin1String("delete credit")) {
            script.Then<TSafeDeleteForm>(&Acts::ConfirmDeletion);
            run = [&] { controller.DeleteCreditAt(0); };
        } else if (useCase == QLatin1String("delete debtor")) {
            script.Then<TSafeDeleteForm>(&Acts::ConfirmDeletion);
            run = [&] { controller.DeleteCurrentDebtor(); };
        } else {
            script.Then<TPaymentForm>([](TPaymentForm* form) { Acts::Pay(form, QStringLiteral("6000")); })
                .Then<TAheadDecisionForm>(&Acts::ChooseRecalculation);
            run = [&] { controller.MakeCreditPayment(0); };
        }
        QString error;
        try {
            run();
        } catch (const Exception& failure) {
            error = failure.Message();
        } catch (const std::exception& failure) {
            error = QString::fromUtf8(failure.what());
        }
        QCOMPARE(script.Unused(), 0);
        QVERIFY2(error.contains(QStringLiteral("injected failure")), qPrintable(error));
        QCOMPARE(m_book->Dump(), before);
        // Nothing is printed or indexed for what was not stored.
        QVERIFY(m_printed.isEmpty());
        QVERIFY(!script.Events.contains(QStringLiteral("TScheduleDelayUpdateForm")));
    }

    void TickDuringACreditDialogWaitsForItsEnd()
    {
        m_book = std::make_unique<TControllerBook>();
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->AddDebtor(QStringLiteral("Борисов"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        m_book->Facade().InsertDataBaseState(DateTime::FromYMD(2009, 6, 1));
        TSystemController& controller = Start();
        TDialogScript script;
        int creditsShown = -1;
        script.Then<TAddCreditForm>([&](TAddCreditForm* form) {
            creditsShown = m_view.CreditsShown;
            // Ticks come, and a typing pause ends, while the dialog is open.
            QSignalSpy ticks(controller.OverdueTimer(), &QTimer::timeout);
            controller.OverdueTimer()->start(1);
            controller.ApplyNameFilter(QStringLiteral("бор"));
            // Wait for ticks that really came: a slow build may need longer than a fixed pause.
            QTRY_VERIFY(ticks.count() >= 2);
            controller.OverdueTimer()->start(TSystemController::OverdueCheckInterval);
            QCOMPARE(m_view.CreditsShown, creditsShown);
            QCOMPARE(m_view.DataSet->RowCount(), 2);
            QVERIFY(!script.Events.contains(QStringLiteral("TScheduleDelayUpdateForm")));
            QVERIFY(controller.UseCaseRunning());
            form->reject();
        });
        controller.ShowCredit(0);
        QCOMPARE(script.Events, QStringList({QStringLiteral("TAddCreditForm")}));
        QCOMPARE(m_view.CreditIDs, QList<int>({creditID}));
        // Once closed, the filter and then the check run, once each.
        QTRY_COMPARE(script.Events.count(QStringLiteral("TScheduleDelayUpdateForm")), 1);
        QCOMPARE(m_view.DataSet->RowCount(), 1);
        QCOMPARE(m_book->Facade().GetLastSchedulesDelayUpdate(), TControllerBook::DefaultNow());
        QTest::qWait(50);
        QCOMPARE(script.Events.count(QStringLiteral("TScheduleDelayUpdateForm")), 1);
    }

    void PaymentAfterTheLastDueDateShowsTheArrears()
    {
        m_book = std::make_unique<TControllerBook>();
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        // Six months from January 2008: the last instalment was due on 15 July 2008.
        const int creditID = m_book->AddCredit(debtorID, DateTime::FromYMD(2008, 1, 20), 6);
        m_book->Pay(creditID, "1000", DateTime::FromYMD(2008, 2, 15));
        TSystemController& controller = Start();
        TPaymentSchedule schedule;
        m_book->Facade().LoadPaymentSchedule(creditID, &schedule);
        const Money arrears = schedule.SumOfAnnua() - M("1000");
        TDialogScript script;
        QString caption;
        QString shown;
        script.Then<TPaymentForm>([&](TPaymentForm* form) {
            caption = Find<TLinkLabel>(form, "MonthPaymentBalanceLabel")->text();
            shown = Find<QLineEdit>(form, "MonthPaymentBalanceEdit")->text();
        });
        controller.MakeCreditPayment(0);
        QCOMPARE(caption, QStringLiteral("Не погашено:"));
        QCOMPARE(shown, FormatMoney(arrears));
    }

    void LegacyBookTakesAWholeDaysWorkAndKeepsItsSchema()
    {
        m_book = std::make_unique<TControllerBook>(QStringLiteral(VARNEL_TEST_DATA_DIR "/legacy-loanbook.s3db"));
        const QString schema = SchemaOf(m_book->Path());
        TSystemController& controller = Start();
        QCOMPARE(m_view.DataSet->RowCount(), 3);
        TDialogScript script;
        script.Then<TAddDebtorForm>([](TAddDebtorForm* form) { Acts::AddDebtor(form, QStringLiteral("Борисов")); })
            .Answer(QMessageBox::Yes)
            .Then<TAddCreditForm>(&Acts::AddCredit)
            .Then<TPaymentForm>([](TPaymentForm* form) { Acts::Pay(form, QStringLiteral("888,49")); })
            .Then<TAddDebtorForm>([](TAddDebtorForm* form) {
                Find<QLineEdit>(form, "CityEdit")->setText(QStringLiteral("Ачинск"));
                Acts::PressOk(form);
            })
            .Then<TAddCreditForm>([](TAddCreditForm* form) { Acts::MakeRespite(form, 8); })
            .Then<TPaymentsHistoryForm>([](TPaymentsHistoryForm* form) {
                QTest::mouseClick(Find<QPushButton>(form, "PrintOrderButton"), Qt::LeftButton);
            })
            .Then<TCompanySettingsForm>([](TCompanySettingsForm* form) {
                Find<QLineEdit>(form, "CompanyNameEdit")->setText(QStringLiteral("ООО «Новый заём»"));
                Acts::PressOk(form);
            })
            .Then<TSafeDeleteForm>(&Acts::ConfirmDeletion)
            .Then<TSafeDeleteForm>(&Acts::ConfirmDeletion);
        controller.AddDebtor();
        controller.MakeCreditPayment(0);
        controller.EditDebtor();
        QCOMPARE(m_view.Details->City, QStringLiteral("Ачинск"));
        controller.ShowCredit(0);
        controller.ShowPaymentHistory(0);
        controller.EditCompanyInfo();
        QCOMPARE(m_view.CompanyName, QStringLiteral("ООО «Новый заём»"));
        controller.DeleteCreditAt(0);
        QVERIFY(m_view.CreditIDs.isEmpty());
        QCOMPARE(m_view.DataSet->RowCount(), 4);
        controller.DeleteCurrentDebtor();
        controller.RunOverdueIndexing();
        QCOMPARE(script.Unused(), 0);
        QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Events.join(u'\n')));
        QCOMPARE(m_view.DataSet->RowCount(), 3);
        QCOMPARE(m_printed.size(), 3); // the schedule, the payment order twice
        // The file of an earlier installation stays readable by it.
        QVERIFY(!schema.isEmpty());
        QCOMPARE(SchemaOf(m_book->Path()), schema);
    }
};

VARNEL_TEST_MAIN(TestSystemControllerFaults)
#include "TestSystemControllerFaults.moc"

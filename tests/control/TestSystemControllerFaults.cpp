#include "ControllerActs.h"
#include "ControllerBook.h"
#include "support/DialogScript.h"

#include "ui/ApplicationErrors.h"
#include "ui/CompanySettingsForm.h"
#include "ui/DisplayFormats.h"
#include "ui/LinkLabel.h"
#include "ui/PaymentsHistoryForm.h"

#include <QMap>
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
        // A dialog that stores on OK shows the failure itself and stays open until cancelled.
        for (const TMessageBoxRequest& box : script.Boxes)
            error += box.Text;
        QCOMPARE(script.Unused(), 0);
        QVERIFY2(error.contains(QStringLiteral("injected failure")), qPrintable(error));
        QCOMPARE(m_book->Dump(), before);
        // Nothing is printed or indexed for what was not stored.
        QVERIFY(m_printed.isEmpty());
        QVERIFY(!script.Events.contains(QStringLiteral("TScheduleDelayUpdateForm")));
    }

    void WriteFailureIsToldWithTheDialogStillOpen_data()
    {
        QTest::addColumn<QString>("useCase");
        QTest::addColumn<QString>("failure");
        const char* const useCases[] = {"add debtor", "edit debtor", "add credit", "respite", "payment", "company"};
        for (const char* failure : {"read-only", "disk full", "in use"})
            for (const char* useCase : useCases)
                QTest::addRow("%s: %s", useCase, failure) << useCase << failure;
    }
    void WriteFailureIsToldWithTheDialogStillOpen()
    {
        QFETCH(QString, useCase);
        QFETCH(QString, failure);
        m_book = std::make_unique<TControllerBook>();
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        TSQLiteConnection& connection = m_book->Facade().Connection();
        // Filler for the full disk: its rows are what no longer fits.
        connection.Execute(QStringLiteral("CREATE TABLE Filler (Bytes BLOB)"));
        const QString before = m_book->Dump();

        // The write the use case ends with, for the full disk.
        const QMap<QString, QString> lastWrite {
            {"add debtor", "INSERT ON main.Debtors"}, {"edit debtor", "UPDATE ON main.Debtors"},
            {"add credit", "INSERT ON main.Credits"}, {"respite", "UPDATE ON main.PaymentSchedule"},
            {"payment", "INSERT ON main.PaymentHistory"}, {"company", "UPDATE ON main.CompanyInfo"}};
        std::unique_ptr<TSQLiteConnection> otherProgram;
        QString message;
        if (failure == QLatin1String("read-only")) {
            connection.Execute(QStringLiteral("PRAGMA query_only = ON"));
            message = QStringLiteral("Файл базы данных открыт только для чтения, записать в него ничего нельзя. "
                                     "Разрешите запись в файл и в его папку, затем подключитесь к базе данных заново.");
        } else if (failure == QLatin1String("disk full")) {
            const qint64 pages = m_book->Count(QStringLiteral("PRAGMA page_count"));
            connection.Execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pages + 2));
            connection.Execute(QStringLiteral("CREATE TEMP TRIGGER DiskFull BEFORE %1 BEGIN "
                                              "INSERT INTO Filler VALUES (zeroblob(100000)); END")
                                   .arg(lastWrite[useCase]));
            message = QStringLiteral("На диске не хватает места для базы данных. "
                                     "Освободите место на диске и повторите попытку.");
        } else {
            otherProgram = std::make_unique<TSQLiteConnection>();
            otherProgram->SetFileName(m_book->Path());
            otherProgram->Execute(QStringLiteral("BEGIN IMMEDIATE"));
            connection.SetBusyTimeout(50);
            message = QStringLiteral("Файл базы данных занят другой программой. "
                                     "Закройте её или повторите попытку позже.");
        }

        // The dialog is filled and confirmed; what it shows is noted once the failure was told.
        bool openAfterFailure = false;
        QString keptInput;
        int boxesAtFailure = -1;
        TDialogScript script;
        const auto note = [&](QDialog* form, const QString& input) {
            openAfterFailure = form->isVisible();
            keptInput = input;
            boxesAtFailure = int(script.Boxes.size());
        };
        std::function<void()> run;
        QString typed;
        if (useCase == QLatin1String("add debtor") || useCase == QLatin1String("edit debtor")) {
            typed = QStringLiteral("Ачинск");
            script.Then<TAddDebtorForm>([&](TAddDebtorForm* form) {
                if (useCase == QLatin1String("add debtor"))
                    Acts::FillDebtor(form, QStringLiteral("Борисов"));
                Find<QLineEdit>(form, "CityEdit")->setText(typed);
                Acts::PressOk(form);
                note(form, Find<QLineEdit>(form, "CityEdit")->text());
            });
            run = useCase == QLatin1String("add debtor") ? std::function<void()>([&] { controller.AddDebtor(); })
                                                         : std::function<void()>([&] { controller.EditDebtor(); });
        } else if (useCase == QLatin1String("add credit")) {
            typed = QStringLiteral("К-15/2009");
            script.Then<TAddCreditForm>([&](TAddCreditForm* form) {
                Acts::AddCredit(form);
                note(form, Find<QLineEdit>(form, "ContractNumberEdit")->text());
            });
            run = [&] { controller.AddCredit(); };
        } else if (useCase == QLatin1String("respite")) {
            typed = QStringLiteral("respite kept");
            script.Then<TAddCreditForm>([&](TAddCreditForm* form) {
                Acts::MakeRespite(form, 8);
                note(form, Find<QPushButton>(form, "OkButton")->isEnabled() ? typed : QString());
            });
            run = [&] { controller.ShowCredit(0); };
        } else if (useCase == QLatin1String("payment")) {
            typed = QStringLiteral("500");
            script.Then<TPaymentForm>([&](TPaymentForm* form) {
                Acts::Pay(form, typed);
                note(form, Find<QLineEdit>(form, "PaymentEdit")->text());
            });
            run = [&] { controller.MakeCreditPayment(0); };
        } else {
            typed = QStringLiteral("ООО «Новый заём»");
            script.Then<TCompanySettingsForm>([&](TCompanySettingsForm* form) {
                Find<QLineEdit>(form, "CompanyNameEdit")->setText(typed);
                Acts::PressOk(form);
                note(form, Find<QLineEdit>(form, "CompanyNameEdit")->text());
            });
            run = [&] { controller.EditCompanyInfo(); };
        }
        run();

        QCOMPARE(script.Unused(), 0);
        QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Events.join(u'\n')));
        QCOMPARE(boxesAtFailure, 1);
        QCOMPARE(script.Boxes[0].Caption, ApplicationTitle);
        QCOMPARE(script.Boxes[0].Text, message);
        QVERIFY(openAfterFailure);
        QCOMPARE(keptInput, typed);
        // Cancelled afterwards: nothing was stored, printed or indexed.
        otherProgram.reset();
        connection.Execute(QStringLiteral("PRAGMA query_only = OFF"));
        QCOMPARE(m_book->Dump(), before);
        QVERIFY(m_printed.isEmpty());
        QVERIFY(!script.Events.contains(QStringLiteral("TScheduleDelayUpdateForm")));
    }

    void StoringAgainAfterAFailureKeepsWhatWasTyped()
    {
        m_book = std::make_unique<TControllerBook>();
        TSystemController& controller = Start();
        TSQLiteConnection& connection = m_book->Facade().Connection();
        connection.Execute(QStringLiteral("PRAGMA query_only = ON"));
        TDialogScript script;
        bool closedOnRetry = false;
        script.Then<TAddDebtorForm>([&](TAddDebtorForm* form) {
            Acts::FillDebtor(form, QStringLiteral("Борисов"));
            Acts::PressOk(form);
            // The clerk puts things right and presses OK again.
            connection.Execute(QStringLiteral("PRAGMA query_only = OFF"));
            Acts::PressOk(form);
            closedOnRetry = !form->isVisible();
        }).Answer(QMessageBox::No);
        controller.AddDebtor();
        QVERIFY(closedOnRetry);
        QCOMPARE(script.Boxes.size(), 2); // the failure, then the question about a credit
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Count(*) FROM Debtors WHERE PassportNumber = '654321'")), 1);
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Борисов"));
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
        m_book->Facade().LoadPaymentSchedule(creditID, schedule);
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

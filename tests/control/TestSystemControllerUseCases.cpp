#include "ControllerActs.h"
#include "ControllerBook.h"
#include "domain/PaymentRules.h"
#include "support/DialogScript.h"

#include "ui/CompanySettingsForm.h"
#include "ui/CreditSelectForm.h"
#include "ui/DisplayFormats.h"
#include "ui/PaymentsHistoryForm.h"

#include <QTableView>
#include <QTest>

namespace {
const DateTime January20 = DateTime::FromYMD(2009, 1, 20);
const QString NoActiveCredits = QStringLiteral("box У этого должника нет активных кредитов.");
}

// The use cases that change the loan book, each played through its dialogs
// on a real file: main path, silent ends, cancelling.
class TestSystemControllerUseCases : public QObject
{
    Q_OBJECT

    std::unique_ptr<TControllerBook> m_book;
    TRecordingView m_view;
    QStringList m_printed;

    TSystemController& Start()
    {
        return m_book->Start(m_view, m_printed);
    }
    // The debtor the window was told to select.
    int CurrentID() { return m_view.SelectedDebtorID; }
    int CurrentRow() { return m_view.DataSet->FindRow(m_view.DataSet->ColumnIndex(QStringLiteral("DebtorID")), CurrentID()); }

private slots:
    void init()
    {
        m_book = std::make_unique<TControllerBook>();
        m_view = TRecordingView();
        m_printed.clear();
    }
    void cleanup() { m_book.reset(); }

    void NewDebtorWithoutCreditBecomesCurrent()
    {
        m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->AddDebtor(QStringLiteral("Васильев"));
        TSystemController& controller = Start();
        TDialogScript script;
        script.Then<TAddDebtorForm>([](TAddDebtorForm* form) { Acts::AddDebtor(form, QStringLiteral("Борисов")); })
            .Answer(QMessageBox::No);
        controller.AddDebtor();
        QCOMPARE(script.Events, QStringList({QStringLiteral("TAddDebtorForm"),
                                             QStringLiteral("box Добавить кредит этому должнику?")}));
        QCOMPARE(script.Boxes.first().Caption, QStringLiteral("Добавление кредита"));
        QCOMPARE(script.Boxes.first().Icon, QMessageBox::Question);
        QCOMPARE(CurrentRow(), 1);
        QCOMPARE(controller.CurrentDebtorID(), CurrentID());
        QCOMPARE(m_view.DataSet->Text(1, QStringLiteral("Surname")), QStringLiteral("Борисов"));
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Борисов"));
        QCOMPARE(m_view.Details->PassportNumber, QStringLiteral("654321"));
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Count(*) FROM Credits")), 0);
    }

    void NewDebtorWithCreditPrintsItsSchedule()
    {
        TSystemController& controller = Start();
        TDialogScript script;
        script.Then<TAddDebtorForm>([](TAddDebtorForm* form) { Acts::AddDebtor(form, QStringLiteral("Борисов")); })
            .Answer(QMessageBox::Yes)
            .Then<TAddCreditForm>(&Acts::AddCredit);
        controller.AddDebtor();
        QCOMPARE(script.Unused(), 0);
        QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Events.join(u'\n')));
        const int creditID = int(m_book->Count(QStringLiteral("SELECT Max(CreditID) FROM Credits")));
        QCOMPARE(m_printed, QStringList({QStringLiteral("print schedule %1").arg(creditID)}));
        QCOMPARE(m_view.CreditIDs, QList<int>({creditID}));
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Count(*) FROM PaymentSchedule")), 12);
        TCreditsList credits;
        m_book->Facade().LoadDebtorCredits(CurrentID(), credits);
        TPaymentSchedule schedule;
        m_book->Facade().LoadPaymentSchedule(creditID, schedule);
        QCOMPARE(credits.Items(0)->FullMustBePaymentSum, schedule.SumOfAnnua());
    }

    void CancelledDialogsStoreNothing()
    {
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        const QString before = m_book->Dump();
        TDialogScript script;
        script.ThenCancel<TAddDebtorForm>()
            .ThenCancel<TAddDebtorForm>()
            .ThenCancel<TSafeDeleteForm>()
            .ThenCancel<TAddCreditForm>()
            .ThenCancel<TAddCreditForm>()
            .ThenCancel<TSafeDeleteForm>()
            .ThenCancel<TPaymentForm>()
            .ThenCancel<TCompanySettingsForm>();
        controller.AddDebtor();
        controller.EditDebtor();
        controller.DeleteCurrentDebtor();
        controller.AddCredit();
        controller.ShowCredit(0);
        controller.DeleteCreditAt(0);
        controller.MakeCreditPayment(0);
        controller.EditCompanyInfo();
        QCOMPARE(script.Unused(), 0);
        QVERIFY2(script.Unexpected().isEmpty(), qPrintable(script.Events.join(u'\n')));
        QVERIFY(m_printed.isEmpty());
        QCOMPARE(m_book->Dump(), before);
    }

    void NoCurrentDebtorEndsSilently()
    {
        TSystemController& controller = Start();
        TDialogScript script;
        controller.EditDebtor();
        controller.AddCredit();
        controller.MakeDebtorPayment(-1);
        controller.MakeCreditPayment(0);
        controller.ShowCredit(0);
        controller.ShowPaymentHistory(-1);
        QTest::qWait(20);
        QVERIFY2(script.Events.isEmpty(), qPrintable(script.Events.join(u'\n')));
        QVERIFY(m_view.Details);
        QVERIFY(m_view.DetailsSurname().isEmpty());
    }

    // The edited debtor stays current where his new surname puts him.
    void EditedDebtorIsStoredAndShown()
    {
        const int edited = m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->AddDebtor(QStringLiteral("Борисов"));
        TSystemController& controller = Start();
        TDialogScript script;
        script.Then<TAddDebtorForm>([](TAddDebtorForm* form) {
            QCOMPARE(Find<QLineEdit>(form, "CityEdit")->text(), QStringLiteral("Красноярск"));
            Find<QLineEdit>(form, "CityEdit")->setText(QStringLiteral("Ачинск"));
            Find<QLineEdit>(form, "SurnameEdit")->setText(QStringLiteral("Яковлев"));
            Acts::PressOk(form);
        });
        controller.EditDebtor();
        QCOMPARE(CurrentID(), edited);
        QCOMPARE(CurrentRow(), 1);
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Яковлев"));
        QCOMPARE(m_view.Details->City, QStringLiteral("Ачинск"));
        TDebtor stored;
        stored.SetID(CurrentID());
        m_book->Facade().LoadDebtor(stored);
        QCOMPARE(stored.City, QStringLiteral("Ачинск"));
    }

    void DeletedDebtorTakesEverythingOfItsOwn()
    {
        const int kept = m_book->AddDebtor(QStringLiteral("Яковлев"));
        const int keptCredit = m_book->AddCredit(kept, January20);
        m_book->Pay(keptCredit, "888.4879", DateTime::FromYMD(2009, 2, 15));
        const int gone = m_book->AddDebtor(QStringLiteral("Алексеев"));
        for (int i = 0; i < 2; ++i)
            m_book->Pay(m_book->AddCredit(gone, January20), "888.4879", DateTime::FromYMD(2009, 2, 15));
        TSystemController& controller = Start();
        QCOMPARE(CurrentID(), gone);
        TDialogScript script;
        script.Then<TSafeDeleteForm>([](TSafeDeleteForm* form) {
            // The warning names the debtor that goes.
            const QStringList alert = LabelText(form, "AlertLabel").split(QLatin1Char('\n'));
            QCOMPARE(alert.first(), QStringLiteral("Все данные о должнике будут безвозвратно удалены."));
            QVERIFY2(alert.last().startsWith(QStringLiteral("Должник: Алексеев ")), qPrintable(alert.last()));
            Acts::ConfirmDeletion(form);
        });
        controller.DeleteCurrentDebtor();
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Count(*) FROM Debtors")), 1);
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Count(*) FROM Credits")), 1);
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Count(*) FROM PaymentSchedule")), 12);
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Count(*) FROM PaymentHistory")), 1);
        QCOMPARE(CurrentID(), kept);
        QCOMPARE(m_view.CreditIDs, QList<int>({keptCredit}));
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Яковлев"));
    }

    void DeletedCreditIsIndexedAndGone()
    {
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int first = m_book->AddCredit(debtorID, January20);
        const int second = m_book->AddCredit(debtorID, January20);
        m_book->Pay(second, "888.4879", DateTime::FromYMD(2009, 2, 15));
        TSystemController& controller = Start();
        QCOMPARE(m_view.CreditIDs, QList<int>({first, second}));
        TDialogScript script;
        script.Then<TSafeDeleteForm>(&Acts::ConfirmDeletion);
        controller.DeleteCreditAt(1);
        QCOMPARE(script.Events, QStringList({QStringLiteral("TSafeDeleteForm"), QStringLiteral("TScheduleDelayUpdateForm")}));
        QCOMPARE(m_view.CreditIDs, QList<int>({first}));
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Count(*) FROM PaymentSchedule")), 12);
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Count(*) FROM PaymentHistory")), 0);
    }

    void PaymentIsStoredPrintedThenIndexed()
    {
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        TDialogScript script;
        script.Then<TPaymentForm>([](TPaymentForm* form) { Acts::Pay(form, QStringLiteral("888,49")); });
        m_printed = QStringList();
        QStringList& events = script.Events;
        controller.SetReportPrinter(std::make_unique<TRecordingPrinter>(events, m_book->Facade()));
        controller.MakeDebtorPayment(-1);
        const int paymentID = int(m_book->Count(QStringLiteral("SELECT Max(PaymentID) FROM PaymentHistory")));
        // The order shows the stored payment before the indexing starts.
        QCOMPARE(events, QStringList({QStringLiteral("TPaymentForm"), QStringLiteral("print order %1").arg(paymentID),
                                      QStringLiteral("TScheduleDelayUpdateForm")}));
        TCreditsList credits;
        m_book->Facade().LoadDebtorCredits(debtorID, credits);
        QCOMPARE(credits.Items(0)->GetID(), creditID);
        QCOMPARE(credits.Items(0)->PaymentsSum, M("888.4900"));
    }

    // A payment of nothing, or of less than a kopeck, is refused in the
    // dialog: no payment, no order number, no cash order.
    void PaymentOfNothingIsRefused_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("message");
        QTest::newRow("zero") << "0" << "Платёж должен быть больше нуля.";
        QTest::newRow("zero kopecks") << "0,00" << "Платёж должен быть больше нуля.";
        QTest::newRow("below a kopeck") << "0,0001" << "В сумме не больше двух цифр после запятой.";
    }
    void PaymentOfNothingIsRefused()
    {
        QFETCH(QString, amount);
        QFETCH(QString, message);
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        const QString before = m_book->Dump();
        TDialogScript script;
        bool keptOpen = false;
        QString said;
        script.Then<TPaymentForm>([&](TPaymentForm* form) {
            form->Shaker().SetDelayTime(0);
            Acts::Pay(form, amount);
            keptOpen = form->isVisible();
            said = LabelText(form, "InfoLabel");
        });
        QStringList& events = script.Events;
        controller.SetReportPrinter(std::make_unique<TRecordingPrinter>(events, m_book->Facade()));
        controller.MakeDebtorPayment(-1);
        QVERIFY(keptOpen);
        QCOMPARE(said, message);
        QCOMPARE(events, QStringList({QStringLiteral("TPaymentForm")}));
        QCOMPARE(m_book->Dump(), before);
    }

    void PaymentNeedsAnActiveCredit_data()
    {
        QTest::addColumn<QStringList>("credits"); // "open" or "repaid", in order
        QTest::addColumn<int>("selected");        // the credit selected in the main window
        QTest::addColumn<QStringList>("events");
        QTest::newRow("none") << QStringList() << -1 << QStringList({NoActiveCredits});
        QTest::newRow("one repaid") << QStringList({"repaid"}) << -1 << QStringList({NoActiveCredits});
        QTest::newRow("one open") << QStringList({"open"}) << -1 << QStringList({"TPaymentForm"});
        QTest::newRow("repaid and the only open one") << QStringList({"repaid", "open"}) << -1
                                                      << QStringList({"TPaymentForm"});
        QTest::newRow("two open") << QStringList({"open", "repaid", "open"}) << -1
                                  << QStringList({"TCreditSelectForm", "TPaymentForm"});
        QTest::newRow("two open, one already selected") << QStringList({"open", "open"}) << 1
                                                        << QStringList({"TPaymentForm"});
        QTest::newRow("two open, a repaid one selected") << QStringList({"open", "repaid", "open"}) << 1
                                                         << QStringList({"TCreditSelectForm", "TPaymentForm"});
    }
    void PaymentNeedsAnActiveCredit()
    {
        QFETCH(QStringList, credits);
        QFETCH(int, selected);
        QFETCH(QStringList, events);
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        for (const QString& state : credits) {
            const int creditID = m_book->AddCredit(debtorID, January20, 1);
            if (state == QLatin1String("repaid"))
                m_book->Pay(creditID, "10100", DateTime::FromYMD(2009, 2, 15));
        }
        TSystemController& controller = Start();
        TDialogScript script;
        int listed = -1;
        if (events.contains(QStringLiteral("TCreditSelectForm"))) {
            script.Then<TCreditSelectForm>([&listed](TCreditSelectForm* form) {
                auto* list = Find<QTreeWidget>(form, "CreditListView");
                listed = list->topLevelItemCount();
                list->setCurrentItem(list->topLevelItem(1));
                Acts::PressOk(form);
            });
        }
        script.ThenCancel<TPaymentForm>();
        controller.MakeDebtorPayment(selected);
        QCOMPARE(script.Events, events);
        if (events.first() == NoActiveCredits) {
            QCOMPARE(script.Boxes.first().Caption, QStringLiteral("Внести платеж невозможно"));
            QCOMPARE(script.Boxes.first().Icon, QMessageBox::Warning);
        }
        if (events.contains(QStringLiteral("TCreditSelectForm")))
            QCOMPARE(listed, credits.size());
    }

    void RepaidCreditTakesNoPayment()
    {
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->Pay(m_book->AddCredit(debtorID, January20, 1), "10100", DateTime::FromYMD(2009, 2, 15));
        TSystemController& controller = Start();
        TDialogScript script;
        controller.MakeCreditPayment(0);
        QTest::qWait(20);
        QVERIFY(script.Events.isEmpty());
    }

    void RecalculationIsStoredWithThePayment()
    {
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        TPaymentSchedule before;
        m_book->Facade().LoadPaymentSchedule(creditID, before);
        TDialogScript script;
        script.Then<TPaymentForm>([](TPaymentForm* form) { Acts::Pay(form, QStringLiteral("6000")); })
            .Then<TAheadDecisionForm>(&Acts::ChooseRecalculation);
        controller.MakeCreditPayment(0);
        QCOMPARE(script.Unused(), 0);
        TPaymentSchedule after;
        m_book->Facade().LoadPaymentSchedule(creditID, after);
        QVERIFY(after.SumOfAnnua() < before.SumOfAnnua());
        TCreditsList credits;
        m_book->Facade().LoadDebtorCredits(debtorID, credits);
        QCOMPARE(credits.Items(0)->FullMustBePaymentSum, after.SumOfAnnua());
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Count(*) FROM PaymentHistory WHERE CAST(AheadSum AS REAL) > 0")), 1);
        QCOMPARE(m_book->Count(QStringLiteral("SELECT CAST(Round((CAST(PaymentSum AS REAL) + CAST(AheadSum AS REAL)) * 100) AS INTEGER) "
                                              "FROM PaymentHistory")),
                 600000);
    }

    // Advances paid one after another with "Пересчитать график выплат" lower
    // the debt as much as their sum paid at once.
    void RecalculatedPaymentsLowerTheDebtOnce_data()
    {
        QTest::addColumn<QStringList>("payments");
        QTest::newRow("one payment") << QStringList({"9000"});
        QTest::newRow("two payments") << QStringList({"6000", "3000"});
        QTest::newRow("three payments") << QStringList({"6000", "2000", "1000"});
    }
    void RecalculatedPaymentsLowerTheDebtOnce()
    {
        QFETCH(QStringList, payments);
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        for (const QString& amount : payments) {
            TDialogScript script;
            script.Then<TPaymentForm>([amount](TPaymentForm* form) { Acts::Pay(form, amount); })
                .Then<TAheadDecisionForm>(&Acts::ChooseRecalculation);
            controller.MakeCreditPayment(0);
            QCOMPARE(script.Unused(), 0);
        }
        TCreditsList credits;
        m_book->Facade().LoadDebtorCredits(debtorID, credits);
        const TCredit* credit = credits.Items(0);
        QCOMPARE((credit->FullMustBePaymentSum - credit->PaymentsSum).ToFixedText(), QStringLiteral("1532.3724"));
    }

    void CancelledDecisionStoresNothing()
    {
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        const QString before = m_book->Dump();
        TDialogScript script;
        script.Then<TPaymentForm>([](TPaymentForm* form) {
            Find<QLineEdit>(form, "PaymentEdit")->setText(QStringLiteral("6000"));
            // The decision is cancelled, then the payment.
            WhenOpen<TAheadDecisionForm>([](TAheadDecisionForm* decision) { decision->reject(); });
            Acts::PressOk(form);
            QVERIFY(form->isVisible());
            form->reject();
        });
        controller.MakeCreditPayment(0);
        QCOMPARE(m_book->Dump(), before);
        QVERIFY(m_printed.isEmpty());
    }

    void ViewedCreditWithRespiteIsStoredAndIndexed()
    {
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        TDialogScript script;
        script.Then<TAddCreditForm>([](TAddCreditForm* form) { Acts::MakeRespite(form, 8); });
        controller.ShowCredit(0);
        QCOMPARE(script.Events, QStringList({QStringLiteral("TAddCreditForm"), QStringLiteral("TScheduleDelayUpdateForm")}));
        TPaymentSchedule schedule;
        m_book->Facade().LoadPaymentSchedule(creditID, schedule);
        // That month pays its interest only.
        QCOMPARE(schedule.Items(8)->Annua, schedule.Items(8)->CreditPercents);
        TCreditsList credits;
        m_book->Facade().LoadDebtorCredits(debtorID, credits);
        QCOMPARE(credits.Items(0)->FullMustBePaymentSum, schedule.SumOfAnnua());
    }

    void PaymentHistoryShowsTheCreditsPayments()
    {
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        m_book->Pay(creditID, "888.4879", DateTime::FromYMD(2009, 2, 15));
        m_book->Pay(creditID, "888.4879", DateTime::FromYMD(2009, 3, 15));
        TSystemController& controller = Start();
        const QString before = m_book->Dump();
        TDialogScript script;
        script.Then<TPaymentsHistoryForm>([](TPaymentsHistoryForm* form) {
            QTest::mouseClick(Find<QPushButton>(form, "PrintHistoryButton"), Qt::LeftButton);
        });
        controller.ShowPaymentHistory(0);
        QCOMPARE(m_printed, QStringList({QStringLiteral("print history 2")}));
        QCOMPARE(m_book->Dump(), before);
    }

    // A mistaken payment taken back from the history: the book is as it was
    // before that payment, counters and overdue marks included, and the
    // history shows the payments left.
    void LatestPaymentIsCancelled()
    {
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        m_book->Pay(creditID, "888.4879", DateTime::FromYMD(2009, 2, 15, 9, 0));
        TSystemController& controller = Start();
        controller.RunOverdueIndexing();
        const QString before = m_book->Dump();
        QVERIFY(m_book->Count(QStringLiteral("SELECT ActiveDelayCount FROM Credits")) > 0);
        {
            TDialogScript script;
            script.Then<TPaymentForm>([](TPaymentForm* form) { Acts::Pay(form, QStringLiteral("2665,46")); });
            controller.MakeCreditPayment(0);
            QCOMPARE(script.Unexpected(), QStringList());
        }
        QVERIFY(m_book->Dump() != before);
        const int paymentID = int(m_book->Count(QStringLiteral("SELECT Max(PaymentID) FROM PaymentHistory")));
        const int shownBefore = m_view.CreditsShown;

        int rowsLeft = -1;
        TDialogScript script;
        script.Then<TPaymentsHistoryForm>([&rowsLeft](TPaymentsHistoryForm* form) {
                  QTest::mouseClick(Find<QPushButton>(form, "CancelPaymentButton"), Qt::LeftButton);
                  rowsLeft = Find<QTableView>(form, "PaymentsGrid")->model()->rowCount();
              })
            .Answer(QMessageBox::Yes);
        controller.ShowPaymentHistory(0);
        QCOMPARE(script.Unexpected(), QStringList());
        QCOMPARE(script.Events.size(), 3);
        QCOMPARE(script.Events.at(2), QStringLiteral("TScheduleDelayUpdateForm"));
        const TMessageBoxRequest question = script.Boxes.value(0);
        QCOMPARE(question.Icon, QMessageBox::Question);
        for (const QString& named : {FormatMoney(M("2665.46")), QStringLiteral("20.06.2009"),
                                     QStringLiteral("№ %1").arg(paymentID)})
            QVERIFY2(question.Text.contains(named), qPrintable(question.Text));
        QCOMPARE(rowsLeft, 1);
        QCOMPARE(m_book->Dump(), before);
        QVERIFY(m_view.CreditsShown > shownBefore);

        // Its order number is spent: the next payment gets another.
        m_book->Pay(creditID, "1", DateTime::FromYMD(2009, 6, 20, 11, 0));
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Max(OrderNumber) FROM PaymentHistory")), paymentID + 1);
    }

    // Taking back a payment whose advance rebuilt the schedule would not bring
    // the schedule back: refused plainly, nothing asked, nothing changed.
    void PaymentThatRebuiltTheScheduleIsNotCancelled()
    {
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        {
            TDialogScript script;
            script.Then<TPaymentForm>([](TPaymentForm* form) { Acts::Pay(form, QStringLiteral("6000")); })
                .Then<TAheadDecisionForm>(&Acts::ChooseRecalculation);
            controller.MakeCreditPayment(0);
            QCOMPARE(script.Unused(), 0);
        }
        const QString before = m_book->Dump();
        TDialogScript script;
        script.Then<TPaymentsHistoryForm>([](TPaymentsHistoryForm* form) {
            QTest::mouseClick(Find<QPushButton>(form, "CancelPaymentButton"), Qt::LeftButton);
        });
        controller.ShowPaymentHistory(0);
        QCOMPARE(script.Events,
                 QStringList({QStringLiteral("TPaymentsHistoryForm"),
                              QStringLiteral("box ") + PaymentRules::RebuiltScheduleMessage()}));
        QCOMPARE(script.Boxes.first().Icon, QMessageBox::Warning);
        QCOMPARE(m_book->Dump(), before);
    }

    void CompanyDetailsAreStoredAndShown()
    {
        TSystemController& controller = Start();
        QCOMPARE(m_view.FileName, m_book->Path());
        TDialogScript script;
        script.Then<TCompanySettingsForm>([](TCompanySettingsForm* form) {
            Find<QLineEdit>(form, "CompanyNameEdit")->setText(QStringLiteral("ООО «Заём»"));
            Find<QLineEdit>(form, "BossNameEdit")->setText(QStringLiteral("Сидоров С. С."));
            Acts::PressOk(form);
        });
        controller.EditCompanyInfo();
        QCOMPARE(m_view.CompanyName, QStringLiteral("ООО «Заём»"));
        TCompany stored;
        m_book->Facade().LoadCompany(stored);
        QCOMPARE(stored.BossName, QStringLiteral("Сидоров С. С."));
    }

    void StatementsAreForTheCurrentDebtor()
    {
        m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int second = m_book->AddDebtor(QStringLiteral("Борисов"));
        TSystemController& controller = Start();
        controller.SelectDebtor(second);
        controller.BuildAheadStatementReport();
        controller.BuildRespiteStatementReport();
        controller.BuildMonthForecastReport();
        QCOMPARE(m_printed, QStringList({QStringLiteral("report ahead statement %1").arg(second),
                                         QStringLiteral("report respite statement %1").arg(second),
                                         QStringLiteral("report forecast")}));
    }
};

VARNEL_TEST_MAIN(TestSystemControllerUseCases)
#include "TestSystemControllerUseCases.moc"

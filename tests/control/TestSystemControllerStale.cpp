// A decision taken in the window on a picture another program changed
// meanwhile: the window says so, stores nothing of it and reads the book anew.

#include "ControllerActs.h"
#include "ControllerBook.h"
#include "support/DataTestSupport.h"
#include "support/DialogScript.h"

#include "core/LoanBook.h"
#include "domain/BookChangedException.h"

#include <QTest>
#include <functional>

namespace {
const DateTime January20 = DateTime::FromYMD(2009, 1, 20);

// The other program's write, as our dialog shows the old picture.
using TOtherWrite = std::function<void(TLoanBook& other, int debtorID, int creditID)>;
// Our clerk's dialogs: the other write is made just before OK.
using TOurDialogs = std::function<void(TDialogScript& script, const std::function<void()>& otherWrites)>;
using TCommand = std::function<void(TSystemController&)>;

// Far enough ahead of the schedule to rebuild it.
void Rebuild(TLoanBook& other, int, int creditID)
{
    other.RecordPayment(other.SeeCredit(creditID), Money::FromText(QStringLiteral("8000")), true);
}

void ChangeTelephone(TLoanBook& other, int debtorID, int)
{
    TDebtor seen;
    seen.SetID(debtorID);
    other.Store().LoadDebtor(seen);
    TDebtor changed = seen;
    changed.Telephone = QStringLiteral("+7 (912) 333-33-33");
    other.ChangeDebtor(seen, changed);
}
}

class TestSystemControllerStale : public QObject
{
    Q_OBJECT

    std::unique_ptr<TControllerBook> m_book;
    TRecordingView m_view;
    QStringList m_printed;

private slots:
    void init()
    {
        m_book = std::make_unique<TControllerBook>();
        m_view = TRecordingView();
        m_printed.clear();
    }
    void cleanup() { m_book.reset(); }

    void changedBookRefusesTheDecision_data()
    {
        QTest::addColumn<TOtherWrite>("otherWrite");
        QTest::addColumn<TOurDialogs>("ourDialogs");
        QTest::addColumn<TCommand>("command");
        QTest::addColumn<QString>("message");

        const QString creditChanged = EBookChangedException::CreditChanged().Message();
        QTest::newRow("both rebuild one credit")
            << TOtherWrite(&Rebuild) << TOurDialogs([](TDialogScript& script, const std::function<void()>& other) {
                   script.Then<TPaymentForm>([](TPaymentForm* form) { Acts::Pay(form, QStringLiteral("6000")); })
                       .Then<TAheadDecisionForm>([other](TAheadDecisionForm* form) {
                           other();
                           Acts::ChooseRecalculation(form);
                       });
               })
            << TCommand([](TSystemController& c) { c.MakeCreditPayment(0); }) << creditChanged;
        QTest::newRow("respite after a rebuild")
            << TOtherWrite(&Rebuild) << TOurDialogs([](TDialogScript& script, const std::function<void()>& other) {
                   script.Then<TAddCreditForm>([other](TAddCreditForm* form) {
                       other();
                       Acts::MakeRespite(form, 8);
                   });
               })
            << TCommand([](TSystemController& c) { c.ShowCredit(0); }) << creditChanged;
        QTest::newRow("telephone put back")
            << TOtherWrite(&ChangeTelephone)
            << TOurDialogs([](TDialogScript& script, const std::function<void()>& other) {
                   script.Then<TAddDebtorForm>([other](TAddDebtorForm* form) {
                       TypeText(Find<QLineEdit>(form, "FlatEdit"), QStringLiteral("7"));
                       other();
                       Acts::PressOk(form);
                   });
               })
            << TCommand([](TSystemController& c) { c.EditDebtor(); })
            << EBookChangedException::DebtorChanged().Message();
        QTest::newRow("payment on a credit deleted")
            << TOtherWrite([](TLoanBook& other, int, int creditID) { other.DeleteCredit(other.SeeCredit(creditID)); })
            << TOurDialogs([](TDialogScript& script, const std::function<void()>& other) {
                   script.Then<TPaymentForm>([other](TPaymentForm* form) {
                       other();
                       Acts::Pay(form, QStringLiteral("500"));
                   });
               })
            << TCommand([](TSystemController& c) { c.MakeCreditPayment(0); })
            << EBookChangedException::CreditDeleted().Message();
    }

    void changedBookRefusesTheDecision()
    {
        QFETCH(TOtherWrite, otherWrite);
        QFETCH(TOurDialogs, ourDialogs);
        QFETCH(TCommand, command);
        QFETCH(QString, message);
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        TSystemController& controller = m_book->Start(m_view, m_printed);
        auto otherFacade = DataTest::OpenFacade(m_book->Path());
        TLoanBook other(*otherFacade);
        QByteArray afterOtherWrite;
        TDialogScript script;
        ourDialogs(script, [&] {
            otherWrite(other, debtorID, creditID);
            afterOtherWrite = DataTest::DumpContent(m_book->Path());
        });
        const int shownBefore = m_view.CreditsShown;
        controller.RunCommand([&] { command(controller); });
        QVERIFY2(script.Unused() == 0, qPrintable(script.Events.join(u'\n')));
        QCOMPARE(script.Boxes.last().Text, message);
        // Nothing of ours was written; nothing printed.
        QCOMPARE(DataTest::DumpContent(m_book->Path()), afterOtherWrite);
        QVERIFY(m_printed.isEmpty());
        // The window reads the book anew once the command has ended.
        QTRY_VERIFY(m_view.CreditsShown > shownBefore);
    }

    // A credit listed before another program deleted it takes no payment:
    // the dialog does not even open.
    void paymentFromAStaleListIsRefused()
    {
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        TSystemController& controller = m_book->Start(m_view, m_printed);
        auto otherFacade = DataTest::OpenFacade(m_book->Path());
        TLoanBook other(*otherFacade);
        other.DeleteCredit(other.SeeCredit(creditID));
        TDialogScript script;
        controller.RunCommand([&] { controller.MakeCreditPayment(0); });
        QCOMPARE(script.Events.size(), 1);
        QCOMPARE(script.Boxes.last().Text, EBookChangedException::CreditDeleted().Message());
        QTRY_VERIFY(m_view.CreditIDs.isEmpty());
    }
};

VARNEL_TEST_MAIN(TestSystemControllerStale)
#include "TestSystemControllerStale.moc"

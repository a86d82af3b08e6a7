#include "support/WindowTestSupport.h"

#include "support/ClockPin.h"
#include "domain/BookChangedException.h"
#include "domain/Credit.h"
#include "domain/Debtor.h"
#include "domain/PaymentHistoryItem.h"
#include "domain/PaymentScheduleItem.h"
#include "ui/AheadDecisionForm.h"
#include "support/SampleRecords.h"
#include "ui/DisplayFormats.h"
#include "ui/LinkLabel.h"
#include "ui/PaymentForm.h"
#include "ui/controls/ConstraintedEdit.h"
#include "ui/controls/FieldFault.h"
#include "ui/controls/HeadShaker.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <optional>

namespace {
// The third month of 10 000 over 12 months at 12 %: two instalments paid.
// Month balance 888.4879, remaining debt 8884.8790, remainder if rebuilt 8499.2907.
struct TPaymentFixture
{
    TClockPin clock{DateTime::FromYMD(2009, 4, 10, 14, 30)};
    TDebtor debtor;
    TCredit credit;
    TPaymentScheduleItem row;
    Sample::TStoredCredit stored; // the row is its third, key 3
    TPaymentDecision decision;
    TPaymentHistoryItem last;
    TPaymentForm form;

    TPaymentFixture()
    {
        debtor.SetID(17);
        debtor.Surname = QStringLiteral("Петров");
        debtor.SetName(QStringLiteral("Пётр"));
        debtor.PatronymicName = QStringLiteral("Петрович");
        credit.Assign(&stored.Credit); // the terms a rebuild works with
        credit.SetID(42);
        credit.ContractNumber = QStringLiteral("К-117");
        credit.ContractDate = DateTime::FromYMD(2009, 1, 20);
        credit.PaymentsSum = M("1776.9758");
        credit.FullMustBePaymentSum = M("10661.8548");
        row.SetID(3);
        row.PaymentDate = DateTime::FromYMD(2009, 4, 15);
        row.Annua = M("888.4879");
        row.Balance = M("7610.8028");
        row.MustBePaymentSum = M("2665.4637");
        last.PaymentDate = DateTime::FromYMD(2009, 3, 14, 11, 0);
        // A mark that shows whether the dialog wrote the decision.
        decision.Amount = M("-1");
        form.Shaker().SetDelayTime(0);
    }

    bool Execute(const TPaymentHistoryItem* lastPayment = nullptr, bool withSchedule = true)
    {
        return form.Execute(debtor, credit, row, withSchedule ? &stored.Schedule : nullptr, decision, lastPayment);
    }
    bool DecisionUntouched() const { return decision.Amount == M("-1") && !decision.Rebuild; }
};

QLineEdit* AmountField(QWidget* form)
{
    return Find<TConstraintedEdit>(form, "PaymentEdit");
}

QColor TextColor(QWidget* widget, QPalette::ColorRole role)
{
    return widget->palette().color(role);
}
}

class TestPaymentForm : public QObject
{
    Q_OBJECT

private slots:
    void showsTheCreditAsItStands()
    {
        TPaymentFixture f;
        WhenOpen<TPaymentForm>([](TPaymentForm* form) {
            QCOMPARE(Find<QLineEdit>(form, "DebtorIDEdit")->text(), QStringLiteral("17"));
            QCOMPARE(Find<QLineEdit>(form, "DebtorNameEdit")->text(), QStringLiteral("Петров Пётр Петрович"));
            QCOMPARE(Find<QLineEdit>(form, "CreditIDEdit")->text(), QStringLiteral("42"));
            QCOMPARE(Find<QLineEdit>(form, "ContractNumberEdit")->text(), QStringLiteral("К-117"));
            QCOMPARE(Find<QLineEdit>(form, "ContractDateEdit")->text(), QStringLiteral("20.01.2009"));
            QCOMPARE(Find<QLineEdit>(form, "AnnuaEdit")->text(), FormatMoney(M("888.4879")));
            QCOMPARE(Find<QLineEdit>(form, "RemainEdit")->text(), FormatMoney(M("8884.8790")));
            QCOMPARE(Find<QLineEdit>(form, "RemainIfRecalcEdit")->text(), FormatMoney(M("8499.2907")));
            for (const char* link : {"AnnuaLabel", "MonthPaymentBalanceLabel", "RemainLabel", "RemainIfRecalcLabel"}) {
                auto* label = Find<TLinkLabel>(form, link);
                QCOMPARE(TextColor(label, QPalette::WindowText), QColor(0, 0, 255));
                QVERIFY(label->font().underline());
                QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
            }
            // Nothing is said about the empty amount before a try.
            QCOMPARE(Find<QLabel>(form, "InfoLabel")->text(), QString());
            QVERIFY(!IsFieldAtFault(AmountField(form)));
        });
        QVERIFY(!f.Execute(&f.last));
        QVERIFY(f.DecisionUntouched());
    }

    void monthBalanceStates_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QColor>("captionColor");
        QTest::addColumn<bool>("link");
        QTest::addColumn<QString>("field"); // empty: the field is hidden
        QTest::addColumn<QColor>("fieldColor");
        const QColor blue(0, 0, 255), red(255, 0, 0), green(0, 128, 0), black(0, 0, 0);
        const QString due = QStringLiteral("Не погашено:");
        const QString done = QStringLiteral("Обязательный платеж выполнен.");
        const QString ahead = QStringLiteral("Опережение:");
        QTest::newRow("nothing typed") << "" << due << blue << true << FormatMoney(M("888.4879")) << red;
        QTest::newRow("part of the month") << "500" << due << blue << true << FormatMoney(M("388.4879")) << red;
        QTest::newRow("just over a kopeck short") << "888,4778" << due << blue << true << FormatMoney(M("0.0101")) << red;
        QTest::newRow("a kopeck short") << "888,4779" << done << green << false << "" << QColor();
        QTest::newRow("exactly the month") << "888,4879" << done << green << false << "" << QColor();
        QTest::newRow("a kopeck over") << "888,4979" << done << green << false << "" << QColor();
        QTest::newRow("two kopecks over") << "888,5079" << ahead << black << false << FormatMoney(M("0.02")) << green;
        QTest::newRow("far ahead") << "2000" << ahead << black << false << FormatMoney(M("1111.5121")) << green;
        // Pasted texts that are no payment count as nothing typed.
        QTest::newRow("pasted letters") << "abc" << due << blue << true << FormatMoney(M("888.4879")) << red;
        QTest::newRow("pasted negative") << "-5000" << due << blue << true << FormatMoney(M("888.4879")) << red;
    }
    void monthBalanceStates()
    {
        QFETCH(QString, amount);
        QFETCH(QString, caption);
        QFETCH(QColor, captionColor);
        QFETCH(bool, link);
        QFETCH(QString, field);
        QFETCH(QColor, fieldColor);
        TPaymentFixture f;
        WhenOpen<TPaymentForm>([&](TPaymentForm* form) {
            AmountField(form)->setText(amount);
            auto* label = Find<TLinkLabel>(form, "MonthPaymentBalanceLabel");
            auto* balance = Find<QLineEdit>(form, "MonthPaymentBalanceEdit");
            QCOMPARE(label->text(), caption);
            QCOMPARE(TextColor(label, QPalette::WindowText), captionColor);
            QCOMPARE(label->font().underline(), link);
            QCOMPARE(label->cursor().shape(), link ? Qt::PointingHandCursor : Qt::ArrowCursor);
            QCOMPARE(balance->isVisible(), !field.isEmpty());
            QCOMPARE(balance->text(), field);
            if (!field.isEmpty())
                QCOMPARE(TextColor(balance, QPalette::Text), fieldColor);
        });
        f.Execute();
    }

    void balanceFieldKeepsUnderlineOnceMonthWasMet()
    {
        TPaymentFixture f;
        WhenOpen<TPaymentForm>([](TPaymentForm* form) {
            auto* balance = Find<QLineEdit>(form, "MonthPaymentBalanceEdit");
            QVERIFY(!balance->font().underline());
            AmountField(form)->setText(QStringLiteral("888,49"));
            AmountField(form)->setText(QStringLiteral("100"));
            QVERIFY(balance->isVisible());
            QVERIFY(balance->font().underline());
        });
        f.Execute();
    }

    // What is typed is judged at once where it can only be wrong (too much,
    // a fraction of a kopeck); a missing or empty amount only after a try of OK.
    void validatesAmountAndRemainingDebt_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("typedMessage");
        QTest::addColumn<QString>("triedMessage");
        QTest::addColumn<Money>("remaining");
        const QString enter = QStringLiteral("Введите сумму платежа.");
        const QString aboveZero = QStringLiteral("Платёж должен быть больше нуля.");
        const QString kopecks = QStringLiteral("В сумме не больше двух цифр после запятой.");
        const QString tooMuch = QStringLiteral("Платёж не может быть больше оставшегося долга.");
        QTest::newRow("empty") << "" << "" << enter << M("8884.879");
        QTest::newRow("pasted letters") << "abc" << "" << enter << M("8884.879");
        QTest::newRow("pasted with a point") << "100.5" << "" << enter << M("8884.879");
        QTest::newRow("pasted negative") << "-5000" << "" << aboveZero << M("8884.879");
        QTest::newRow("zero") << "0" << "" << aboveZero << M("8884.879");
        QTest::newRow("zero kopecks") << "0,00" << "" << aboveZero << M("8884.879");
        QTest::newRow("below a kopeck") << "0,0001" << kopecks << kopecks << M("8884.8789");
        QTest::newRow("a kopeck and a bit") << "0,011" << kopecks << kopecks << M("8884.868");
        QTest::newRow("trailing zeros") << "1000,500" << "" << "" << M("7884.379");
        QTest::newRow("part") << "1000,5" << "" << "" << M("7884.379");
        QTest::newRow("debt rounded to kopecks") << "8884,88" << "" << "" << M("-0.001");
        QTest::newRow("a kopeck more than shown") << "8884,89" << tooMuch << tooMuch << M("-0.011");
    }
    void validatesAmountAndRemainingDebt()
    {
        QFETCH(QString, amount);
        QFETCH(QString, typedMessage);
        QFETCH(QString, triedMessage);
        QFETCH(Money, remaining);
        TPaymentFixture f;
        WhenOpen<TPaymentForm>([&](TPaymentForm* form) {
            AmountField(form)->setText(amount);
            auto* info = Find<QLabel>(form, "InfoLabel");
            QCOMPARE(info->text(), typedMessage);
            QCOMPARE(FieldFaultReason(AmountField(form)), typedMessage);
            QCOMPARE(Find<QLineEdit>(form, "RemainEdit")->text(), FormatMoney(remaining));
            if (triedMessage.isEmpty())
                return;
            QTest::mouseClick(Find<QPushButton>(form, "OkButton"), Qt::LeftButton);
            QVERIFY(form->isVisible());
            QCOMPARE(info->text(), triedMessage);
            QCOMPARE(TextColor(info, QPalette::WindowText), QColor(255, 0, 0));
            QCOMPARE(FieldFaultReason(AmountField(form)), triedMessage);
            // Mended, the message and the mark go at once.
            AmountField(form)->setText(QStringLiteral("100"));
            QCOMPARE(info->text(), QString());
            QVERIFY(!IsFieldAtFault(AmountField(form)));
        });
        f.Execute();
        QVERIFY(f.DecisionUntouched());
    }

    void amountFieldTakesDigitsAndSeparatorOnly_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("point becomes the separator") << "12.5" << "12,5";
        QTest::newRow("comma") << "12,5" << "12,5";
        QTest::newRow("letters, signs and blanks") << "1a-+ 2x" << "12";
    }
    void amountFieldTakesDigitsAndSeparatorOnly()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        TPaymentFixture f;
        WhenOpen<TPaymentForm>([&](TPaymentForm* form) {
            QTest::keyClicks(AmountField(form), typed);
            QCOMPARE(AmountField(form)->text(), shown);
        });
        f.Execute();
    }

    void linkLabelsFillTheAmount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("filled");
        QTest::newRow("annuity") << "" << "AnnuaLabel" << "888,49";
        QTest::newRow("rest of the month") << "500" << "MonthPaymentBalanceLabel" << "888,49";
        QTest::newRow("month met: nothing") << "888,49" << "MonthPaymentBalanceLabel" << "888,49";
        QTest::newRow("ahead: nothing") << "1000" << "MonthPaymentBalanceLabel" << "1000";
        QTest::newRow("whole debt, no grouping") << "500" << "RemainLabel" << "8884,88";
        QTest::newRow("remainder if rebuilt") << "" << "RemainIfRecalcLabel" << "8499,29";
    }
    void linkLabelsFillTheAmount()
    {
        QFETCH(QString, typed);
        QFETCH(QString, link);
        QFETCH(QString, filled);
        TPaymentFixture f;
        WhenOpen<TPaymentForm>([&](TPaymentForm* form) {
            AmountField(form)->setText(typed);
            QTest::mouseClick(Find<TLinkLabel>(form, link.toLatin1().constData()), Qt::LeftButton);
            QCOMPARE(AmountField(form)->text(), filled);
            // The filled amount runs the change handling like a typed one.
            const Money entered = *ParseAmount(filled);
            QCOMPARE(Find<QLineEdit>(form, "RemainEdit")->text(), FormatMoney(M("8884.879") - entered));
        });
        f.Execute();
    }

    void previousPayment_data()
    {
        QTest::addColumn<bool>("given");
        QTest::addColumn<DateTime>("date");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none") << false << DateTime() << "";
        QTest::newRow("zero date") << true << DateTime() << "";
        QTest::newRow("today") << true << DateTime::FromYMD(2009, 4, 10, 9, 5) << "Сегодня";
        QTest::newRow("yesterday late") << true << DateTime::FromYMD(2009, 4, 9, 23, 59) << "Вчера";
        QTest::newRow("earlier") << true << DateTime::FromYMD(2009, 4, 8, 12, 0) << "08.04.2009";
    }
    void previousPayment()
    {
        QFETCH(bool, given);
        QFETCH(DateTime, date);
        QFETCH(QString, shown);
        TPaymentFixture f;
        f.last.PaymentDate = date;
        WhenOpen<TPaymentForm>([&](TPaymentForm* form) {
            QCOMPARE(Find<QLabel>(form, "LastPaymentDateLabel")->text(), shown);
        });
        f.Execute(given ? &f.last : nullptr);
    }

    void okRecordsThePayment_data()
    {
        QTest::addColumn<Money>("paidBefore");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<bool>("withSchedule");
        QTest::addColumn<QString>("choice"); // the decision dialog's button; empty: not asked
        QTest::addColumn<Money>("asked"); // the excess it shows
        QTest::addColumn<bool>("rebuild");
        const Money paid = M("1776.9758");
        QTest::newRow("within the month") << paid << "500" << true << "" << Money() << false;
        QTest::newRow("ahead, no schedule to rebuild") << paid << "1000" << false << "" << Money() << false;
        QTest::newRow("ahead, left") << paid << "1000" << true << "JustLeaveRadioButton" << M("111.5121") << false;
        QTest::newRow("ahead, rebuilt") << paid << "1000" << true << "ReduceAnnuaRadioButton" << M("111.5121") << true;
        // Paid ahead earlier already: the excess is more than this payment.
        QTest::newRow("ahead before") << M("3000") << "100" << true << "ReduceAnnuaRadioButton" << M("434.5363")
                                      << true;
    }
    void okRecordsThePayment()
    {
        QFETCH(Money, paidBefore);
        QFETCH(QString, amount);
        QFETCH(bool, withSchedule);
        QFETCH(QString, choice);
        QFETCH(Money, asked);
        QFETCH(bool, rebuild);
        TPaymentFixture f;
        f.credit.PaymentsSum = paidBefore;
        bool decisionAsked = false;
        WhenOpen<TPaymentForm>([&](TPaymentForm* form) {
            QTest::keyClicks(AmountField(form), amount);
            if (!choice.isEmpty())
                WhenOpen<TAheadDecisionForm>([&](TAheadDecisionForm* decision) {
                decisionAsked = true;
                QCOMPARE(Find<QLineEdit>(decision, "AheadEdit")->text(), FormatMoney(asked));
                auto* radio = Find<QRadioButton>(decision, choice.toLatin1().constData());
                QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
                QTest::mouseClick(Find<QPushButton>(decision, "OkButton"), Qt::LeftButton);
            });
            QTest::keyClick(AmountField(form), Qt::Key_Return);
        });
        QVERIFY(f.Execute(nullptr, withSchedule));
        QCOMPARE(decisionAsked, !choice.isEmpty());
        QCOMPARE(f.decision.Amount, M(amount.toLatin1().constData()));
        QCOMPARE(f.decision.Rebuild, rebuild);
    }

    void cancelledDecisionKeepsTheDialogOpen()
    {
        TPaymentFixture f;
        WhenOpen<TPaymentForm>([&](TPaymentForm* form) {
            QTest::keyClicks(AmountField(form), QStringLiteral("1000"));
            WhenOpen<TAheadDecisionForm>([](TAheadDecisionForm* decision) { decision->reject(); });
            QTest::mouseClick(Find<QPushButton>(form, "OkButton"), Qt::LeftButton);
            QVERIFY(form->isVisible());
            QCOMPARE(AmountField(form)->text(), QStringLiteral("1000"));
        });
        QVERIFY(!f.Execute());
        QVERIFY(f.DecisionUntouched());
    }

    void failedStoreKeepsTheDialogOpen()
    {
        TPaymentFixture f;
        const TShownBoxes errors;
        f.form.SetStoreOnOk([] { throw Exception(QStringLiteral("Диск переполнен.")); });
        WhenOpen<TPaymentForm>([&](TPaymentForm* form) {
            QTest::keyClicks(AmountField(form), QStringLiteral("500"));
            QTest::mouseClick(Find<QPushButton>(form, "OkButton"), Qt::LeftButton);
            QCOMPARE(errors.Texts(), QStringList{QStringLiteral("Диск переполнен.")});
            QVERIFY(form->isVisible());
        });
        QVERIFY(!f.Execute());
    }

    // Another program changed the credit meanwhile: said, and the dialog closes.
    void outdatedDecisionClosesTheDialog()
    {
        TPaymentFixture f;
        const TShownBoxes errors;
        f.form.SetStoreOnOk([] { throw EBookChangedException::CreditChanged(); });
        WhenOpen<TPaymentForm>([&](TPaymentForm* form) {
            QTest::keyClicks(AmountField(form), QStringLiteral("500"));
            QTest::mouseClick(Find<QPushButton>(form, "OkButton"), Qt::LeftButton);
        });
        QVERIFY(!f.Execute());
        QCOMPARE(errors.Texts(), QStringList{EBookChangedException::CreditChanged().Message()});
    }

    void refusedOkShakesAndWritesNothing_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("below a kopeck") << "0,0001";
        QTest::newRow("pasted negative") << "-5000";
        QTest::newRow("pasted letters") << "abc";
        QTest::newRow("above the debt") << "9000";
    }
    void refusedOkShakesAndWritesNothing()
    {
        QFETCH(QString, amount);
        TPaymentFixture f;
        QSignalSpy shakes(&f.form.Shaker(), &THeadShaker::ShakeFinished);
        WhenOpen<TPaymentForm>([&](TPaymentForm* form) {
            AmountField(form)->setText(amount);
            auto* ok = Find<QPushButton>(form, "OkButton");
            QTest::mouseClick(ok, Qt::LeftButton);
            QCOMPARE(shakes.count(), 1);
            QVERIFY(ok->isEnabled());
            QVERIFY(form->isVisible());
        });
        QVERIFY(!f.Execute());
        QVERIFY(f.DecisionUntouched());
    }
};

VARNEL_TEST_MAIN(TestPaymentForm)
#include "TestPaymentForm.moc"

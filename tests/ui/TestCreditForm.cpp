#include "support/WindowTestSupport.h"

#include "ui/AddCreditForm.h"
#include "ui/CreditReportInterface.h"
#include "ui/controls/DatePicker.h"
#include "ui/controls/FieldFault.h"

#include "support/ClockPin.h"
#include "domain/Credit.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"
#include "domain/PaymentSchedule.h"
#include "support/SampleRecords.h"

#include <QApplication>
#include <QClipboard>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {
const QString Invalid = QStringLiteral("Данные кредита введены неверно.");
const QString Nb = QStringLiteral("\u00A0");

class TFakeCreditReport : public ICreditReportInterface
{
public:
    void PrintCreditSchedule(int creditID) override { Printed.append(creditID); }
    QList<int> Printed;
};

QLineEdit* Edit(QWidget* form, const char* name)
{
    return Find<QLineEdit>(form, name);
}

QTreeWidget* List(QWidget* form)
{
    return Find<QTreeWidget>(form, "ScheduleListView");
}

// The terms of the worked example: 10 000 over 12 months at 12 %, paid on the 15th.
void TypeExampleTerms(QWidget* form, bool withPaymentDay = true)
{
    Find<QDateEdit>(form, "ContractDatePicker")->setDate(QDate(2009, 1, 20));
    TypeText(Edit(form, "ContractNumberEdit"), QStringLiteral("К-15/2009"));
    TypeText(Edit(form, "CreditSizeEdit"), QStringLiteral("10000"));
    TypeText(Edit(form, "CreditPeriodEdit"), QStringLiteral("12"));
    TypeText(Edit(form, "YearPercentEdit"), QStringLiteral("12"));
    if (withPaymentDay)
        TypeText(Edit(form, "PaymentDayEdit"), QStringLiteral("15"));
}

// A stored credit with the worked example's schedule (ScheduleIDs 101..112).
struct TStoredCredit : Sample::TStoredCredit
{
    TStoredCredit()
        : Sample::TStoredCredit(101)
    {
        Credit.SetID(42);
        Credit.ContractNumber = QStringLiteral("К-15/2009");
    }
};
}

class TestCreditForm : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TClockPin> m_clock;
    TDebtor m_debtor;

    void SelectLine(QWidget* form, int index)
    {
        if (index < 0)
            List(form)->clearSelection();
        else
            List(form)->setCurrentItem(List(form)->topLevelItem(index));
    }

private slots:
    void initTestCase()
    {
        m_clock = std::make_unique<TClockPin>(DateTime::FromYMD(2009, 4, 15, 11, 30));
        m_debtor.SetID(17);
        m_debtor.Surname = QStringLiteral("Иванов");
        m_debtor.SetName(QStringLiteral("Пётр"));
        m_debtor.PatronymicName = QStringLiteral("Сергеевич");
    }
    void cleanupTestCase() { m_clock.reset(); }

    void ArgumentsAreCheckedInOrder_data()
    {
        QTest::addColumn<bool>("debtor");
        QTest::addColumn<bool>("schedule");
        QTest::addColumn<bool>("credit");
        QTest::addColumn<QString>("message");
        QTest::newRow("nothing") << false << false << false << "Должник не задан.";
        QTest::newRow("debtor only") << true << false << false << "График выплат не задан.";
        QTest::newRow("no credit") << true << true << false << "Кредит не задан.";
    }
    void ArgumentsAreCheckedInOrder()
    {
        QFETCH(bool, debtor);
        QFETCH(bool, schedule);
        QFETCH(bool, credit);
        QFETCH(QString, message);
        TCredit aCredit;
        TPaymentSchedule aSchedule;
        TAddCreditForm form;
        QCOMPARE(RaisedMessage([&] {
                     form.Execute(debtor ? &m_debtor : nullptr, credit ? &aCredit : nullptr, nullptr,
                                  TAddCreditForm::AddMode, schedule ? &aSchedule : nullptr);
                 }),
                 message);
    }

    void AddModeOpensEmptyWithTodaysDate()
    {
        TCredit credit;
        TPaymentSchedule schedule;
        TAddCreditForm form;
        WhenOpen(&form, [&] {
            QCOMPARE(form.windowTitle(), QStringLiteral("Добавление кредита"));
            QCOMPARE(LabelText(&form, "NoteLabel"), QStringLiteral("Введите условия кредита."));
            QCOMPARE(LabelText(&form, "HintLabel"), QStringLiteral("График выплат будет создан автоматически."));
            QCOMPARE(Edit(&form, "DebtorIDEdit")->text(), QStringLiteral("17"));
            QCOMPARE(Edit(&form, "DebtorNameEdit")->text(), QStringLiteral("Иванов Пётр Сергеевич"));
            QCOMPARE(Find<QDateEdit>(&form, "ContractDatePicker")->date(), QDate(2009, 4, 15));
            for (const char* name : {"ContractNumberEdit", "CreditSizeEdit", "CreditPeriodEdit", "YearPercentEdit",
                                     "PaymentDayEdit"})
                QVERIFY(Edit(&form, name)->text().isEmpty());
            QCOMPARE(List(&form)->topLevelItemCount(), 0);
            // Nothing is said before a try of OK.
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), QString());
            QVERIFY(Find<QPushButton>(&form, "OkButton")->isEnabled());
            QVERIFY(!Find<QPushButton>(&form, "PrintButton")->isVisible());
            QVERIFY(!Find<QPushButton>(&form, "RespiteButton")->isVisible());
        });
        QVERIFY(!form.Execute(&m_debtor, &credit, nullptr, TAddCreditForm::AddMode, &schedule));
    }

    void PreviewAppearsWithTheLastValidTermAndFollowsChanges()
    {
        TCredit credit;
        TPaymentSchedule schedule;
        TAddCreditForm form;
        WhenOpen(&form, [&] {
            TypeExampleTerms(&form, false);
            QCOMPARE(List(&form)->topLevelItemCount(), 0);
            TypeText(Edit(&form, "PaymentDayEdit"), QStringLiteral("15"));
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), QString());
            QCOMPARE(List(&form)->topLevelItemCount(), 12);
            QCOMPARE(LineTexts(List(&form)->topLevelItem(0)),
                     QStringList({"15.02.2009", "9" + Nb + "211,51" + Nb + "₽", "788,49" + Nb + "₽",
                                  "100,00" + Nb + "₽", "888,49" + Nb + "₽", "888,49" + Nb + "₽", "Нет"}));
            QCOMPARE(credit.FullMustBePaymentSum, Money::FromUnits(106618548));
            QCOMPARE(schedule.Count(), 12);

            Edit(&form, "CreditPeriodEdit")->setText(QStringLiteral("24"));
            QCOMPARE(List(&form)->topLevelItemCount(), 24);
            QCOMPARE(credit.CreditPeriod, 24);
            QCOMPARE(credit.FullMustBePaymentSum, schedule.SumOfAnnua());
        });
        form.Execute(&m_debtor, &credit, nullptr, TAddCreditForm::AddMode, &schedule);
    }

    // Pasted or typed terms that must not issue a credit: no schedule is
    // shown for them, and the credit keeps the last valid terms. OK then
    // says what is wrong and marks the field; mending it clears both.
    void InvalidTermsShowNoSchedule_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        const QString number = QStringLiteral("Введите номер договора.");
        const QString amount = QStringLiteral("Введите размер кредита в рублях.");
        const QString rouble = QStringLiteral("Кредит не может быть меньше одного рубля.");
        const QString kopecks = QStringLiteral("В сумме не больше двух цифр после запятой.");
        const QString period = QStringLiteral("Срок кредита: от 1 до 1200 месяцев.");
        const QString rate = QStringLiteral("Введите ставку: целое число процентов в год.");
        const QString day = QStringLiteral("Число выплаты: от 1 до 28.");
        QTest::newRow("no contract number") << "ContractNumberEdit" << "" << number;
        QTest::newRow("negative amount") << "CreditSizeEdit" << "-5000" << rouble;
        QTest::newRow("zero amount") << "CreditSizeEdit" << "0,00" << rouble;
        QTest::newRow("below a rouble") << "CreditSizeEdit" << "0,99" << rouble;
        QTest::newRow("a fraction of a kopeck") << "CreditSizeEdit" << "10000,001" << kopecks;
        QTest::newRow("letters") << "CreditSizeEdit" << "abc" << amount;
        QTest::newRow("point under ru_RU") << "CreditSizeEdit" << "1.5" << amount;
        QTest::newRow("beyond Money") << "CreditSizeEdit" << "99999999999999999" << amount;
        QTest::newRow("sums beyond Money") << "CreditSizeEdit" << "900000000000000"
                                           << "Кредит на таких условиях слишком велик.";
        QTest::newRow("no period") << "CreditPeriodEdit" << "" << period;
        QTest::newRow("zero months") << "CreditPeriodEdit" << "0" << period;
        QTest::newRow("1201 months") << "CreditPeriodEdit" << "1201" << period;
        QTest::newRow("99999 months") << "CreditPeriodEdit" << "99999" << period;
        QTest::newRow("negative period") << "CreditPeriodEdit" << "-3" << period;
        QTest::newRow("no rate") << "YearPercentEdit" << "" << rate;
        QTest::newRow("negative rate") << "YearPercentEdit" << "-5" << rate;
        QTest::newRow("day 0") << "PaymentDayEdit" << "0" << day;
        QTest::newRow("day 29") << "PaymentDayEdit" << "29" << day;
        QTest::newRow("no day") << "PaymentDayEdit" << "" << day;
    }
    void InvalidTermsShowNoSchedule()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        TCredit credit;
        TPaymentSchedule schedule;
        TAddCreditForm form;
        const auto shakes = FastShakes(form);
        WhenOpen(&form, [&] {
            TypeExampleTerms(&form);
            const QStringList firstLine = LineTexts(List(&form)->topLevelItem(0));
            QLineEdit* edit = Edit(&form, field.toLatin1());
            const QString valid = edit->text();
            edit->setText(text);
            QCOMPARE(List(&form)->topLevelItemCount(), 0);
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), QString());
            QVERIFY(!IsFieldAtFault(edit));
            QCOMPARE(schedule.Count(), 12);
            QCOMPARE(credit.CreditSize, Money::FromUnits(100000000));
            QCOMPARE(credit.CreditPeriod, 12);
            QCOMPARE(credit.PaymentDay, 15);
            QCOMPARE(credit.ContractNumber, QStringLiteral("К-15/2009"));

            QTest::mouseClick(Find<QPushButton>(&form, "OkButton"), Qt::LeftButton);
            QCOMPARE(shakes->count(), 1);
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), Invalid + " " + reason);
            QCOMPARE(FieldFaultReason(edit), reason);
            for (QWidget* other : form.findChildren<QLineEdit*>())
                QVERIFY(other == edit || !IsFieldAtFault(other));
            QCOMPARE(QApplication::focusWidget(), edit);

            edit->setText(valid);
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), QString());
            QVERIFY(!IsFieldAtFault(edit));
            QCOMPARE(LineTexts(List(&form)->topLevelItem(0)), firstLine);
        });
        QVERIFY(!form.Execute(&m_debtor, &credit, nullptr, TAddCreditForm::AddMode, &schedule));
    }

    // A contract date that does not exist is no date to sign a contract on.
    void ImpossibleContractDateIsRefused()
    {
        TCredit credit;
        TPaymentSchedule schedule;
        TAddCreditForm form;
        const auto shakes = FastShakes(form);
        WhenOpen(&form, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            TypeExampleTerms(&form);
            auto* date = Find<TDatePicker>(&form, "ContractDatePicker");
            date->setFocus(Qt::TabFocusReason);
            QTest::keyClicks(date, QStringLiteral("29.02.2025"));
            QVERIFY(date->IsImpossibleDate());
            QCOMPARE(List(&form)->topLevelItemCount(), 0);
            PressEnter(date);
            QCOMPARE(shakes->count(), 1);
            const QString reason = QStringLiteral("Такой даты нет: 29 февраля 2025 года, в этом месяце 28 дней.");
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), Invalid + " " + reason);
            QCOMPARE(FieldFaultReason(date), reason);

            QVERIFY(date->hasFocus());
            date->setSelectedSection(QDateTimeEdit::YearSection);
            QTest::keyClicks(date, QStringLiteral("2024"));
            QCOMPARE(date->date(), QDate(2024, 2, 29));
            QVERIFY(!IsFieldAtFault(date));
            QCOMPARE(List(&form)->topLevelItemCount(), 12);
            PressEnter(date);
        });
        QVERIFY(form.Execute(&m_debtor, &credit, nullptr, TAddCreditForm::AddMode, &schedule));
        QCOMPARE(credit.ContractDate, DateTime::FromYMD(2024, 2, 29));
    }

    void EdgeTermsThatAreValid_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("rows");
        QTest::addColumn<qint64>("annua");
        QTest::newRow("no interest: equal parts") << "YearPercentEdit" << "0" << 12 << qint64(8333333);
        QTest::newRow("one month") << "CreditPeriodEdit" << "1" << 1 << qint64(101000000);
        QTest::newRow("a hundred years") << "CreditPeriodEdit" << "1200" << 1200 << qint64(1000007);
        QTest::newRow("kopecks") << "CreditSizeEdit" << "10000,01" << 12 << qint64(8884888);
        QTest::newRow("trailing zeros") << "CreditSizeEdit" << "10000,0100" << 12 << qint64(8884888);
    }
    void EdgeTermsThatAreValid()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(int, rows);
        QFETCH(qint64, annua);
        TCredit credit;
        TPaymentSchedule schedule;
        TAddCreditForm form;
        WhenOpen(&form, [&] {
            TypeExampleTerms(&form);
            Edit(&form, field.toLatin1())->setText(text);
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), QString());
            QCOMPARE(List(&form)->topLevelItemCount(), rows);
            QCOMPARE(schedule.Count(), rows);
            QCOMPARE(schedule.Items(rows - 1)->Annua, Money::FromUnits(annua));
        });
        form.Execute(&m_debtor, &credit, nullptr, TAddCreditForm::AddMode, &schedule);
    }

    void PaymentDayHintShowsTheRange()
    {
        TCredit credit;
        TPaymentSchedule schedule;
        TAddCreditForm form;
        WhenOpen(&form, [&] {
            QLabel* hint = Find<QLabel>(&form, "PaymentDayLabel");
            QLineEdit* day = Edit(&form, "PaymentDayEdit");
            const auto look = [hint] {
                return std::make_pair(hint->palette().color(QPalette::WindowText), hint->font().bold());
            };
            const auto grey = std::make_pair(QColor(128, 128, 128), false);
            const auto red = std::make_pair(QColor(255, 0, 0), true);
            QCOMPARE(hint->text(), QStringLiteral("от 1 до 28"));
            day->setText(QStringLiteral("29"));
            QCOMPARE(look(), red);
            day->clear(); // unreadable: the look stays
            QCOMPARE(look(), red);
            day->setText(QStringLiteral("28"));
            QCOMPARE(look(), grey);
            day->setText(QStringLiteral("0"));
            QCOMPARE(look(), red);
            QCOMPARE(hint->text(), QStringLiteral("от 1 до 28"));
        });
        form.Execute(&m_debtor, &credit, nullptr, TAddCreditForm::AddMode, &schedule);
    }

    void RefusedOkShakesAndIssuesNothing()
    {
        TCredit credit;
        TPaymentSchedule schedule;
        TAddCreditForm form;
        const auto shakes = FastShakes(form);
        WhenOpen(&form, [&] {
            TypeExampleTerms(&form);
            Edit(&form, "PaymentDayEdit")->setText(QStringLiteral("29"));
            PressEnter(Edit(&form, "PaymentDayEdit"));
            QCOMPARE(shakes->count(), 1);
            QVERIFY(form.isVisible());
            QVERIFY(Find<QPushButton>(&form, "OkButton")->isEnabled());
        });
        QVERIFY(!form.Execute(&m_debtor, &credit, nullptr, TAddCreditForm::AddMode, &schedule));

        // Never valid: the caller's credit and schedule are as handed in.
        TCredit untouched;
        TPaymentSchedule empty;
        TAddCreditForm other;
        const auto otherShakes = FastShakes(other);
        WhenOpen(&other, [&] {
            TypeText(Edit(&other, "CreditSizeEdit"), QStringLiteral("5000"));
            QTest::mouseClick(Find<QPushButton>(&other, "OkButton"), Qt::LeftButton);
            QCOMPARE(otherShakes->count(), 1);
        });
        QVERIFY(!other.Execute(&m_debtor, &untouched, nullptr, TAddCreditForm::AddMode, &empty));
        QCOMPARE(untouched.CreditSize, Money());
        QCOMPARE(untouched.GetID(), -1);
        QCOMPARE(empty.Count(), 0);
    }

    void OkIssuesTheTypedCredit()
    {
        TCredit credit;
        TPaymentSchedule schedule;
        TAddCreditForm form;
        WhenOpen(&form, [&] {
            TypeExampleTerms(&form);
            PressEnter(Edit(&form, "PaymentDayEdit"));
        });
        QVERIFY(form.Execute(&m_debtor, &credit, nullptr, TAddCreditForm::AddMode, &schedule));
        QCOMPARE(credit.ContractNumber, QStringLiteral("К-15/2009"));
        QCOMPARE(credit.ContractDate, DateTime::FromYMD(2009, 1, 20));
        QCOMPARE(credit.CreditSize, Money::FromUnits(100000000));
        QCOMPARE(credit.CreditPeriod, 12);
        QCOMPARE(credit.YearPercent, 12);
        QCOMPARE(credit.PaymentDay, 15);
        QCOMPARE(credit.FullMustBePaymentSum, Money::FromUnits(106618548));
        QCOMPARE(schedule.Count(), 12);
        QCOMPARE(schedule.Items(11)->PaymentDate, DateTime::FromYMD(2010, 1, 15));
        QCOMPARE(schedule.Items(11)->Balance, Money::FromUnits(-3));
    }

    void KeyFiltersLetOnlyNumbersIn_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::newRow("point becomes comma") << "CreditSizeEdit" << "12.5" << "12,5";
        QTest::newRow("comma stays") << "CreditSizeEdit" << "12,5" << "12,5";
        QTest::newRow("amount: no letters or minus") << "CreditSizeEdit" << "-1a2" << "12";
        QTest::newRow("period: digits only") << "CreditPeriodEdit" << "1.2x-" << "12";
        QTest::newRow("rate: digits only") << "YearPercentEdit" << "1,2" << "12";
        QTest::newRow("rate: three digits") << "YearPercentEdit" << "1234" << "123";
        QTest::newRow("day: two digits") << "PaymentDayEdit" << "123" << "12";
        QTest::newRow("contract number: anything") << "ContractNumberEdit" << "A-1.b" << "A-1.b";
    }
    void KeyFiltersLetOnlyNumbersIn()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        TAddCreditForm form;
        form.show();
        QLineEdit* edit = Edit(&form, field.toLatin1());
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), text);
    }

    void NumericFieldsTakeTheEditingKeys_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* field : {"CreditSizeEdit", "CreditPeriodEdit", "YearPercentEdit", "PaymentDayEdit"})
            QTest::newRow(field) << field;
    }
    void NumericFieldsTakeTheEditingKeys()
    {
        QFETCH(QString, field);
        TAddCreditForm form;
        form.show();
        QLineEdit* edit = Edit(&form, field.toLatin1());
        QTest::keyClicks(edit, QStringLiteral("12"));
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QApplication::clipboard()->clear();
        QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("12"));
        QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(edit->text(), QString());
        QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("12"));
        edit->clear();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("12"));
    }

    void ViewModeShowsTheStoredCreditOnly()
    {
        TStoredCredit stored;
        TCredit before;
        before.Assign(&stored.Credit);
        TFakeCreditReport report;
        TAddCreditForm form;
        WhenOpen(&form, [&] {
            QCOMPARE(form.windowTitle(), QStringLiteral("Просмотр кредита"));
            QCOMPARE(LabelText(&form, "NoteLabel"), QStringLiteral("Просмотрите условия кредита."));
            QCOMPARE(LabelText(&form, "HintLabel"), QStringLiteral("Распечатайте график выплат при необходимости."));
            QCOMPARE(Edit(&form, "CreditSizeEdit")->text(), "10" + Nb + "000,00" + Nb + "₽");
            QCOMPARE(Edit(&form, "CreditPeriodEdit")->text(), QStringLiteral("12"));
            QCOMPARE(Edit(&form, "PaymentDayEdit")->text(), QStringLiteral("15"));
            QCOMPARE(Find<QDateEdit>(&form, "ContractDatePicker")->date(), QDate(2009, 1, 20));
            for (const char* name : {"ContractNumberEdit", "ContractDatePicker", "CreditSizeEdit", "CreditPeriodEdit",
                                     "YearPercentEdit", "PaymentDayEdit"})
            {
                // Readable in the normal colours, but not to be changed.
                QVERIFY(Find<QWidget>(&form, name)->isEnabled());
                QVERIFY(Find<QWidget>(&form, name)->property("readOnly").toBool());
            }
            QCOMPARE(LabelText(&form, "ErrorsInfoLabel"), QString());
            QCOMPARE(List(&form)->topLevelItemCount(), 12);
            QVERIFY(!Find<QPushButton>(&form, "OkButton")->isEnabled());
            PressEnter(List(&form)); // no respite yet: nothing to save
            QVERIFY(form.isVisible());
            QTest::mouseClick(Find<QPushButton>(&form, "PrintButton"), Qt::LeftButton);
            QCOMPARE(report.Printed, QList<int>{42});
        });
        QVERIFY(!form.Execute(&m_debtor, &stored.Credit, &report, TAddCreditForm::ViewMode, &stored.Schedule));
        QCOMPARE(stored.Credit.CreditSize, before.CreditSize);
        QCOMPARE(stored.Credit.FullMustBePaymentSum, before.FullMustBePaymentSum);
        QCOMPARE(stored.Schedule.Count(), 12);
        QVERIFY(!stored.Schedule.Items(2)->Modified);

        TAddCreditForm withoutReport; // printing simply is not possible
        WhenOpen(&withoutReport, [&] {
            QTest::mouseClick(Find<QPushButton>(&withoutReport, "PrintButton"), Qt::LeftButton);
        });
        withoutReport.Execute(&m_debtor, &stored.Credit, nullptr, TAddCreditForm::ViewMode, &stored.Schedule);
    }

    // Today is 15.04.2009: lines 0 and 1 are past, line 2 falls due today.
    void RespiteNeedsAFutureLineThatIsNotTheLast_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("no line") << -1 << false;
        QTest::newRow("past") << 1 << false;
        QTest::newRow("due today") << 2 << true;
        QTest::newRow("future") << 6 << true;
        QTest::newRow("last") << 11 << false;
    }
    void RespiteNeedsAFutureLineThatIsNotTheLast()
    {
        QFETCH(int, line);
        QFETCH(bool, enabled);
        TStoredCredit stored;
        TAddCreditForm form;
        WhenOpen(&form, [&] {
            QVERIFY(Find<QPushButton>(&form, "RespiteButton")->isVisible());
            SelectLine(&form, line);
            QCOMPARE(Find<QPushButton>(&form, "RespiteButton")->isEnabled(), enabled);
        });
        form.Execute(&m_debtor, &stored.Credit, nullptr, TAddCreditForm::ViewMode, &stored.Schedule);
    }

    void OneRespitePerOpening()
    {
        TStoredCredit stored;
        TFakeCreditReport report;
        TAddCreditForm form;
        WhenOpen(&form, [&] {
            QVERIFY(!Find<QLabel>(&form, "RespiteHintLabel")->isVisible());
            SelectLine(&form, 2);
            QTest::mouseClick(Find<QPushButton>(&form, "RespiteButton"), Qt::LeftButton);
            QVERIFY(Find<QLabel>(&form, "RespiteHintLabel")->isVisible());
            QCOMPARE(LabelText(&form, "RespiteHintLabel"),
                     QStringLiteral("Отсрочку можно создавать только на один месяц за раз."));
            QCOMPARE(List(&form)->topLevelItemCount(), 12);
            QCOMPARE(List(&form)->topLevelItem(2)->text(5), "84,15" + Nb + "₽");
            QCOMPARE(List(&form)->topLevelItem(3)->text(5), "982,39" + Nb + "₽");
            SelectLine(&form, 5);
            QVERIFY(!Find<QPushButton>(&form, "RespiteButton")->isEnabled());
            QVERIFY(!Find<QPushButton>(&form, "PrintButton")->isEnabled());
            QTest::mouseClick(Find<QPushButton>(&form, "PrintButton"), Qt::LeftButton);
            QVERIFY(Find<QPushButton>(&form, "OkButton")->isEnabled());
            PressEnter(List(&form));
        });
        QVERIFY(form.Execute(&m_debtor, &stored.Credit, &report, TAddCreditForm::ViewMode, &stored.Schedule));
        QVERIFY(report.Printed.isEmpty());
        // Ready to be written back: nine rows replaced, the pivot changed in place.
        QCOMPARE(stored.Schedule.Count(), 21);
        const TPaymentScheduleItem* pivot = stored.Schedule.Items(2);
        QCOMPARE(pivot->GetID(), 103);
        QVERIFY(pivot->Modified);
        QCOMPARE(pivot->Annua, Money::FromUnits(841514));
        QCOMPARE(pivot->PayingOff, Money());
        QCOMPARE(pivot->Balance, Money::FromUnits(84151393));
        QVERIFY(stored.Schedule.Items(3)->Deleted);
        QCOMPARE(stored.Schedule.Items(12)->GetID(), -1);
        QCOMPARE(stored.Schedule.SumOfAnnua(), Money::FromUnits(107026048));
    }

    void LineColoursFollowDateDelayAndInstalment_data()
    {
        QTest::addColumn<int>("daysFromToday");
        QTest::addColumn<bool>("activeDelay");
        QTest::addColumn<int>("annua"); // against the first row's 100
        QTest::addColumn<bool>("wasDelay");
        QTest::addColumn<QColor>("colour"); // invalid: the list's normal colour
        QTest::newRow("past overdue") << -1 << true << 100 << false << QColor(255, 128, 128);
        QTest::newRow("overdue today") << 0 << true << 100 << false << QColor(255, 0, 0);
        QTest::newRow("overdue beats larger") << 5 << true << 150 << false << QColor(255, 0, 0);
        QTest::newRow("past larger") << -30 << false << 150 << false << QColor(231, 224, 169);
        QTest::newRow("past smaller") << -30 << false << 50 << false << QColor(170, 217, 170);
        QTest::newRow("past regular") << -30 << false << 100 << true << QColor(192, 192, 192);
        QTest::newRow("larger") << 0 << false << 150 << false << QColor(128, 128, 0);
        QTest::newRow("smaller") << 30 << false << 50 << true << QColor(0, 128, 0);
        QTest::newRow("regular") << 30 << false << 100 << true << QColor();
    }
    void LineColoursFollowDateDelayAndInstalment()
    {
        QFETCH(int, daysFromToday);
        QFETCH(bool, activeDelay);
        QFETCH(int, annua);
        QFETCH(bool, wasDelay);
        QFETCH(QColor, colour);
        TCredit credit;
        credit.SetID(1);
        TPaymentSchedule schedule;
        auto reference = std::make_unique<TPaymentScheduleItem>();
        reference->Annua = Money::FromUnits(1000000);
        reference->PaymentDate = DateTime::FromYMD(2009, 1, 15);
        schedule.Add(std::move(reference));
        auto row = std::make_unique<TPaymentScheduleItem>();
        row->PaymentDate = Clock::Today().AddDays(daysFromToday);
        row->ActiveDelay = activeDelay;
        row->WasDelay = wasDelay;
        row->Annua = Money::FromUnits(annua * 10000);
        schedule.Add(std::move(row));
        TAddCreditForm form;
        WhenOpen(&form, [&] {
            const QTreeWidgetItem* line = List(&form)->topLevelItem(1);
            for (int column = 0; column < 7; ++column) {
                QCOMPARE(line->data(column, Qt::ForegroundRole).value<QColor>(), colour);
                QCOMPARE(line->font(column).bold(), wasDelay);
            }
            QCOMPARE(line->text(6), wasDelay ? QStringLiteral("Да") : QStringLiteral("Нет"));
        });
        form.Execute(&m_debtor, &credit, nullptr, TAddCreditForm::ViewMode, &schedule);
    }
};

VARNEL_TEST_MAIN(TestCreditForm)
#include "TestCreditForm.moc"

#include "ui/controls/DatePicker.h"

#include <QApplication>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

namespace {
// A picker with a field after it, the picker focused as by Tab.
struct TPickerOnForm
{
    QWidget Form;
    TDatePicker* Picker = new TDatePicker;
    QLineEdit* Next = new QLineEdit;

    explicit TPickerOnForm(QDate start)
    {
        auto* layout = new QVBoxLayout(&Form);
        layout->addWidget(Picker);
        layout->addWidget(Next);
        Picker->setDate(start);
        Form.show();
        QApplication::setActiveWindow(&Form);
        Picker->setFocus(Qt::TabFocusReason);
    }
    void Type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }
};
}

class TestDatePicker : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    // A whole date typed in one go lands in the field, whatever separates its
    // parts; nothing typed goes on to the next field.
    void wholeDateIsTyped_data()
    {
        QTest::addColumn<QDate>("start");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("impossible"); // the message, empty when the date exists
        const QDate december(2026, 12, 11), leapYear(2024, 1, 5);
        QTest::newRow("with dots") << december << "10.12.2026" << QDate(2026, 12, 10) << "";
        QTest::newRow("digits only") << december << "10122026" << QDate(2026, 12, 10) << "";
        QTest::newRow("short parts") << december << "1.2.2026" << QDate(2026, 2, 1) << "";
        QTest::newRow("parts that fill at once") << december << "5.5.2025" << QDate(2025, 5, 5) << "";
        QTest::newRow("slashes") << december << "10/12/2026" << QDate(2026, 12, 10) << "";
        QTest::newRow("typed on past the end") << december << "10.12.2026.1999" << QDate(2026, 12, 10) << "";
        QTest::newRow("leap day") << december << "29.02.2024" << QDate(2024, 2, 29) << "";
        QTest::newRow("leap day, digits only") << december << "29022024" << QDate(2024, 2, 29) << "";
        QTest::newRow("no leap day") << leapYear << "29.02.2025" << QDate(2025, 2, 28)
                                     << "Такой даты нет: 29 февраля 2025 года, в этом месяце 28 дней.";
        QTest::newRow("no 31st") << december << "31.04.2026" << QDate(2026, 4, 30)
                                 << "Такой даты нет: 31 апреля 2026 года, в этом месяце 30 дней.";
    }
    void wholeDateIsTyped()
    {
        QFETCH(QDate, start);
        QFETCH(QString, typed);
        QFETCH(QDate, date);
        QFETCH(QString, impossible);
        TPickerOnForm form(start);
        form.Type(typed);
        QCOMPARE(form.Picker->date(), date);
        QCOMPARE(form.Picker->IsImpossibleDate(), !impossible.isEmpty());
        QCOMPARE(form.Picker->ImpossibleDateMessage(), impossible);
        QVERIFY(form.Picker->isAncestorOf(QApplication::focusWidget()));
        QCOMPARE(form.Next->text(), QString());
        // Tab leaves at once, and an impossible date stays refused.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form.Next);
        QCOMPARE(form.Picker->IsImpossibleDate(), !impossible.isEmpty());
    }

    // The month and year typed after it decide whether the day exists; a
    // date picked or set afterwards is simply the date.
    void impossibleDateIsMended_data()
    {
        QTest::addColumn<QString>("mend");
        QTest::addColumn<QDate>("date");
        QTest::newRow("leap year typed") << "year 2024" << QDate(2024, 2, 29);
        QTest::newRow("day typed") << "day 28" << QDate(2025, 2, 28);
        QTest::newRow("date set") << "set" << QDate(2025, 3, 1);
    }
    void impossibleDateIsMended()
    {
        QFETCH(QString, mend);
        QFETCH(QDate, date);
        TPickerOnForm form(QDate(2026, 12, 11));
        form.Type(QStringLiteral("29.02.2025"));
        QVERIFY(form.Picker->IsImpossibleDate());
        QSignalSpy impossibleChanges(form.Picker, &TDatePicker::ImpossibleDateChanged);
        if (mend == "set") {
            form.Picker->setDate(date);
        } else {
            const bool year = mend.startsWith("year");
            form.Picker->setSelectedSection(year ? QDateTimeEdit::YearSection : QDateTimeEdit::DaySection);
            form.Type(mend.section(' ', 1));
        }
        QCOMPARE(form.Picker->date(), date);
        QVERIFY(!form.Picker->IsImpossibleDate());
        QCOMPARE(impossibleChanges.count(), 1);
    }
};

QTEST_MAIN(TestDatePicker)
#include "TestDatePicker.moc"

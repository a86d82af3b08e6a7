#include "support/WindowTestSupport.h"

#include "domain/Credit.h"
#include "domain/PaymentSchedule.h"
#include "support/SampleRecords.h"
#include "ui/AheadDecisionForm.h"
#include "ui/DisplayFormats.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTreeWidget>

namespace {
const QColor Olive(128, 128, 0);
const QColor Green(0, 128, 0);
const QColor Orange(255, 128, 0);

// The worked example as stored: rows 1 to 12 with their IDs.
struct TDecisionFixture
{
    Sample::TStoredCredit stored { 1 };
    TCredit& credit = stored.Credit;
    TPaymentSchedule& schedule = stored.Schedule;
    TAheadDecisionForm form;

    TDecisionFixture() { credit.SetID(42); }
    // Row 3, due 15 April 2009, unless told otherwise.
    bool Execute(Money ahead, int rowIndex = 2)
    {
        return form.Execute(&credit, schedule.Items(rowIndex), &schedule, ahead);
    }
};

QTreeWidget* OldList(QWidget* form)
{
    return Find<QTreeWidget>(form, "OldListView");
}
QTreeWidget* NewList(QWidget* form)
{
    return Find<QTreeWidget>(form, "NewListView");
}

// The colour every cell of the line shares; an invalid colour for the list's own.
QColor LineColor(QTreeWidget* list, int line)
{
    const QTreeWidgetItem* item = list->topLevelItem(line);
    const QVariant first = item->data(0, Qt::ForegroundRole);
    for (int column = 1; column < list->columnCount(); ++column) {
        if (item->data(column, Qt::ForegroundRole) != first)
            return QColor(1, 2, 3); // a mixed line never matches an expectation
    }
    return first.isValid() ? first.value<QBrush>().color() : QColor();
}

QList<QColor> LineColors(QTreeWidget* list)
{
    QList<QColor> colors;
    for (int line = 0; line < list->topLevelItemCount(); ++line)
        colors << LineColor(list, line);
    return colors;
}

// n lines of the list's own colour, then the rest in the given colour.
QList<QColor> PlainThen(int plain, int total, const QColor& rest)
{
    QList<QColor> colors(total, rest);
    for (int i = 0; i < plain; ++i)
        colors[i] = QColor();
    return colors;
}

// On its indicator: the rest of a wide radio button does not take clicks.
void ClickRadio(QWidget* form, const char* name)
{
    auto* radio = Find<QRadioButton>(form, name);
    QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(8, radio->height() / 2));
}

QList<QStringList> AllLines(QTreeWidget* list)
{
    QList<QStringList> lines;
    for (int line = 0; line < list->topLevelItemCount(); ++line)
        lines << LineTexts(list->topLevelItem(line));
    return lines;
}
}

class TestAheadDecisionForm : public QObject
{
    Q_OBJECT

private slots:
    void refusesMissingArguments_data()
    {
        QTest::addColumn<QString>("missing");
        QTest::addColumn<QString>("message");
        QTest::newRow("credit") << "credit" << "Кредит не задан.";
        QTest::newRow("row") << "row" << "Элемент графика не задан.";
        QTest::newRow("schedule") << "schedule" << "График выплат не задан.";
    }
    void refusesMissingArguments()
    {
        QFETCH(QString, missing);
        QFETCH(QString, message);
        TDecisionFixture f;
        QCOMPARE(RaisedMessage([&] {
                     f.form.Execute(missing == "credit" ? nullptr : &f.credit,
                                    missing == "row" ? nullptr : f.schedule.Items(2),
                                    missing == "schedule" ? nullptr : &f.schedule, M("100"));
                 }),
                 message);
    }

    void opensWithTheCurrentScheduleTwice()
    {
        TDecisionFixture f;
        WhenOpen<TAheadDecisionForm>([&](TAheadDecisionForm* form) {
            auto* ahead = Find<QLineEdit>(form, "AheadEdit");
            QCOMPARE(ahead->text(), FormatMoney(M("1000")));
            QCOMPARE(ahead->palette().color(QPalette::Text), Green);
            QVERIFY(Find<QRadioButton>(form, "JustLeaveRadioButton")->isChecked());
            QCOMPARE(form->Choice(), adJustLeave);
            QCOMPARE(OldList(form)->headerItem()->text(1), QStringLiteral("Остаток"));
            QCOMPARE(OldList(form)->topLevelItemCount(), 12);
            QCOMPARE(LineTexts(OldList(form)->topLevelItem(2)),
                     (QStringList{QStringLiteral("15.04.2009"), FormatMoney(M("7610.8028")),
                                  FormatMoney(M("2665.4637")), FormatMoney(M("888.4879"))}));
            QCOMPARE(AllLines(NewList(form)), AllLines(OldList(form)));
            QCOMPARE(LineColors(OldList(form)), PlainThen(12, 12, QColor()));
            QCOMPARE(LineColors(NewList(form)), PlainThen(12, 12, QColor()));
        });
        QVERIFY(!f.Execute(M("1000")));
    }

    void rebuiltPreviewAndItsColours()
    {
        TDecisionFixture f;
        WhenOpen<TAheadDecisionForm>([&](TAheadDecisionForm* form) {
            const QList<QStringList> current = AllLines(OldList(form));
            ClickRadio(form, "ReduceAnnuaRadioButton");
            QCOMPARE(form->Choice(), adReduceAnnua);
            // The nine later months carry the smaller instalment; the current list stays.
            QCOMPARE(NewList(form)->topLevelItemCount(), 12);
            QCOMPARE(LineTexts(NewList(form)->topLevelItem(3)),
                     (QStringList{QStringLiteral("15.05.2009"), FormatMoney(M("5905.1633")),
                                  FormatMoney(M("3437.2112")), FormatMoney(M("771.7475"))}));
            QCOMPARE(LineTexts(NewList(form)->topLevelItem(2)), current[2]);
            QCOMPARE(AllLines(OldList(form)), current);
            QCOMPARE(LineColors(OldList(form)), PlainThen(3, 12, Olive));
            QCOMPARE(LineColors(NewList(form)), PlainThen(3, 12, Green));

            ClickRadio(form, "JustLeaveRadioButton");
            QCOMPARE(form->Choice(), adJustLeave);
            QCOMPARE(AllLines(NewList(form)), current);
            QCOMPARE(LineColors(NewList(form)), PlainThen(12, 12, QColor()));
        });
        f.Execute(M("1000"));
    }

    void closesWithTheChoice_data()
    {
        QTest::addColumn<QString>("radio");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("confirmed");
        QTest::addColumn<int>("choice");
        QTest::newRow("left") << "" << "OkButton" << true << int(adJustLeave);
        QTest::newRow("rebuilt") << "ReduceAnnuaRadioButton" << "OkButton" << true << int(adReduceAnnua);
        QTest::newRow("cancelled") << "ReduceAnnuaRadioButton" << "CancelButton" << false << int(adReduceAnnua);
        QTest::newRow("Enter on the choice") << "ReduceAnnuaRadioButton" << "" << true << int(adReduceAnnua);
    }
    void closesWithTheChoice()
    {
        QFETCH(QString, radio);
        QFETCH(QString, button);
        QFETCH(bool, confirmed);
        QFETCH(int, choice);
        TDecisionFixture f;
        WhenOpen<TAheadDecisionForm>([&](TAheadDecisionForm* form) {
            if (!radio.isEmpty())
                ClickRadio(form, radio.toLatin1().constData());
            if (button.isEmpty())
                QTest::keyClick(Find<QRadioButton>(form, radio.toLatin1().constData()), Qt::Key_Return);
            else
                QTest::mouseClick(Find<QPushButton>(form, button.toLatin1().constData()), Qt::LeftButton);
        });
        QCOMPARE(f.Execute(M("1000")), confirmed);
        QCOMPARE(int(f.form.Choice()), choice);
        if (confirmed && choice == adReduceAnnua) {
            // Ready to be written back: the twelve stored rows, nine of them
            // flagged Deleted, and nine new ones.
            const TPaymentSchedule* result = f.form.ResultSchedule();
            QCOMPARE(result->Count(), 21);
            QCOMPARE(result->SumOfAnnua(), M("9611.1912"));
            QVERIFY(result->Items(11)->Deleted);
            QCOMPARE(result->Items(12)->GetID(), -1);
        }
    }

    void warnsWhenRebuildClosesTheCredit_data()
    {
        // Row 3 leaves a balance of 7610.8028.
        QTest::addColumn<Money>("ahead");
        QTest::addColumn<bool>("warned");
        QTest::newRow("small advance") << M("1000") << false;
        QTest::newRow("a kopeck left") << M("7610.7928") << false;
        QTest::newRow("less than a kopeck left") << M("7610.7929") << true;
        QTest::newRow("nothing left") << M("7610.8028") << true;
        QTest::newRow("more than the balance") << M("8000") << true;
    }
    void warnsWhenRebuildClosesTheCredit()
    {
        QFETCH(Money, ahead);
        QFETCH(bool, warned);
        TDecisionFixture f;
        WhenOpen<TAheadDecisionForm>([&](TAheadDecisionForm* form) {
            auto* warning = Find<QLabel>(form, "CloseWarningLabel");
            QCOMPARE(warning->isVisible(), warned);
            QCOMPARE(warning->text(), QStringLiteral("Если пересчитать график, то кредит будет сразу закрыт."));
            QCOMPARE(warning->palette().color(QPalette::WindowText), Orange);
            QVERIFY(warning->font().bold());
        });
        f.Execute(ahead);
    }

    void lastInstalmentCannotBeRebuilt()
    {
        TDecisionFixture f;
        const TShownBoxes errors;
        const QString refusal = QStringLiteral("Нельзя делать опережение для последнего платежа.");
        WhenOpen<TAheadDecisionForm>([&](TAheadDecisionForm* form) {
            const QList<QStringList> before = AllLines(NewList(form));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not accepted by receiving widget")));
            ClickRadio(form, "ReduceAnnuaRadioButton");
            QCOMPARE(errors.Texts(), QStringList{refusal});
            QCOMPARE(AllLines(NewList(form)), before);
            QCOMPARE(LineColors(NewList(form)), PlainThen(12, 12, QColor()));
            QTest::mouseClick(Find<QPushButton>(form, "OkButton"), Qt::LeftButton);
        });
        // OK builds the preview with the final choice once more: the refusal leaves Execute.
        QCOMPARE(RaisedMessage([&] { f.Execute(M("10"), 11); }), refusal);
    }
};

VARNEL_TEST_MAIN(TestAheadDecisionForm)
#include "TestAheadDecisionForm.moc"

#include "support/WindowTestSupport.h"

#include "ui/CreditsListPresentation.h"

#include "domain/CreditsList.h"

#include <QTest>
#include <QTreeWidget>

namespace {
std::unique_ptr<TCredit> MakeCredit(qint64 remainingUnits, int delayCount, int activeDelayCount)
{
    auto credit = std::make_unique<TCredit>();
    credit->SetID(7);
    credit->ContractNumber = QStringLiteral("К-15/2009");
    credit->ContractDate = DateTime::FromYMD(2009, 1, 20);
    credit->CreditSize = Money::FromUnits(100000000);
    credit->PaymentsSum = Money::FromUnits(12345000);
    credit->FullMustBePaymentSum = credit->PaymentsSum + Money::FromUnits(remainingUnits);
    credit->DelayCount = delayCount;
    credit->ActiveDelayCount = activeDelayCount;
    return credit;
}
}

class TestCreditsList : public QObject
{
    Q_OBJECT

private:
    QTreeWidget m_list;

private slots:
    void initTestCase() { SetupCreditsListColumns(&m_list, {50, 100, 100, 100, 100, 100, 100, 100}, 3); }

    void FillsOneLinePerCreditInColumnOrder()
    {
        TCreditsList credits;
        credits.Add(MakeCredit(100, 1, 0));
        credits.Add(MakeCredit(0, 0, 0));
        FillCreditsList(&credits, &m_list);
        QCOMPARE(m_list.topLevelItemCount(), 2);
        const QTreeWidgetItem* line = m_list.topLevelItem(0);
        const QString nb = QStringLiteral("\u00A0");
        const QStringList expected{"7", "К-15/2009", "20.01.2009", "10" + nb + "000,00" + nb + "₽",
                                   "1" + nb + "234,50" + nb + "₽", "1", "0", "Активный"};
        QCOMPARE(LineTexts(line), expected);
        QCOMPARE(CreditOfLine(line), credits.Items(0));
        QCOMPARE(CreditOfLine(m_list.topLevelItem(1)), credits.Items(1));
        // The selection dialog's alignment: three columns left, the rest right.
        QCOMPARE(line->textAlignment(2) & Qt::AlignHorizontal_Mask, int(Qt::AlignLeft));
        QCOMPARE(line->textAlignment(3) & Qt::AlignHorizontal_Mask, int(Qt::AlignRight));
    }

    void EmptyOrMissingListLeavesNoLines()
    {
        TCreditsList credits;
        credits.Add(MakeCredit(100, 0, 0));
        FillCreditsList(&credits, &m_list);
        FillCreditsList(nullptr, &m_list); // nothing happens
        QCOMPARE(m_list.topLevelItemCount(), 1);
        FillCreditsList(&credits, nullptr);
        TCreditsList empty;
        FillCreditsList(&empty, &m_list);
        QCOMPARE(m_list.topLevelItemCount(), 0);
    }

    void StateAndLook_data()
    {
        QTest::addColumn<qint64>("remaining");
        QTest::addColumn<int>("delayCount");
        QTest::addColumn<int>("activeDelayCount");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QColor>("colour"); // invalid: the list's normal colour
        QTest::addColumn<bool>("bold");
        const QColor normal, red(255, 0, 0), silver(192, 192, 192);
        QTest::newRow("a kopeck left is active") << qint64(100) << 0 << 0 << "Активный" << normal << false;
        QTest::newRow("less than a kopeck is repaid") << qint64(99) << 0 << 0 << "Погашен" << silver << false;
        QTest::newRow("overpaid is repaid") << qint64(-5000) << 0 << 0 << "Погашен" << silver << false;
        QTest::newRow("repaid beats overdue") << qint64(0) << 1 << 3 << "Погашен" << silver << false;
        QTest::newRow("repaid, repeatedly overdue") << qint64(0) << 2 << 3 << "Погашен" << silver << true;
        QTest::newRow("overdue once") << qint64(100) << 1 << 1 << "Активный" << red << false;
        QTest::newRow("overdue repeatedly") << qint64(100) << 2 << 1 << "Активный" << red << true;
        QTest::newRow("was overdue, settled") << qint64(100) << 5 << 0 << "Активный" << normal << true;
    }
    void StateAndLook()
    {
        QFETCH(qint64, remaining);
        QFETCH(int, delayCount);
        QFETCH(int, activeDelayCount);
        QFETCH(QString, state);
        QFETCH(QColor, colour);
        QFETCH(bool, bold);
        TCreditsList credits;
        credits.Add(MakeCredit(remaining, delayCount, activeDelayCount));
        FillCreditsList(&credits, &m_list);
        const QTreeWidgetItem* line = m_list.topLevelItem(0);
        QCOMPARE(line->text(7), state);
        for (int column = 0; column < CreditsListColumnCount; ++column) {
            QCOMPARE(line->data(column, Qt::ForegroundRole).value<QColor>(), colour);
            QCOMPARE(line->font(column).bold(), bold);
        }
    }

    void LineWithoutCreditKeepsItsLook()
    {
        QTreeWidgetItem line(QStringList{QStringLiteral("x")});
        line.setForeground(0, QColor(1, 2, 3));
        PaintCreditLine(&m_list, &line);
        QCOMPARE(line.foreground(0).color(), QColor(1, 2, 3));
    }
};

VARNEL_TEST_MAIN(TestCreditsList)
#include "TestCreditsList.moc"

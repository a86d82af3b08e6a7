#include "support/WindowTestSupport.h"

#include "ui/CreditSelectForm.h"

#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "domain/Exception.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

namespace {
// Credits 1 and 3 are active, credit 2 is repaid.
void FillCredits(TCreditsList& credits)
{
    for (int id = 1; id <= 3; ++id) {
        auto credit = std::make_unique<TCredit>();
        credit->SetID(id);
        credit->FullMustBePaymentSum = Money::FromUnits(50000000);
        credit->PaymentsSum = id == 2 ? credit->FullMustBePaymentSum : Money::FromUnits(1000000);
        credits.Add(std::move(credit));
    }
}

QTreeWidget* List(QWidget* form)
{
    return Find<QTreeWidget>(form, "CreditListView");
}
}

class TestCreditSelectForm : public QObject
{
    Q_OBJECT

private:
    TDebtor m_debtor;
    TCreditsList m_credits;

    void Select(QWidget* form, int line) { List(form)->setCurrentItem(List(form)->topLevelItem(line)); }

private slots:
    void initTestCase()
    {
        m_debtor.SetID(17);
        m_debtor.Surname = QStringLiteral("Иванов");
        m_debtor.SetName(QStringLiteral("Пётр"));
        m_debtor.PatronymicName = QStringLiteral("Сергеевич");
        FillCredits(m_credits);
    }

    void MissingArgumentsAreRefused()
    {
        TCreditSelectForm form;
        QCOMPARE(RaisedMessage([&] { form.Execute(nullptr, nullptr, -1); }),
                 QStringLiteral("Список кредитов не задан."));
        QCOMPARE(RaisedMessage([&] { form.Execute(&m_credits, nullptr, -1); }), QStringLiteral("Должник не задан."));
    }

    // The dialog opens on a credit that can take the payment; the repaid one
    // is listed last. Lines: credit 1, credit 3, credit 2 (repaid).
    void StartsOnAnOpenCredit_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("selected");
        QTest::newRow("none asked") << -1 << 0;
        QTest::newRow("an open one asked") << 2 << 2;
        QTest::newRow("the repaid one asked") << 1 << 0;
        QTest::newRow("beyond the list") << 3 << 0;
    }
    void StartsOnAnOpenCredit()
    {
        QFETCH(int, index);
        QFETCH(int, selected);
        TCreditSelectForm form;
        WhenOpen(&form, [&] {
            QCOMPARE(Find<QLineEdit>(&form, "DebtorIDEdit")->text(), QStringLiteral("17"));
            QCOMPARE(Find<QLineEdit>(&form, "DebtorNameEdit")->text(), QStringLiteral("Иванов Пётр Сергеевич"));
            QCOMPARE(List(&form)->topLevelItemCount(), 3);
            QCOMPARE(List(&form)->topLevelItem(2)->text(0), QStringLiteral("2"));
            QCOMPARE(List(&form)->topLevelItem(2)->text(7), QStringLiteral("Погашен"));
            QCOMPARE(form.SelectedIndex(), selected);
        });
        QVERIFY(!form.Execute(&m_credits, &m_debtor, index));
    }

    // A clerk without a mouse: the keys go wherever the focus is when the
    // dialog opens, and Enter takes the credit the dialog shows selected.
    void ChoosingByKeyboard_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("startLine");
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<int>("chosen"); // -1: the dialog stays open
        const int enter = Qt::Key_Return;
        QTest::newRow("preselected, Enter") << 2 << 1 << QList<int>{enter} << 2;
        QTest::newRow("preselected, Up, Enter") << 2 << 1 << QList<int>{Qt::Key_Up, enter} << 0;
        QTest::newRow("none, Enter") << -1 << 0 << QList<int>{enter} << 0;
        QTest::newRow("none, Down, Enter") << -1 << 0 << QList<int>{Qt::Key_Down, enter} << 2;
        QTest::newRow("none, End to the repaid one, Enter") << -1 << 0 << QList<int>{Qt::Key_End, enter} << -1;
    }
    void ChoosingByKeyboard()
    {
        QFETCH(int, index);
        QFETCH(int, startLine);
        QFETCH(QList<int>, keys);
        QFETCH(int, chosen);
        TCreditSelectForm form;
        const auto shakes = FastShakes(form);
        WhenOpen(&form, [&] {
            QVERIFY(QTest::qWaitForWindowActive(&form));
            QTreeWidget* list = List(&form);
            QCOMPARE(QApplication::focusWidget(), list);
            QCOMPARE(list->indexOfTopLevelItem(list->currentItem()), startLine);
            QVERIFY(list->currentItem()->isSelected());
            for (const int key : keys)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            QCOMPARE(form.isVisible(), chosen == -1);
            QCOMPARE(shakes->count(), chosen == -1 ? 1 : 0);
        });
        QCOMPARE(form.Execute(&m_credits, &m_debtor, index), chosen != -1);
        if (chosen != -1)
            QCOMPARE(form.SelectedIndex(), chosen);
    }

    void OkWithoutSelectionOnlyShakes()
    {
        TCreditSelectForm form;
        const auto shakes = FastShakes(form);
        WhenOpen(&form, [&] {
            List(&form)->clearSelection();
            PressEnter(List(&form));
            QCOMPARE(shakes->count(), 1);
            QVERIFY(form.isVisible());
            QCOMPARE(LabelText(&form, "InfoLabel"), QString());
            QVERIFY(Find<QPushButton>(&form, "OkButton")->isEnabled());
        });
        QVERIFY(!form.Execute(&m_credits, &m_debtor, 7));
    }

    void RepaidCreditIsRefusedUntilAnotherIsChosen()
    {
        TCreditSelectForm form;
        const auto shakes = FastShakes(form);
        WhenOpen(&form, [&] {
            Select(&form, 2);
            PressEnter(List(&form));
            QCOMPARE(LabelText(&form, "InfoLabel"), QStringLiteral("Кредит уже погашен"));
            QCOMPARE(shakes->count(), 1);
            QVERIFY(form.isVisible());
            Select(&form, 1);
            QCOMPARE(LabelText(&form, "InfoLabel"), QString());
            QTest::mouseClick(Find<QPushButton>(&form, "OkButton"), Qt::LeftButton);
        });
        QVERIFY(form.Execute(&m_credits, &m_debtor, 1));
        QCOMPARE(form.SelectedIndex(), 2);
    }

    void DoubleClickChoosesAnActiveCredit_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("chosen");
        QTest::newRow("active") << 0 << 0 << true;
        QTest::newRow("repaid") << 2 << 1 << false;
    }
    void DoubleClickChoosesAnActiveCredit()
    {
        QFETCH(int, line);
        QFETCH(int, index);
        QFETCH(bool, chosen);
        TCreditSelectForm form;
        const auto shakes = FastShakes(form);
        WhenOpen(&form, [&] {
            QTreeWidget* list = List(&form);
            const QPoint centre = list->visualItemRect(list->topLevelItem(line)).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
            QCOMPARE(form.isVisible(), !chosen);
            QCOMPARE(shakes->count(), chosen ? 0 : 1);
        });
        QCOMPARE(form.Execute(&m_credits, &m_debtor, -1), chosen);
        QCOMPARE(form.SelectedIndex(), index);
    }
};

VARNEL_TEST_MAIN(TestCreditSelectForm)
#include "TestCreditSelectForm.moc"

#include "ui/controls/DatePicker.h"
#include "ui/controls/FieldFault.h"

#include <QLineEdit>
#include <QTest>

namespace {
QColor Background(const QWidget* field)
{
    return field->palette().color(QPalette::Base);
}
}

class TestFieldFault : public QObject
{
    Q_OBJECT

private slots:
    // The mark shows and names the fault; clearing it gives the field back
    // its own look and tool tip, also after the reason changed in between.
    void markIsShownAndCleared_data()
    {
        QTest::addColumn<bool>("datePicker");
        QTest::addColumn<bool>("ownLook");
        QTest::newRow("edit") << false << false;
        QTest::newRow("edit with a look of its own") << false << true;
        QTest::newRow("date picker") << true << false;
    }
    void markIsShownAndCleared()
    {
        QFETCH(bool, datePicker);
        QFETCH(bool, ownLook);
        QWidget form;
        QWidget* field = datePicker ? static_cast<QWidget*>(new TDatePicker(&form)) : new QLineEdit(&form);
        if (ownLook) {
            QPalette look = field->palette();
            look.setColor(QPalette::Base, Qt::yellow);
            field->setPalette(look);
        }
        field->setToolTip(QStringLiteral("Своя подсказка"));
        const QColor own = Background(field);

        MarkFieldAtFault(field, QStringLiteral("Введите номер договора."));
        MarkFieldAtFault(field, QStringLiteral("Такой даты нет."));
        QVERIFY(IsFieldAtFault(field));
        QCOMPARE(FieldFaultReason(field), QStringLiteral("Такой даты нет."));
        QCOMPARE(field->toolTip(), QStringLiteral("Такой даты нет."));
        QVERIFY(Background(field) != own);
        if (datePicker) // what the clerk types into sees it too
            QCOMPARE(Background(static_cast<TDatePicker*>(field)->findChild<QLineEdit*>()), Background(field));

        ClearFieldFault(field);
        QVERIFY(!IsFieldAtFault(field));
        QCOMPARE(FieldFaultReason(field), QString());
        QCOMPARE(field->toolTip(), QStringLiteral("Своя подсказка"));
        QCOMPARE(Background(field), own);
        QCOMPARE(field->testAttribute(Qt::WA_SetPalette), ownLook);
    }

    void formShowsExactlyTheFaultyFields()
    {
        QWidget form;
        auto* first = new QLineEdit(&form);
        auto* second = new QLineEdit(&form);
        auto* third = new QLineEdit(&form);
        MarkFieldAtFault(first, QStringLiteral("Было неверно."));
        ShowFieldFaults({first, second, third}, {{third, QStringLiteral("Введите сумму.")}});
        QVERIFY(!IsFieldAtFault(first));
        QVERIFY(!IsFieldAtFault(second));
        QCOMPARE(FieldFaultReason(third), QStringLiteral("Введите сумму."));
        MarkFieldAtFault(nullptr, QStringLiteral("ничего"));
        ClearFieldFault(nullptr);
        QVERIFY(!IsFieldAtFault(nullptr));
    }
};

QTEST_MAIN(TestFieldFault)
#include "TestFieldFault.moc"

#include "ui/controls/ExtLabeledEdit.h"

#include <QLabel>
#include <QTest>

namespace {
QColor LabelColor(const QLabel& label)
{
    return label.palette().color(QPalette::WindowText);
}
}

class TestExtLabeledEdit : public QObject
{
    Q_OBJECT

private slots:
    void messageReachesLabel()
    {
        QWidget form;
        auto* label = new QLabel(&form);
        auto* edit = new TExtLabeledEdit(&form);
        const QColor ownColor = edit->palette().color(QPalette::Text);
        edit->SetNotifyLabel(label);

        edit->ShowStringOnLabel(QStringLiteral("Неверный день"), Qt::red);
        QCOMPARE(label->text(), QStringLiteral("Неверный день"));
        QCOMPARE(LabelColor(*label), QColor(Qt::red));
        QCOMPARE(edit->palette().color(QPalette::Text), ownColor);

        edit->ClearNotifyLabel();
        QVERIFY(label->text().isEmpty());
        QCOMPARE(LabelColor(*label), QColor(Qt::black));
    }

    void ownerRewritesMessageFirst()
    {
        QLabel label;
        TExtLabeledEdit edit;
        edit.SetNotifyLabel(&label);
        TExtLabeledEdit* seenSender = nullptr;
        edit.SetOnBeforeShowStringOnLabelEvent([&](TExtLabeledEdit* sender, QString& s, QColor& color) {
            seenSender = sender;
            s = QStringLiteral("Осталось: ") + s;
            color = Qt::blue;
        });
        edit.ShowStringOnLabel(QStringLiteral("3"), Qt::red);
        QCOMPARE(seenSender, &edit);
        QCOMPARE(label.text(), QStringLiteral("Осталось: 3"));
        QCOMPARE(LabelColor(label), QColor(Qt::blue));
    }

    void editColourFollowsLabelWhenAsked()
    {
        QLabel label;
        TExtLabeledEdit edit;
        edit.SetNotifyLabel(&label);
        edit.SetIsColorSelfAsLabel(true);
        edit.ShowStringOnLabel(QStringLiteral("Мало"), Qt::red);
        QCOMPARE(edit.palette().color(QPalette::Text), QColor(Qt::red));
        edit.ClearNotifyLabel();
        QCOMPARE(edit.palette().color(QPalette::Text), QColor(Qt::black));
    }

    void withoutLabelMessagesAreDropped()
    {
        TExtLabeledEdit edit;
        bool ownerAsked = false;
        edit.SetOnBeforeShowStringOnLabelEvent([&](TExtLabeledEdit*, QString&, QColor&) { ownerAsked = true; });
        edit.ShowStringOnLabel(QStringLiteral("x"), Qt::red);
        QVERIFY(!ownerAsked);

        auto* label = new QLabel;
        edit.SetNotifyLabel(label);
        delete label;
        QCOMPARE(edit.NotifyLabel(), nullptr);
        edit.ShowStringOnLabel(QStringLiteral("x"), Qt::red);
        QVERIFY(!ownerAsked);
        edit.setText(QStringLiteral("still works"));
        QCOMPARE(edit.text(), QStringLiteral("still works"));
    }
};

QTEST_MAIN(TestExtLabeledEdit)
#include "TestExtLabeledEdit.moc"

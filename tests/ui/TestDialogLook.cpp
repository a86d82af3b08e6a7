#include "DialogSamples.h"

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QHeaderView>
#include <QTableView>

namespace {
const QString Rouble = QStringLiteral("₽");

bool AlignedRight(const QVariant& alignment)
{
    return Qt::Alignment(alignment.toInt()) & Qt::AlignRight;
}
}

// How the dialogs look with sample data: amounts stand right under
// right-aligned captions, no list value is cut, small hints follow the font
// the user chose.
class TestDialogLook : public QObject
{
    Q_OBJECT

private slots:
    void smallHintsFollowTheUserFont_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<double>("userPoints");
        for (const QString& name : TDialogSamples::DialogNames())
            for (const double points : {8.0, 12.0})
                if (name != "safe delete") // the one dialog without hints
                    QTest::newRow(qPrintable(QStringLiteral("%1, %2 pt").arg(name).arg(points)))
                        << name << points;
    }
    void smallHintsFollowTheUserFont()
    {
        QFETCH(QString, dialog);
        QFETCH(double, userPoints);
        const QFont before = QApplication::font();
        QFont user = before;
        user.setPointSizeF(userPoints);
        QApplication::setFont(user);
        TDialogSamples samples;
        QList<double> hintPoints;
        samples.Open(dialog, [&](QDialog* form) {
            for (const QWidget* widget : form->findChildren<QWidget*>())
                if (widget->property("smallHint").toBool())
                    hintPoints << widget->font().pointSizeF();
        });
        QApplication::setFont(before);
        QVERIFY(!hintPoints.isEmpty());
        for (const double points : hintPoints)
            QCOMPARE(points, userPoints * 7 / 8);
    }

    void amountsLineUpAndNothingIsCut_data()
    {
        QTest::addColumn<QString>("dialog");
        for (const char* name : {"credit (add)", "credit (view)", "ahead decision", "credit selection",
                                 "payment history"})
            QTest::newRow(name) << QString::fromUtf8(name);
    }
    void amountsLineUpAndNothingIsCut()
    {
        QFETCH(QString, dialog);
        TDialogSamples samples;
        int amounts = 0;
        samples.Open(dialog, [&](QDialog* form) {
            if (dialog == "credit (add)") {
                TypeText(Find<QWidget>(form, "ContractNumberEdit"), QStringLiteral("К-2025/00017"));
                TypeText(Find<QWidget>(form, "CreditSizeEdit"), QStringLiteral("9999999"));
                TypeText(Find<QWidget>(form, "CreditPeriodEdit"), QStringLiteral("12"));
                TypeText(Find<QWidget>(form, "YearPercentEdit"), QStringLiteral("36"));
                TypeText(Find<QWidget>(form, "PaymentDayEdit"), QStringLiteral("15"));
            }
            for (QAbstractItemView* view : form->findChildren<QAbstractItemView*>()) {
                // The dialog's own lists, not the inner ones of a calendar or a drop-down.
                if (view->objectName().isEmpty() || view->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                const QAbstractItemModel* model = view->model();
                const auto* table = qobject_cast<QTableView*>(view);
                const auto* tree = qobject_cast<QTreeView*>(view);
                QVERIFY(table || tree);
                const QHeaderView* header = table ? table->horizontalHeader() : tree->header();
                for (int row = 0; row < model->rowCount(); ++row)
                    for (int column = 0; column < model->columnCount(); ++column) {
                        const QModelIndex cell = model->index(row, column);
                        const QString text = cell.data().toString();
                        const QString where = QStringLiteral("%1, row %2, column %3: %4")
                                                  .arg(view->objectName())
                                                  .arg(row)
                                                  .arg(column)
                                                  .arg(text);
                        if (text.endsWith(Rouble)) {
                            ++amounts;
                            QVERIFY2(AlignedRight(cell.data(Qt::TextAlignmentRole)), qPrintable(where));
                            QVERIFY2(AlignedRight(model->headerData(column, Qt::Horizontal, Qt::TextAlignmentRole)),
                                     qPrintable(where));
                        }
                        QFont font = view->font();
                        if (cell.data(Qt::FontRole).isValid())
                            font = cell.data(Qt::FontRole).value<QFont>();
                        font.setBold(true); // any line may be bold
                        const int needed = QFontMetrics(font).horizontalAdvance(text) + 6;
                        QVERIFY2(header->sectionSize(column) >= needed, qPrintable(where));
                    }
            }
        });
        QVERIFY(amounts > 0);
    }
};

VARNEL_TEST_MAIN(TestDialogLook)
#include "TestDialogLook.moc"

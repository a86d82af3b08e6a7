#include "ui/controls/NoHScrollTreeView.h"

#include <QScrollBar>
#include <QTest>

class TestNoHScrollTreeView : public QObject
{
    Q_OBJECT

private slots:
    void wideItemsShowNoHorizontalBar()
    {
        TNoHScrollTreeView tree;
        tree.setObjectName(QStringLiteral("DebtorsTreeView"));
        tree.setHeaderHidden(true);
        // As a .ui file or a style might ask for it.
        tree.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        auto* top = new QTreeWidgetItem(&tree, {QStringLiteral("Адрес")});
        new QTreeWidgetItem(top, {QStringLiteral("Улица: ") + QString(300, QChar(u'ш'))});
        tree.expandAll();
        tree.resize(223, 200);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));

        QCOMPARE(tree.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!tree.horizontalScrollBar()->isVisible());
        QVERIFY(tree.viewport()->width() <= tree.width());
    }
};

QTEST_MAIN(TestNoHScrollTreeView)
#include "TestNoHScrollTreeView.moc"

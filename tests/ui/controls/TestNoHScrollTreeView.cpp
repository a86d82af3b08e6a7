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

    // A long address wraps within the panel: its row is several lines high and
    // shrinks again when the panel widens.
    void longLinesWrapToTheWidth()
    {
        TNoHScrollTreeView tree;
        tree.setHeaderHidden(true);
        tree.setWordWrap(true);
        tree.setTextElideMode(Qt::ElideNone);
        auto* top = new QTreeWidgetItem(&tree, {QStringLiteral("Адрес")});
        auto* line = new QTreeWidgetItem(
            top, {QStringLiteral("Улица: Большая Дмитровка, корпус строения номер семнадцать, подъезд второй")});
        tree.expandAll();
        tree.resize(160, 300);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));

        const int oneLine = tree.visualItemRect(top).height();
        QTRY_VERIFY(tree.visualItemRect(line).height() >= 3 * oneLine);
        const int narrow = tree.visualItemRect(line).height();
        tree.resize(1000, 300);
        QTRY_VERIFY(tree.visualItemRect(line).height() < narrow);
    }
};

QTEST_MAIN(TestNoHScrollTreeView)
#include "TestNoHScrollTreeView.moc"

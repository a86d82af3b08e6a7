#include "mainwindow/DynamicMainMenu.h"
#include "mainwindow/HistoryMenu.h"

#include <QMenu>
#include <QTest>

namespace {
// The main window's menu as far as this unit cares.
struct TMainMenu
{
    TDynamicMainMenu menu;
    QMenu* file = menu.addMenu(QStringLiteral("&Файл"));
    QMenu* history = file->addMenu(QStringLiteral("&Последние подключённые базы данных"));
    QMenu* reports = menu.addMenu(QStringLiteral("Отчёты"));
    QMenu* statements = reports->addMenu(QStringLiteral("Заявления"));

    TMainMenu()
    {
        history->setObjectName(HistoryMenuName);
        file->addSeparator();
        file->addAction(QStringLiteral("Выход"));
        reports->addAction(QStringLiteral("Все задолжники"));
    }
};

QStringList Captions(const QMenu* menu)
{
    QStringList captions;
    for (const QAction* item : menu->actions())
        captions << item->text();
    return captions;
}

QList<int> Tags(const QMenu* menu)
{
    QList<int> tags;
    for (QAction* item : menu->actions())
        tags << qobject_cast<TDynamicMenuItem*>(item)->Tag();
    return tags;
}
}

class TestDynamicMainMenu : public QObject
{
    Q_OBJECT

private slots:
    void parentFoundByNameOrCaption_data()
    {
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("holder");
        QTest::newRow("top level, hot key and case ignored") << "файл" << "&Файл";
        QTest::newRow("inside a submenu") << "заявления" << "Заявления";
        QTest::newRow("deep plain item") << "Все ЗАДОЛЖНИКИ" << "Все задолжники";
        QTest::newRow("menu by its object name") << "HistoryMenuItem" << "&Последние подключённые базы данных";
    }
    void parentFoundByNameOrCaption()
    {
        QFETCH(QString, parent);
        QFETCH(QString, holder);
        TMainMenu main;
        TDynamicMenuItem* item = main.menu.AddDynamicItem(parent, QStringLiteral("Новый"), 3);
        QAction* holderItem = main.menu.FindItem(holder);
        QVERIFY(holderItem && holderItem->menu<QMenu*>());
        QCOMPARE(Captions(holderItem->menu<QMenu*>()).last(), QStringLiteral("Новый"));
        QCOMPARE(item->ImageIndex(), 3);
        QCOMPARE(main.menu.actions().size(), 2);
    }

    void unknownParentBecomesNewTopLevelMenu()
    {
        TMainMenu main;
        main.menu.AddDynamicItem(QStringLiteral("Окна"), QStringLiteral("Первое"), -1);
        main.menu.AddDynamicItem(QStringLiteral("окна"), QStringLiteral("Второе"), -1);
        QCOMPARE(main.menu.actions().size(), 3);
        QAction* windows = main.menu.actions().last();
        QCOMPARE(windows->text(), QStringLiteral("Окна"));
        QCOMPARE(Captions(windows->menu<QMenu*>()), (QStringList{"Первое", "Второе"}));
    }

    void emptyParentMeansTopLevel()
    {
        TMainMenu main;
        TDynamicMenuItem* item = main.menu.AddDynamicItem(QString(), QStringLiteral("Сверху"), -1);
        QCOMPARE(main.menu.actions().last(), item);
    }

    void addDynamicItemsTagsByPosition()
    {
        TMainMenu main;
        main.menu.AddDynamicItems(QStringLiteral("Заявления"), {"Досрочное погашение", "Отсрочка"});
        QCOMPARE(Captions(main.statements), (QStringList{"Досрочное погашение", "Отсрочка"}));
        QCOMPARE(Tags(main.statements), (QList<int>{0, 1}));
    }

    // Handlers are those of the menu at the time the item was made.
    void clickRunsOrdinaryThenExtendedHandler()
    {
        TMainMenu main;
        QStringList calls;
        main.menu.SetOnDynamicItemClick([&](QObject* sender) {
            calls << "click " + qobject_cast<QAction*>(sender)->text();
        });
        main.menu.SetOnExtDynamicItemClick([&](TDynamicMenuItem* sender) { calls << "ext " + sender->text(); });
        TDynamicMenuItem* item = main.menu.AddDynamicItem(QStringLiteral("Файл"), QStringLiteral("a"), -1);
        main.menu.SetOnDynamicItemClick(nullptr);
        TDynamicMenuItem* later = main.menu.AddDynamicItem(QStringLiteral("Файл"), QStringLiteral("b"), -1);

        item->trigger();
        later->trigger();
        QCOMPARE(calls, (QStringList{"click a", "ext a", "ext b"}));
    }

    void historyMenuNewestFirstTaggedFromOldest_data()
    {
        QTest::addColumn<int>("count");
        QTest::newRow("three") << 3;
        QTest::newRow("twelve from a long file") << 12;
    }
    void historyMenuNewestFirstTaggedFromOldest()
    {
        QFETCH(int, count);
        TMainMenu main;
        QStringList entries;
        for (int i = 0; i < count; ++i)
            entries << QStringLiteral("/data/book%1.s3db").arg(i);
        FillHistoryMenu(main.menu, {"/old.s3db"});
        FillHistoryMenu(main.menu, entries);

        QStringList newestFirst;
        QList<int> tags;
        for (int i = count - 1; i >= 0; --i) {
            newestFirst << entries[i];
            tags << i;
        }
        QCOMPARE(Captions(main.history), newestFirst);
        QCOMPARE(Tags(main.history), tags);
        QCOMPARE(qobject_cast<TDynamicMenuItem*>(main.history->actions().first())->ImageIndex(), 12);

        FillHistoryMenu(main.menu, {});
        QVERIFY(main.history->actions().isEmpty());
        QCOMPARE(Captions(main.file).last(), QStringLiteral("Выход"));
    }

    void ampersandInPathIsNoHotKey()
    {
        TMainMenu main;
        FillHistoryMenu(main.menu, {"/data/R&D.s3db"});
        QCOMPARE(main.history->actions().first()->text(), QStringLiteral("/data/R&&D.s3db"));
    }

    void entriesCaptionedReadably_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("caption");
        QTest::newRow("10 000 characters") << QString(10000, QLatin1Char('x')) + QStringLiteral("/book.s3db")
                                           << QString(27, QLatin1Char('x')) + QChar(0x2026)
                                                  + QString(42, QLatin1Char('x')) + QStringLiteral("/book.s3db");
        QTest::newRow("control characters") << QStringLiteral("/data/\x01\tbook.s3db")
                                            << QStringLiteral("/data/??book.s3db");
        // A server book by its readable name, never its address.
        QTest::newRow("server book") << QStringLiteral("postgresql://clerk@db.office.local:5432/book")
                                     << QStringLiteral("book на db.office.local (clerk)");
        QTest::newRow("server book on this computer")
            << QStringLiteral("postgresql:///R%26D?host=/run/postgresql&port=5432&user=%D0%BA%D0%B0%D1%81%D1%81%D0%B8%D1%80")
            << QStringLiteral("R&&D на этом компьютере (кассир)");
    }
    void entriesCaptionedReadably()
    {
        QFETCH(QString, entry);
        QFETCH(QString, caption);
        TMainMenu main;
        FillHistoryMenu(main.menu, {entry});
        QCOMPARE(main.history->actions().first()->text(), caption);
        QCOMPARE(qobject_cast<TDynamicMenuItem*>(main.history->actions().first())->Tag(), 0);
    }

    // Opening a recent database adds it to the list, whose change rebuilds
    // the menu while the clicked item is still running its handler.
    void clickThatRebuildsTheMenu()
    {
        TMainMenu main;
        QList<int> opened;
        main.menu.SetOnDynamicItemClick([&](QObject* sender) {
            opened << qobject_cast<TDynamicMenuItem*>(sender)->Tag();
            FillHistoryMenu(main.menu, {"/a.s3db", "/b.s3db", "/c.s3db"});
        });
        main.menu.SetOnExtDynamicItemClick([&](TDynamicMenuItem* sender) { opened << sender->Tag() + 100; });
        FillHistoryMenu(main.menu, {"/a.s3db", "/b.s3db"});
        QPointer<QAction> clicked = main.history->actions().last();
        clicked->trigger();
        QCOMPARE(opened, (QList<int>{0, 100}));
        QCOMPARE(main.history->actions().size(), 3);
        QTRY_VERIFY(clicked.isNull());
    }
};

QTEST_MAIN(TestDynamicMainMenu)
#include "TestDynamicMainMenu.moc"

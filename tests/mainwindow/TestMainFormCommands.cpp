#include "support/WindowTestSupport.h"

#include "settings/HistoryManager.h"
#include "domain/Company.h"
#include "domain/CreditsList.h"
#include "domain/Debtor.h"
#include "mainwindow/MainForm.h"
#include "support/TestProgram.h"
#include "ui/controls/ConstraintedEdit.h"

#include <QClipboard>
#include <QComboBox>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// The captions of a menu's items, "-" for a separator, "Name >" for a submenu.
// A caption as shown: "&&" is an ampersand, a single "&" marks the hot key.
QString Shown(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&')).replace(
        QLatin1Char('\x01'), QLatin1Char('&'));
}

QStringList Captions(const QList<QAction*>& actions)
{
    QStringList captions;
    for (const QAction* action : actions)
        captions << (action->isSeparator() ? QStringLiteral("-")
                                           : Shown(action->text()) + (action->menu() ? QStringLiteral(" >") : QString()));
    return captions;
}

QMenu* TopMenu(TMainForm& form, const char* name)
{
    return Find<QMenu>(&form, name);
}

QAction* Action(TMainForm& form, const char* name)
{
    return Find<QAction>(&form, name);
}

// The program has nothing to do for a moment: the enabling rules run.
void Idle()
{
    QEventLoop loop;
    QTimer::singleShot(20, &loop, &QEventLoop::quit);
    loop.exec();
}

std::unique_ptr<TCredit> Credit(int id, bool repaid)
{
    auto credit = std::make_unique<TCredit>();
    credit->SetID(id);
    credit->ContractNumber = QStringLiteral("К-%1").arg(id);
    credit->FullMustBePaymentSum = Money::FromUnits(10000000);
    credit->PaymentsSum = repaid ? credit->FullMustBePaymentSum : Money::FromUnits(2000000);
    return credit;
}

TDebtor FullDebtor()
{
    TDebtor debtor;
    debtor.Surname = QStringLiteral("Иванова");
    debtor.SetName(QStringLiteral("Анна"));
    debtor.PatronymicName = QStringLiteral("Петровна");
    debtor.PassportSeries = QStringLiteral("4509");
    debtor.PassportNumber = QStringLiteral("123456");
    debtor.PassportInfo = QStringLiteral("ОВД Тверского района г. Москвы");
    debtor.PostCode = QStringLiteral("170000");
    debtor.Region = QStringLiteral("Тверская обл.");
    debtor.District = QStringLiteral("Калининский");
    debtor.City = QStringLiteral("Тверь");
    debtor.Street = QStringLiteral("Советская");
    debtor.Building = QStringLiteral("12");
    debtor.Flat = QStringLiteral("5");
    debtor.Telephone = QStringLiteral("8 (4822) 32-15-00");
    return debtor;
}

// The tree as text: a heading, then its lines indented; "+" marks an open heading.
QStringList TreeTexts(const QTreeWidget* tree)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* heading = tree->topLevelItem(i);
        texts << (heading->isExpanded() ? QStringLiteral("+") : QString()) + heading->text(0);
        for (int j = 0; j < heading->childCount(); ++j)
            texts << QStringLiteral("  ") + heading->child(j)->text(0);
    }
    return texts;
}

void PressKeys(QWidget* target, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
}

}

// The main window's commands, menus and views, driven as the controller and
// the user drive them, before any loan book is open.
class TestMainFormCommands : public QObject
{
    Q_OBJECT

private slots:
    void mainMenu()
    {
        TTestProgram program;
        TMainForm form(program.Parts);
        QCOMPARE(Captions(form.menuBar()->actions()),
                 (QStringList{"Файл >", "Отчёты >", "Действия >", "Настройки >", "Развлечения >", "Помощь >"}));
        QCOMPARE(Captions(TopMenu(form, "FileMenu")->actions()),
                 (QStringList{"Подключиться к другой базе данных...", "Последние подключённые базы данных >",
                              "Восстановить из резервной копии…", "-", "Выход"}));
        QMenu* reports = TopMenu(form, "ReportsMenu");
        QCOMPARE(Captions(reports->actions()),
                 (QStringList{"Должники на заданное число...", "Все задолжники", "Платежи...", "Интересные факты",
                              "Месячный прогноз...", "-", "Заявления >"}));
        QCOMPARE(Captions(reports->actions().last()->menu()->actions()), (QStringList{"Досрочное погашение", "Отсрочка"}));
        QCOMPARE(Captions(TopMenu(form, "ActionsMenu")->actions()),
                 (QStringList{"Внести платёж", "Добавить кредит", "Добавить должника", "-",
                              "Проиндексировать просрочки"}));
        QCOMPARE(Captions(TopMenu(form, "SettingsMenu")->actions()), QStringList{"Сведения о фирме"});
        QCOMPARE(Captions(TopMenu(form, "FunMenu")->actions()), QStringList{"Игра :)"});
        QCOMPARE(Captions(TopMenu(form, "HelpMenu")->actions()), (QStringList{"Помощь", "-", "О программе"}));
    }

    // The recent books, newest first, each under its full path with a picture.
    void recentDatabasesSubmenu()
    {
        TTestProgram program;
        TMainForm form(program.Parts);
        const QStringList entries{"/books/old.s3db", "/books/Tom & Jerry.s3db", "/books/new.s3db"};
        form.RefreshHistoryMenu(program.History, entries);
        QMenu* history = Find<QMenu>(&form, "HistoryMenuItem");
        QCOMPARE(Captions(history->actions()),
                 (QStringList{"/books/new.s3db", "/books/Tom & Jerry.s3db", "/books/old.s3db"}));
        for (QAction* item : history->actions())
            QVERIFY(!item->icon().isNull());
        QVERIFY(history->menuAction()->isEnabled());
        form.RefreshHistoryMenu(program.History, {});
        QTRY_VERIFY(history->actions().isEmpty());
        QVERIFY(!history->menuAction()->isEnabled());
    }

    void popupMenusWithTheirDefaultItems()
    {
        TTestProgram program;
        TMainForm form(program.Parts);
        const auto* credits = Find<QMenu>(&form, "CreditsPopupMenu");
        QCOMPARE(Captions(credits->actions()),
                 (QStringList{"График выплат", "История платежей", "-", "Внести платёж", "-", "Удалить"}));
        QCOMPARE(credits->defaultAction(), Action(form, "ShowCreditAction"));
        const auto* debtors = Find<QMenu>(&form, "DebtorsPopupMenu");
        QCOMPARE(Captions(debtors->actions()),
                 (QStringList{"Редактировать", "-", "Добавить кредит", "Внести платёж", "-", "Удалить"}));
        QCOMPARE(debtors->defaultAction(), Action(form, "EditDebtorAction"));
        QCOMPARE(Captions(Find<QMenu>(&form, "TreePopupMenu")->actions()),
                 (QStringList{"Копировать", "-", "Найти на Яндекс.Картах"}));
    }

    void toolBarOfLargePicturesWithCaptions()
    {
        TTestProgram program;
        TMainForm form(program.Parts);
        auto* toolBar = Find<QToolBar>(&form, "ToolBar");
        QCOMPARE(Captions(toolBar->actions()),
                 (QStringList{"Внести платёж", "-", "Добавить кредит", "-", "Добавить должника", "-", "Обновить"}));
        QCOMPARE(toolBar->iconSize(), QSize(48, 48));
        QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
        for (QAction* action : toolBar->actions())
            if (!action->isSeparator())
                QVERIFY2(!action->icon().pixmap(48).isNull(), qPrintable(action->text()));
        QAction* update = Action(form, "UpdateAction");
        QCOMPARE(update->toolTip(), QStringLiteral("Обновить список должников (F5)"));
        QCOMPARE(update->shortcut(), QKeySequence(Qt::Key_F5));
    }

    // What a credit command may do depends on the line selected in the credits list.
    void creditCommandsFollowTheSelection_data()
    {
        QTest::addColumn<QString>("selected"); // the selected line's credit, none: no selection
        QTest::addColumn<bool>("creditCommands");
        QTest::addColumn<bool>("payment");
        QTest::newRow("no credit selected") << "" << false << false;
        QTest::newRow("active credit") << "active" << true << true;
        QTest::newRow("repaid credit") << "repaid" << true << false;
    }
    void creditCommandsFollowTheSelection()
    {
        QFETCH(QString, selected);
        QFETCH(bool, creditCommands);
        QFETCH(bool, payment);
        TTestProgram program;
        TMainForm form(program.Parts);
        TCreditsList credits;
        credits.Add(Credit(1, false));
        credits.Add(Credit(2, true));
        form.ShowCredits(&credits);
        auto* list = Find<QTreeWidget>(&form, "CreditsListView");
        QCOMPARE(list->topLevelItemCount(), 2);
        if (!selected.isEmpty())
            list->setCurrentItem(list->topLevelItem(selected == "active" ? 0 : 1));
        Idle();
        for (const char* name : {"ShowCreditAction", "ShowCreditPaymentsHistoryAction", "DeleteCreditAction"})
            QVERIFY2(Action(form, name)->isEnabled() == creditCommands, name);
        QCOMPARE(Action(form, "MakeCreditPaymentAction")->isEnabled(), payment);
        // These need no debtor (the debtor's own ones wait for a listed debtor).
        for (const char* name : {"AddDebtorAction", "UpdateAction"})
            QVERIFY2(Action(form, name)->isEnabled(), name);

        // Another debtor's credits replace the lines: nothing is selected any more.
        TCreditsList others;
        others.Add(Credit(3, false));
        form.ShowCredits(&others);
        Idle();
        QVERIFY(!Action(form, "ShowCreditAction")->isEnabled());
        QVERIFY(!Action(form, "MakeCreditPaymentAction")->isEnabled());
    }

    void detailsTree_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("everything known")
            << true
            << QStringList{"+ФИО", "  Иванова Анна Петровна", "+Паспорт", "  Серия: 4509", "  Номер: 123456",
                           "  Выдан: ОВД Тверского района г. Москвы", "+Адрес", "  Индекс: 170000",
                           "  Область/край: Тверская обл.", "  Район: Калининский", "  Город: Тверь",
                           "  Улица: Советская", "  Дом: 12", "  Квартира: 5", "+Телефоны", "  8 (4822) 32-15-00"};
        QTest::newRow("no passport, no address")
            << false << QStringList{"+ФИО", "  Петров Иван", "Паспорт", "Адрес", "+Телефоны", "  8 (4822) 32-15-00"};
    }
    void detailsTree()
    {
        QFETCH(bool, full);
        QFETCH(QStringList, texts);
        TTestProgram program;
        TMainForm form(program.Parts);
        TDebtor debtor = FullDebtor();
        if (!full) {
            TDebtor bare;
            bare.Surname = QStringLiteral("  Петров");
            bare.SetName(QStringLiteral("Иван"));
            bare.Telephone = debtor.Telephone;
            debtor = bare;
        }
        form.ShowDebtorDetails(&debtor);
        QCOMPARE(TreeTexts(Find<QTreeWidget>(&form, "DebtorsTreeView")), texts);
        // Without a debtor the tree stays as it is.
        form.ShowDebtorDetails(nullptr);
        QCOMPARE(TreeTexts(Find<QTreeWidget>(&form, "DebtorsTreeView")), texts);
    }

    void copyingADetailLine_data()
    {
        QTest::addColumn<bool>("select");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("copied");
        QTest::newRow("Ctrl+C on a line") << true << int(Qt::ControlModifier) << "Серия: 4509";
        QTest::newRow("Ctrl+Shift+C") << true << int(Qt::ControlModifier | Qt::ShiftModifier) << "";
        QTest::newRow("Ctrl+C, nothing selected") << false << int(Qt::ControlModifier) << "";
    }
    void copyingADetailLine()
    {
        QFETCH(bool, select);
        QFETCH(int, modifiers);
        QFETCH(QString, copied);
        TTestProgram program;
        TMainForm form(program.Parts);
        const TDebtor debtor = FullDebtor();
        form.ShowDebtorDetails(&debtor);
        auto* tree = Find<QTreeWidget>(&form, "DebtorsTreeView");
        QGuiApplication::clipboard()->clear();
        if (select)
            tree->setCurrentItem(tree->topLevelItem(1)->child(0));
        Idle();
        QCOMPARE(Action(form, "CopyNodeAction")->isEnabled(), select);
        PressKeys(tree, Qt::Key_C, Qt::KeyboardModifiers(modifiers));
        QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    }

    void legendTogglesOnEachClick()
    {
        TTestProgram program;
        TMainForm form(program.Parts);
        auto* legend = Find<QWidget>(&form, "LegendPanel");
        auto* link = Find<QLabel>(&form, "Label2");
        QCOMPARE(link->text(), QStringLiteral("Легенда"));
        QVERIFY(legend->isHidden());
        QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(!legend->isHidden());
        QCOMPARE(LabelText(legend, "ActiveDelayLegendLabel"), QStringLiteral("Должники, у которых есть активные просрочки"));
        QVERIFY(Find<QLabel>(legend, "RepeatedDelayLegendLabel")->font().bold());
        QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(legend->isHidden());
    }

    // The legend covers no row of the grid, and steps aside on Escape or on
    // a click anywhere else.
    void legendCoversNothingAndStepsAside_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("Escape") << true;
        QTest::newRow("click elsewhere") << false;
    }
    void legendCoversNothingAndStepsAside()
    {
        QFETCH(bool, escape);
        TTestProgram program;
        TMainForm form(program.Parts);
        form.QMainWindow::setVisible(true);
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* legend = Find<QWidget>(&form, "LegendPanel");
        auto* grid = Find<QTableView>(&form, "DBGrid1");
        QTest::mouseClick(Find<QLabel>(&form, "Label2"), Qt::LeftButton);
        QTRY_VERIFY(legend->isVisible());
        const QRect legendArea(legend->mapTo(&form, QPoint()), legend->size());
        const QRect gridArea(grid->mapTo(&form, QPoint()), grid->size());
        QVERIFY(!legendArea.intersects(gridArea));
        if (escape)
            QTest::keyClick(grid, Qt::Key_Escape);
        else
            QTest::mouseClick(grid->viewport(), Qt::LeftButton);
        QVERIFY(legend->isHidden());
    }

    void filters()
    {
        TTestProgram program;
        TMainForm form(program.Parts);
        auto* name = Find<TConstraintedEdit>(&form, "NameFilterEdit");
        QCOMPARE(name->InsideHint(), QStringLiteral("Начните набирать"));
        QCOMPARE(name->InsideHintColor(), QColor(192, 192, 192));
        QVERIFY(name->IsClearOnEnter());
        QCOMPARE(name->TypeWaitTimeMs(), 500u);
        auto* filter = Find<QComboBox>(&form, "FilterComboBox");
        // A choice, never a typed text: the box always names the filter in force.
        QVERIFY(!filter->isEditable());
        QCOMPARE(filter->currentText(), QStringLiteral("Не задан"));
        QCOMPARE(filter->itemText(1), QStringLiteral("Только вероятные задолжники"));
        // The labels that told of a first-letter-only filter are gone.
        for (const QLabel* label : form.findChildren<QLabel*>())
            QVERIFY(!label->text().contains(QStringLiteral("первая буква")));
    }

    void statusBar()
    {
        TTestProgram program;
        TMainForm form(program.Parts);
        form.ShowDatabaseInfo(QStringLiteral("/home/clerk/book.s3db"), nullptr);
        QCOMPARE(form.DatabasePanelText(), QStringLiteral("База: /home/clerk/book.s3db"));
        QCOMPARE(form.CompanyPanelText(), QString());
        TCompany company;
        company.CompanyName = QStringLiteral("ООО \"Ромашка\"");
        form.ShowDatabaseInfo(QStringLiteral("/home/clerk/other.s3db"), &company);
        QCOMPARE(form.CompanyPanelText(), QStringLiteral("Фирма: ООО \"Ромашка\""));
        // Without a company the company panel keeps what it showed.
        form.ShowDatabaseInfo(QStringLiteral("/home/clerk/third.s3db"), nullptr);
        QCOMPARE(form.DatabasePanelText(), QStringLiteral("База: /home/clerk/third.s3db"));
        QCOMPARE(form.CompanyPanelText(), QStringLiteral("Фирма: ООО \"Ромашка\""));
    }

    // The status bar and the title say which book: a file by its path, a
    // server book by its readable name, whether given that or its address.
    void statusBarNamesTheBook_data()
    {
        QTest::addColumn<QString>("book");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("title");
        QTest::newRow("file") << "/home/clerk/book.s3db" << "База: /home/clerk/book.s3db" << "book.s3db — Varnel";
        QTest::newRow("server book's name") << "book на db.office.local (clerk)"
                                            << "Сервер: book на db.office.local (clerk)"
                                            << "book на db.office.local (clerk) — Varnel";
        QTest::newRow("server book's address") << "postgresql:///book?host=/run/postgresql&port=5432&user=clerk"
                                               << "Сервер: book на этом компьютере (clerk)"
                                               << "book на этом компьютере (clerk) — Varnel";
        QTest::newRow("address without a readable name")
            << "postgresql://clerk:secret@a,b/book?password=secret&sslmode=require"
            << "Сервер: postgresql://clerk@a,b/book?sslmode=require"
            << "postgresql://clerk@a,b/book?sslmode=require — Varnel";
        QTest::newRow("several hosts, ports, password parameter only")
            << "postgresql://clerk@a:1,b:2/book?password=secret" << "Сервер: postgresql://clerk@a:1,b:2/book"
            << "postgresql://clerk@a:1,b:2/book — Varnel";
    }
    void statusBarNamesTheBook()
    {
        QFETCH(QString, book);
        QFETCH(QString, panel);
        QFETCH(QString, title);
        TTestProgram program;
        TMainForm form(program.Parts);
        form.ShowDatabaseInfo(book, nullptr);
        QCOMPARE(form.DatabasePanelText(), panel);
        QCOMPARE(form.windowTitle(), title);
    }
};

VARNEL_TEST_MAIN(TestMainFormCommands)

#include "TestMainFormCommands.moc"

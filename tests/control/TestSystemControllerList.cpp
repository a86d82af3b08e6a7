#include "ControllerBook.h"
#include "support/DialogScript.h"

#include "support/LoanBookFiles.h"

#include "settings/HistoryManager.h"
#include "settings/SimpleSettingsManager.h"

#include <QTest>
#include <QDialog>
#include <QTimer>

#include <sys/stat.h>

namespace {
const DateTime January20 = DateTime::FromYMD(2009, 1, 20);

// Every table and column is there, but reading the company fails.
QString BookWithUnreadableCompany(const QString& fileName)
{
    CreateLoanBookFile(fileName);
    TSQLiteConnection connection;
    connection.SetFileName(fileName);
    connection.Execute(QStringLiteral("ALTER TABLE CompanyInfo RENAME TO Company; CREATE VIEW CompanyInfo AS SELECT "
                                      "CompanyName, BossName FROM Company WHERE abs(-9223372036854775807 - 1) > 0"));
    return fileName;
}

QStringList Surnames(TResultSet* list)
{
    QStringList surnames;
    for (int row = 0; row < list->RowCount(); ++row)
        surnames << list->Text(row, list->ColumnIndex(QStringLiteral("Surname")));
    return surnames;
}
}

// The debtors list: what follows its current row, its filters, the overdue
// indexing triggers and switching loan books.
class TestSystemControllerList : public QObject
{
    Q_OBJECT

    std::unique_ptr<TControllerBook> m_book;
    TRecordingView m_view;
    QStringList m_printed;

    TSystemController& Start() { return m_book->Start(m_view, m_printed); }
    TResultSet* List() { return m_view.DataSet; }
    int RowOf(int debtorID) { return List()->FindRow(List()->ColumnIndex(QStringLiteral("DebtorID")), debtorID); }
    // The row the window was told to select; the controller acts for its debtor.
    int SelectedRow()
    {
        if (m_view.SelectedDebtorID != m_book->Controller().CurrentDebtorID())
            return -2;
        return RowOf(m_view.SelectedDebtorID);
    }

private slots:
    void init()
    {
        m_book = std::make_unique<TControllerBook>();
        m_view = TRecordingView();
        m_printed.clear();
    }
    void cleanup() { m_book.reset(); }

    // A refresh keeps the debtor at hand current wherever the list now puts
    // him; one that is gone leaves his place to his neighbour.
    void RefreshKeepsTheDebtor_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("current");
        QTest::newRow("another sorts before") << "add Алексеев" << "Егоров";
        QTest::newRow("his surname edited") << "rename Яковлев" << "Яковлев";
        QTest::newRow("he is deleted") << "delete" << "Жуков";
        QTest::newRow("the last one is deleted") << "delete last" << "Егоров";
    }
    void RefreshKeepsTheDebtor()
    {
        QFETCH(QString, change);
        QFETCH(QString, current);
        QList<int> ids;
        for (const char* surname : {"Борисов", "Васильев", "Григорьев", "Дмитриев", "Егоров", "Жуков"})
            ids << m_book->AddDebtor(QString::fromUtf8(surname));
        TSystemController& controller = Start();
        const int row = change == QStringLiteral("delete last") ? 5 : 4;
        controller.SelectDebtor(ids[row]);
        TDebtor debtor;
        debtor.SetID(ids[row]);
        m_book->Facade().LoadDebtor(debtor);
        if (change.startsWith(QStringLiteral("add"))) {
            m_book->AddDebtor(change.section(QLatin1Char(' '), 1));
        } else if (change.startsWith(QStringLiteral("rename"))) {
            debtor.Surname = change.section(QLatin1Char(' '), 1);
            m_book->Facade().UpdateDebtor(debtor);
        } else {
            m_book->Facade().DeleteDebtor(debtor.GetID());
        }
        controller.RefreshAll();
        QCOMPARE(List()->Text(SelectedRow(), QStringLiteral("Surname")), current);
        QCOMPARE(m_view.DetailsSurname(), current);
    }

    void CreditsAndDetailsFollowTheSelectedDebtor()
    {
        const int first = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int second = m_book->AddDebtor(QStringLiteral("Борисов"));
        const int firstCredit = m_book->AddCredit(first, January20);
        const int secondCredit = m_book->AddCredit(second, January20);
        TSystemController& controller = Start();
        QCOMPARE(m_view.CreditIDs, QList<int>({firstCredit}));
        QCOMPARE(SelectedRow(), 0);
        controller.SelectDebtor(second);
        QCOMPARE(m_view.CreditIDs, QList<int>({secondCredit}));
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Борисов"));
        QCOMPARE(m_view.Details->City, QStringLiteral("Красноярск"));
    }

    void NameFilterComparesTheTypedBeginning_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        // Russian alphabetical order: small and capital letters alike, Е and Ё side by side.
        QTest::newRow("nothing typed") << "" << QStringList({"NAMEless", "O\"Hara", "Smith", "Елкин", "Ёлкин", "Петров",
                                                              "петухов"});
        QTest::newRow("two Cyrillic letters, small") << "пе" << QStringList({"Петров", "петухов"});
        QTest::newRow("three, capitals") << "ПЕТ" << QStringList({"Петров", "петухов"});
        QTest::newRow("whole surname, mixed") << "пЕтРоВ" << QStringList({"Петров"});
        QTest::newRow("ё finds е") << "ёл" << QStringList({"Елкин", "Ёлкин"});
        QTest::newRow("е finds ё") << "ЕЛ" << QStringList({"Елкин", "Ёлкин"});
        QTest::newRow("Latin") << "sMI" << QStringList({"Smith"});
        QTest::newRow("a word that is a column elsewhere") << "NAME" << QStringList({"NAMEless"});
        QTest::newRow("double quote inside") << "o\"h" << QStringList({"O\"Hara"});
        QTest::newRow("double quote alone") << "\"" << QStringList();
        QTest::newRow("statement text") << "' OR 1=1 --" << QStringList();
        QTest::newRow("outside the file's letters") << "漢" << QStringList();
        QTest::newRow("longer than any") << "Петровский" << QStringList();
    }
    void NameFilterComparesTheTypedBeginning()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        for (const char* surname : {"Петров", "петухов", "Ёлкин", "Елкин", "Smith", "O\"Hara", "NAMEless"})
            m_book->AddDebtor(QString::fromUtf8(surname));
        TSystemController& controller = Start();
        controller.ApplyNameFilter(typed);
        QCOMPARE(Surnames(List()), found);
    }

    // Typed words begin the surname, the name and the patronymic, in this order.
    void NameFilterTakesWordsInOrder_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found"); // "surname name"
        QTest::newRow("surname") << "тестова" << QStringList({"Тестова Анна", "Тестова Ирина"});
        QTest::newRow("surname and name") << "тестова ир" << QStringList({"Тестова Ирина"});
        QTest::newRow("blanks around") << "  тестова   ир " << QStringList({"Тестова Ирина"});
        QTest::newRow("all three") << "Т И Олегов" << QStringList({"Тестова Ирина"});
        QTest::newRow("one word is the surname") << "ирина" << QStringList({"Ирина Тестова"});
        QTest::newRow("ё in a name") << "Королев Федор" << QStringList({"Королёв Фёдор"});
        QTest::newRow("patronymic of two words") << "мамедов али гусейн ог" << QStringList({"Мамедов Али"});
        QTest::newRow("patronymic that is missing") << "королев ф а" << QStringList();
    }
    void NameFilterTakesWordsInOrder()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        const char* const people[][3] = {{"Тестова", "Ирина", "Олеговна"},
                                         {"Тестова", "Анна", "Ивановна"},
                                         {"Ирина", "Тестова", "Олеговна"},
                                         {"Королёв", "Фёдор", ""},
                                         {"Мамедов", "Али", "Гусейн оглы"}};
        for (const auto& person : people) {
            TDebtor debtor;
            debtor.Surname = QString::fromUtf8(person[0]);
            debtor.SetName(QString::fromUtf8(person[1]));
            debtor.PatronymicName = QString::fromUtf8(person[2]);
            m_book->Facade().InsertDebtor(debtor);
        }
        TSystemController& controller = Start();
        controller.ApplyNameFilter(typed);
        QStringList names;
        for (int row = 0; row < List()->RowCount(); ++row)
            names << List()->Text(row, List()->ColumnIndex(QStringLiteral("Surname"))) + QLatin1Char(' ')
                    + List()->Text(row, List()->ColumnIndex(QStringLiteral("Name")));
        QCOMPARE(names, found);
    }

    // Both filters apply at once; neither clears the other.
    void FiltersCombine()
    {
        const int late = m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->AddCredit(late, DateTime::FromYMD(2008, 1, 20));
        m_book->AddDebtor(QStringLiteral("Борисов"));
        m_book->AddDebtor(QStringLiteral("Алтынов"));
        m_book->Facade().UpdateSchedulesDelay();
        TSystemController& controller = Start();
        controller.ApplyListFilter(1);
        QCOMPARE(Surnames(List()), QStringList({"Алексеев"}));
        controller.ApplyNameFilter(QStringLiteral("бор"));
        QCOMPARE(Surnames(List()), QStringList());
        controller.ApplyNameFilter(QStringLiteral("ал"));
        QCOMPARE(Surnames(List()), QStringList({"Алексеев"}));
        controller.ApplyListFilter(0);
        QCOMPARE(Surnames(List()), QStringList({"Алексеев", "Алтынов"}));
        controller.ApplyListFilter(1);
        controller.ApplyNameFilter(QString());
        QCOMPARE(Surnames(List()), QStringList({"Алексеев"}));
    }

    // A debtor found with a filter stays current when the filter goes.
    void FilterKeepsTheDebtorAtHand()
    {
        for (const char* surname : {"Алексеев", "Борисов", "Васильев"})
            m_book->AddDebtor(QString::fromUtf8(surname));
        TSystemController& controller = Start();
        controller.ApplyNameFilter(QStringLiteral("вас"));
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Васильев"));
        controller.ApplyNameFilter(QString());
        QCOMPARE(SelectedRow(), 2);
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Васильев"));
    }

    // Nothing listed, nothing shown: no details or credits of a hidden debtor.
    void FilterMatchingNothing_data()
    {
        QTest::addColumn<bool>("byName");
        QTest::newRow("filter box") << false;
        QTest::newRow("name filter") << true;
    }
    void FilterMatchingNothing()
    {
        QFETCH(bool, byName);
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        QCOMPARE(m_view.CreditIDs, QList<int>({creditID}));
        if (byName)
            controller.ApplyNameFilter(QStringLiteral("Я"));
        else
            controller.ApplyListFilter(1);
        QVERIFY(List()->IsEmpty());
        QCOMPARE(m_view.SelectedDebtorID, 0);
        QCOMPARE(controller.CurrentDebtorID(), 0);
        QCOMPARE(m_view.DetailsSurname(), QString());
        QVERIFY(m_view.CreditIDs.isEmpty());
        QVERIFY(controller.Credits().Count() == 0);
    }

    void IndexingIsDueAfterMoreThanADay_data()
    {
        QTest::addColumn<int>("minutesAgo"); // -1: never indexed
        QTest::addColumn<bool>("indexed");
        QTest::newRow("24 h 30 min") << 24 * 60 + 30 << false;
        QTest::newRow("25 h") << 25 * 60 << true;
        QTest::newRow("25 h ahead") << -25 * 60 << true;
        QTest::newRow("never") << -1 << true;
    }
    void IndexingIsDueAfterMoreThanADay()
    {
        QFETCH(int, minutesAgo);
        QFETCH(bool, indexed);
        if (minutesAgo != -1) {
            const DateTime now = TControllerBook::DefaultNow();
            const QDateTime last = QDateTime(now.Date(), now.Time()).addSecs(-60 * qint64(minutesAgo));
            m_book->Facade().InsertDataBaseState(DateTime(last.date(), last.time()));
        }
        TSystemController& controller = Start();
        TDialogScript script;
        controller.CheckOverdueIndexing();
        QCOMPARE(script.Events.contains(QStringLiteral("TScheduleDelayUpdateForm")), indexed);
        if (indexed)
            QCOMPARE(m_book->Facade().GetLastSchedulesDelayUpdate(), TControllerBook::DefaultNow());
    }

    void OverdueCheckRunsEveryQuarterHour()
    {
        TSystemController& controller = Start();
        QVERIFY(controller.OverdueTimer()->isActive());
        QCOMPARE(controller.OverdueTimer()->interval(), 900000);
    }

    // Entries of the recent-books menu that are no readable file are refused
    // before anything is touched, with the reason.
    void RecentEntryThatCannotBeOpened_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing" << "Файл «%1» не найден.";
        QTest::newRow("folder") << "folder" << "«%1» — это папка, а не файл.";
        QTest::newRow("named pipe") << "fifo"
                                    << "«%1» — не обычный файл (устройство, канал или сокет), его нельзя открыть.";
        QTest::newRow("device") << "device"
                                << "«%1» — не обычный файл (устройство, канал или сокет), его нельзя открыть.";
    }
    void RecentEntryThatCannotBeOpened()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        m_book->AddDebtor(QStringLiteral("Алексеев"));
        QString entry = m_book->Dir().filePath(QStringLiteral("нет такого.s3db"));
        if (kind == QLatin1String("folder"))
            entry = m_book->Dir().path();
        else if (kind == QLatin1String("device"))
            entry = QStringLiteral("/dev/null");
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(entry).constData(), 0600), 0);
        TSystemController& controller = Start();
        m_book->Program().History.Add(entry);
        TDialogScript script;

        controller.OpenRecentDatabase(int(m_book->Program().History.Entries().indexOf(entry)));
        QCOMPARE(script.Events, QStringList{QStringLiteral("box ") + reason.arg(entry)
                                            + QStringLiteral("\r\nРабота продолжается с прежней книгой займов.")});
        QCOMPARE(m_view.FileName, m_book->Path());
        QCOMPARE(m_book->Facade().Connection().FileName(), m_book->Path());
        QCOMPARE(Surnames(List()), QStringList({"Алексеев"}));
    }

    // A book whose tables were altered, and one whose company cannot be read
    // though every column is there: the window, the connection and the
    // stored setting stay on the book in use, and the next write goes there.
    void FailedSwitchLeavesEverythingOnTheBookInUse_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("shown");
        QTest::newRow("altered tables")
            << "altered"
            << "box В таблице «Debtors» базы данных нет столбца «Telephone».\r\nС такой базой данных система "
               "работать не может.\r\n\r\nНастроить подключение снова?";
        QTest::newRow("unreadable company")
            << "company" << "box Книгу займов «%1» открыть не удалось:\r\ninteger overflow\r\nРабота продолжается "
                            "с прежней книгой займов.";
    }
    void FailedSwitchLeavesEverythingOnTheBookInUse()
    {
        QFETCH(QString, kind);
        QFETCH(QString, shown);
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        const QString other = kind == QLatin1String("altered")
            ? LoanBookFiles::WithoutColumn(m_book->Dir(), QStringLiteral("other.s3db"), "Debtors", "Telephone")
            : BookWithUnreadableCompany(m_book->Dir().filePath(QStringLiteral("other.s3db")));
        m_book->Program().History.Add(other);
        TDialogScript script;
        script.Answer(QMessageBox::No);

        controller.OpenRecentDatabase(int(m_book->Program().History.Entries().indexOf(other)));
        QCOMPARE(script.Events.last(), shown.replace(QStringLiteral("%1"), other));
        QCOMPARE(m_view.FileName, m_book->Path());
        QCOMPARE(Surnames(List()), QStringList({"Алексеев"}));
        QCOMPARE(m_view.CreditIDs, QList<int>({creditID}));
        QCOMPARE(m_book->Facade().Connection().FileName(), m_book->Path());
        m_book->Pay(creditID, "100", January20.AddDays(3));
        QCOMPARE(m_book->Count(QStringLiteral("SELECT Count(*) FROM PaymentHistory")), 1);
        QCOMPARE(m_book->Program().Settings
                     .GetSetting(QStringLiteral("DataSourceConnectionString"), QStringLiteral("ConnectionString"),
                                 QString()),
                 m_book->Path());
    }

    // Another program's commit reaches the lists at the next look, with the
    // same debtor selected though rows were added before it; not while a
    // dialog is open, and not again without a new commit.
    void ReloadAfterAnotherProgramWrote()
    {
        m_book->AddDebtor(QStringLiteral("Борисов"));
        const int chosen = m_book->AddDebtor(QStringLiteral("Васильев"));
        TSystemController& controller = Start();
        controller.SelectDebtor(chosen);
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Васильев"));
        controller.CheckBookWrittenElsewhere();
        QCOMPARE(List()->RowCount(), 2);

        TSQLiteConnection other;
        other.SetFileName(m_book->Path());
        other.Execute(QStringLiteral("INSERT INTO Debtors (Surname, Name) VALUES ('Абрамов', 'Олег')"));
        const int credit = m_book->AddCredit(chosen, January20); // this program's own write
        QDialog dialog;
        dialog.setModal(true);
        dialog.show();
        controller.CheckBookWrittenElsewhere();
        QCOMPARE(List()->RowCount(), 2);
        dialog.close();

        controller.CheckBookWrittenElsewhere();
        QCOMPARE(List()->RowCount(), 3);
        QCOMPARE(SelectedRow(), 2);
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Васильев"));
        QCOMPARE(m_view.CreditIDs, QList<int>({credit}));
        const int shownBefore = m_view.CreditsShown;
        controller.CheckBookWrittenElsewhere();
        QCOMPARE(m_view.CreditsShown, shownBefore);
    }

    void SwitchToAnotherBookAndBack()
    {
        m_book->AddDebtor(QStringLiteral("Алексеев"));
        const QString other = m_book->Dir().filePath(QStringLiteral("other.s3db"));
        CreateLoanBookFile(other);
        TSystemController& controller = Start();
        TDialogScript script;
        controller.SwitchDatabase(other);
        QCOMPARE(m_view.FileName, other);
        QVERIFY(List()->IsEmpty());
        QVERIFY(m_view.CreditIDs.isEmpty());
        QVERIFY(m_view.DetailsSurname().isEmpty());
        const int back = int(m_book->Program().History.Entries().indexOf(m_book->Path()));
        QVERIFY(back >= 0);
        // The name filter's condition goes with the list to the reopened book.
        controller.ApplyNameFilter(QStringLiteral("ал"));
        controller.OpenRecentDatabase(back);
        QCOMPARE(m_view.FileName, m_book->Path());
        QCOMPARE(Surnames(List()), QStringList({"Алексеев"}));
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Алексеев"));
        controller.OpenRecentDatabase(99);
        QCOMPARE(m_view.FileName, m_book->Path());
    }
};

VARNEL_TEST_MAIN(TestSystemControllerList)
#include "TestSystemControllerList.moc"

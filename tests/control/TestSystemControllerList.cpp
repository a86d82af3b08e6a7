#include "ControllerBook.h"
#include "support/DialogScript.h"

#include "control/HistoryManager.h"

#include <QTest>
#include <QTimer>

namespace {
const DateTime January20 = DateTime::FromYMD(2009, 1, 20);

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

private slots:
    void init()
    {
        m_book = std::make_unique<TControllerBook>();
        m_view = TRecordingView();
        m_printed.clear();
    }
    void cleanup() { m_book.reset(); }

    void ListShowsItsColumnsUnderTheirCaptions()
    {
        m_book->AddDebtor(QStringLiteral("Алексеев"));
        Start();
        QStringList captions;
        QList<int> widths;
        for (int i = 0; i < List()->ColumnCount(); ++i) {
            captions << List()->Column(i).Caption();
            widths << List()->Column(i).DisplayWidth();
        }
        QCOMPARE(captions, QStringList({"Код", "Фамилия", "Имя", "Отчество", "Просрочек всего", "Активных просрочек"}));
        QCOMPARE(widths.mid(1), QList<int>({25, 25, 25, 20, 20}));
    }

    void RefreshKeepsThePositionNotTheDebtor()
    {
        for (const char* surname : {"Борисов", "Васильев", "Григорьев", "Дмитриев", "Егоров", "Жуков"})
            m_book->AddDebtor(QString::fromUtf8(surname));
        TSystemController& controller = Start();
        List()->SetCurrentRow(5);
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Жуков"));
        m_book->AddDebtor(QStringLiteral("Алексеев"));
        controller.RefreshAll();
        QCOMPARE(List()->CurrentRow(), 5);
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Егоров"));
    }

    void CreditsAndDetailsFollowTheCurrentRow()
    {
        const int first = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int second = m_book->AddDebtor(QStringLiteral("Борисов"));
        const int firstCredit = m_book->AddCredit(first, January20);
        const int secondCredit = m_book->AddCredit(second, January20);
        Start();
        QCOMPARE(m_view.CreditIDs, QList<int>({firstCredit}));
        List()->SetCurrentRow(1);
        QCOMPARE(m_view.CreditIDs, QList<int>({secondCredit}));
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Борисов"));
        QCOMPARE(m_view.Details->City, QStringLiteral("Красноярск"));
    }

    void NameFilterComparesTheTypedBeginning_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("nothing typed") << "" << QStringList({"NAMEless", "O\"Hara", "Smith", "Ёлкин", "Елкин", "Петров",
                                                              "петухов"});
        QTest::newRow("two Cyrillic letters, small") << "пе" << QStringList({"Петров", "петухов"});
        QTest::newRow("three, capitals") << "ПЕТ" << QStringList({"Петров", "петухов"});
        QTest::newRow("whole surname, mixed") << "пЕтРоВ" << QStringList({"Петров"});
        QTest::newRow("ё as typed") << "ёл" << QStringList({"Ёлкин"});
        QTest::newRow("е as typed") << "ЕЛ" << QStringList({"Елкин"});
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

    void FiltersReplaceEachOther()
    {
        const int late = m_book->AddDebtor(QStringLiteral("Алексеев"));
        m_book->AddCredit(late, DateTime::FromYMD(2008, 1, 20));
        m_book->AddDebtor(QStringLiteral("Борисов"));
        m_book->Facade().UpdateSchedulesDelay();
        TSystemController& controller = Start();
        controller.ApplyListFilter(1);
        QCOMPARE(Surnames(List()), QStringList({"Алексеев"}));
        controller.ApplyNameFilter(QStringLiteral("бор"));
        QCOMPARE(Surnames(List()), QStringList({"Борисов"}));
        // Typed text in the filter box keeps the condition and refreshes.
        controller.ApplyListFilter(-1);
        QCOMPARE(Surnames(List()), QStringList({"Борисов"}));
        controller.ApplyListFilter(1);
        controller.ApplyNameFilter(QString());
        QCOMPARE(Surnames(List()), QStringList({"Алексеев", "Борисов"}));
    }

    void FilterMatchingNothing_data()
    {
        QTest::addColumn<bool>("byName");
        QTest::addColumn<QString>("detailsAfter");
        QTest::newRow("filter box empties credits and details") << false << "";
        QTest::newRow("name filter keeps them") << true << "Алексеев";
    }
    void FilterMatchingNothing()
    {
        QFETCH(bool, byName);
        QFETCH(QString, detailsAfter);
        const int debtorID = m_book->AddDebtor(QStringLiteral("Алексеев"));
        const int creditID = m_book->AddCredit(debtorID, January20);
        TSystemController& controller = Start();
        QCOMPARE(m_view.CreditIDs, QList<int>({creditID}));
        if (byName)
            controller.ApplyNameFilter(QStringLiteral("Я"));
        else
            controller.ApplyListFilter(1);
        QVERIFY(List()->IsEmpty());
        QCOMPARE(m_view.DetailsSurname(), detailsAfter);
        QCOMPARE(m_view.CreditIDs.isEmpty(), !byName);
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

    void SwitchToAMissingFileKeepsTheBookInUse()
    {
        m_book->AddDebtor(QStringLiteral("Алексеев"));
        TSystemController& controller = Start();
        const QString historyFile = m_book->Dir().filePath(QStringLiteral("AppData/Tolvik/Varnel/1.0/DBHistory.txt"));
        QFile::remove(historyFile);
        TDialogScript script;
        controller.SwitchDatabase(m_book->Dir().filePath(QStringLiteral("нет такого.s3db")));
        QCOMPARE(m_view.FileName, m_book->Path());
        QCOMPARE(Surnames(List()), QStringList({"Алексеев"}));
        QCOMPARE(m_view.DetailsSurname(), QStringLiteral("Алексеев"));
        QVERIFY(QFile::exists(historyFile));
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
        const int back = int(HistoryManager().Entries().indexOf(m_book->Path()));
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

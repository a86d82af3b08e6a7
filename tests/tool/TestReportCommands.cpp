#include "ToolRun.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sqlite3.h>

// The words, decline and report commands, run as a user would.
class TestReportCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_book;

    void Execute(const char* sql)
    {
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(m_book.toUtf8().constData(), &db), SQLITE_OK);
        QCOMPARE(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }

private slots:
    void initTestCase()
    {
        m_book = m_dir.filePath(QStringLiteral("book.s3db"));
        QVERIFY(QFile::copy(QStringLiteral(VARNEL_TEST_DATA_DIR "/legacy-loanbook.s3db"), m_book));
        QFile::setPermissions(m_book, QFile::ReadOwner | QFile::WriteOwner);
        // A surname typed with markup, stored in Windows-1251 as the program stores it ("<b>Жирный</b>").
        Execute("UPDATE Debtors SET Surname = '<b>\xC6\xE8\xF0\xED\xFB\xE9</b>' WHERE DebtorID = 3");
    }

    void Commands_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::newRow("decline") << QStringList { "decline", "--case", "3", "Кузнецов Пётр Алексеевич" } << 0
                                 << "Кузнецову Петру Алексеевичу\n";
        QTest::newRow("decline, words apart") << QStringList { "decline", "--case", "2", "Петрова", "Мария", "Сергеевна" }
                                              << 0 << "Петровой Марии Сергеевны\n";
        QTest::newRow("sex") << QStringList { "decline", "--sex", "Ильинична" } << 0 << "2\n";
        QTest::newRow("case 7") << QStringList { "decline", "--case", "7", "Иванов" } << 2 << "";
        QTest::newRow("case and sex") << QStringList { "decline", "--case", "2", "--sex", "Иванович" } << 2 << "";
    }
    void Commands()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const Run run = RunTool(arguments);
        QCOMPARE(run.ExitCode, exitCode);
        QCOMPARE(run.Out, output);
    }

    // Amounts as a clerk writes them are spelled; anything else is refused with the reason.
    void Words_data()
    {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        const QString nbsp = QString(QChar(0x00A0));
        QTest::newRow("point") << "100.005" << 0 << "Сто рублей 01 копейка\n";
        QTest::newRow("comma, negative") << "-0,5" << 0 << "Минус ноль рублей 50 копеек\n";
        QTest::newRow("thousands blank") << "1 000" << 0 << "Одна тысяча рублей 00 копеек\n";
        QTest::newRow("no-break blanks, comma") << "12" + nbsp + "345" + nbsp + "678,90" << 0
                                                << "Двенадцать миллионов триста сорок пять тысяч шестьсот семьдесят "
                                                   "восемь рублей 90 копеек\n";
        QTest::newRow("blanks around") << "  7  " << 0 << "Семь рублей 00 копеек\n";
        QTest::newRow("largest") << "999 999 999 999,99" << 0
                                 << "Девятьсот девяносто девять миллиардов девятьсот девяносто девять миллионов "
                                    "девятьсот девяносто девять тысяч девятьсот девяносто девять рублей 99 копеек\n";
        const QString badForm = "ожидаются цифры";
        QTest::newRow("exponent") << "1e5" << 2 << badForm;
        QTest::newRow("two minus signs") << "--5" << 2 << badForm;
        QTest::newRow("word") << "сто" << 2 << badForm;
        QTest::newRow("misplaced blank") << "1000 000" << 2 << badForm;
        QTest::newRow("two decimal marks") << "1,000.5" << 2 << badForm;
        QTest::newRow("five decimals") << "1,00001" << 2 << "после запятой не больше четырёх цифр";
        QTest::newRow("past the limit") << "1 000 000 000 000" << 2 << "не больше 999 999 999 999,99";
        QTest::newRow("past the limit by rounding") << "999999999999,995" << 2 << "не больше 999 999 999 999,99";
    }
    void Words()
    {
        QFETCH(QString, amount);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        const Run run = RunTool({ QStringLiteral("words"), amount });
        QCOMPARE(run.ExitCode, exitCode);
        if (exitCode == 0) {
            QCOMPARE(run.Out, output);
        } else {
            QVERIFY2(run.Err.contains(QStringLiteral("«%1»").arg(amount)), qPrintable(run.Err));
            QVERIFY2(run.Err.contains(output), qPrintable(run.Err));
        }
    }

    void Reports_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("text");
        QTest::newRow("credit-schedule") << QStringList { "credit-schedule", "--credit", "1" } << "10 661,85";
        QTest::newRow("payment-order") << QStringList { "payment-order", "--payment", "2" }
                                       << "Восемьсот восемьдесят восемь рублей 49 копеек";
        QTest::newRow("payment-history") << QStringList { "payment-history", "--credit", "1" } << "1 776,98";
        QTest::newRow("debtors-for-date") << QStringList { "debtors-for-date", "--date", "2009-04-28" }
                                          << "&lt;b&gt;Жирный&lt;/b&gt; Пётр";
        QTest::newRow("insolvent") << QStringList { "insolvent", "--today", "2009-05-20" } << "Все задолжники на 20.05.2009";
        QTest::newRow("payments-for-date") << QStringList { "payments-for-date", "--date", "2009-03-15" } << "888,49";
        QTest::newRow("statistics") << QStringList { "statistics" } << "63 000,00";
        QTest::newRow("month-forecast") << QStringList { "month-forecast", "--month", "5", "--year", "2009" } << "мае 2009";
        QTest::newRow("ahead-statement") << QStringList { "ahead-statement", "--debtor", "2" } << "от Петровой Марии Сергеевны";
        QTest::newRow("respite-statement") << QStringList { "respite-statement", "--debtor", "1" } << "Кузнецову Петру";
    }
    // Every document as HTML, its values escaped; and as PDF.
    void Reports()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, text);
        const QString html = m_dir.filePath(arguments.first() + QStringLiteral(".html"));
        QStringList command { QStringLiteral("report"), arguments.first(), m_book, QStringLiteral("--out"), html };
        command << arguments.mid(1);
        const Run run = RunTool(command);
        QVERIFY2(run.ExitCode == 0, qPrintable(run.Err));
        QFile file(html);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Grouped digits are kept apart by no-break spaces.
        const QString written = QString::fromUtf8(file.readAll()).replace(QChar(0x00A0), QLatin1Char(' '));
        QVERIFY2(written.contains(text), qPrintable(text));
        QVERIFY(!written.contains(QStringLiteral("<b>Жирный")));

        const QString pdf = m_dir.filePath(arguments.first() + QStringLiteral(".pdf"));
        command[4] = pdf;
        QCOMPARE(RunTool(command).ExitCode, 0);
        QFile written2(pdf);
        QVERIFY(written2.open(QIODevice::ReadOnly));
        QVERIFY(written2.read(5) == "%PDF-");
    }

    void ReportFailures_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString out = m_dir.filePath(QStringLiteral("x.pdf"));
        QTest::newRow("unknown kind") << QStringList { "report", "ledger", m_book, "--out", out } << 2 << "Неизвестный вид отчёта: ledger";
        QTest::newRow("no --out") << QStringList { "report", "statistics", m_book } << 2 << "Не задан параметр --out";
        QTest::newRow("odd output") << QStringList { "report", "statistics", m_book, "--out", "x.doc" } << 2 << "x.doc";
        QTest::newRow("credit needed") << QStringList { "report", "credit-schedule", m_book, "--out", out } << 2
                                       << "Не задан параметр --credit";
        QTest::newRow("no such credit") << QStringList { "report", "credit-schedule", m_book, "--out", out, "--credit", "99" }
                                        << 1 << "99";
        QTest::newRow("no such payment") << QStringList { "report", "payment-order", m_book, "--out", out, "--payment", "99" }
                                         << 1 << "Платёж 99 не существует.";
        QTest::newRow("no such debtor") << QStringList { "report", "ahead-statement", m_book, "--out", out, "--debtor", "99" }
                                        << 1 << "ФИО коммерческого директора не заполнено";
        QTest::newRow("no such book") << QStringList { "report", "statistics", m_dir.filePath("none.s3db"), "--out", out }
                                      << 1 << "не существует";
        QTest::newRow("month 13") << QStringList { "report", "month-forecast", m_book, "--out", out, "--month", "13", "--year", "2009" }
                                  << 1 << "";
    }
    void ReportFailures()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Run run = RunTool(arguments);
        QCOMPARE(run.ExitCode, exitCode);
        QVERIFY2(run.Err.contains(message), qPrintable(run.Err));
    }
};

QTEST_GUILESS_MAIN(TestReportCommands)
#include "TestReportCommands.moc"

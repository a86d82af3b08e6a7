// The loan book's use cases from the command line: a book set up in a few
// lines, the window's messages on refusal, the exit codes of every command.

#include "ToolRun.h"
#include "support/DataTestSupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace DataTest;

class TestUseCaseCommands : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_book;

    Run Tool(const QString& command, QStringList arguments)
    {
        arguments.prepend(m_book);
        arguments.prepend(command);
        return RunToolInProcess(arguments);
    }
    QByteArray Raw(const QByteArray& sql) const { return RawValue(m_book, sql); }

    // A debtor and his credit of 10 000 over 12 months at 12 % from 20 January 2026.
    QString DebtorWithCredit()
    {
        const Run debtor = Tool(QStringLiteral("add-debtor"),
                                { QStringLiteral("--surname"), QStringLiteral("Аксёнова"), QStringLiteral("--name"),
                                  QStringLiteral("Ирина"), QStringLiteral("--phone"), QStringLiteral("+7 912") });
        const Run credit = Tool(QStringLiteral("add-credit"),
                                { QStringLiteral("--debtor"), debtor.Out, QStringLiteral("--size=10000"),
                                  QStringLiteral("--period=12"), QStringLiteral("--rate=12"), QStringLiteral("--day=15"),
                                  QStringLiteral("--start=2026-01-20"), QStringLiteral("--contract=К-7") });
        return credit.Out;
    }

private slots:
    void init()
    {
        PinLocale();
        m_book = NewLoanBook(m_dir, QStringLiteral("book%1.s3db").arg(QTest::currentDataTag()));
    }

    void bookSetUpInLines()
    {
        const QString credit = DebtorWithCredit();
        QCOMPARE(credit, QStringLiteral("1"));
        QCOMPARE(Raw("SELECT Telephone || ' ' || FullMustBePaymentSum || ' ' || "
                     "(SELECT Count(*) FROM PaymentSchedule) FROM Debtors, Credits"),
                 QByteArray("+7 912 10661.8548 12"));
        const Run ahead = Tool(QStringLiteral("pay"), { QStringLiteral("--credit"), credit, QStringLiteral("--amount=5000"),
                                                       QStringLiteral("--recalculate"), QStringLiteral("--today=2026-03-01") });
        QCOMPARE(ahead.ExitCode, 0);
        QCOMPARE(ahead.Out, QStringLiteral("1"));
        const Run kept = Tool(QStringLiteral("pay"), { QStringLiteral("--credit"), credit, QStringLiteral("--amount=100"),
                                                      QStringLiteral("--today=2026-03-02") });
        QCOMPARE(kept.Out, QStringLiteral("2"));
        QCOMPARE(Raw("SELECT group_concat(PaymentSum || '+' || AheadSum, ' ') FROM PaymentHistory"),
                 QByteArray("1776.9758+3223.0242 100+0"));
        QCOMPARE(Raw("SELECT Abs(FullMustBePaymentSum - (SELECT Sum(Annua) FROM PaymentSchedule)) < 0.00001 "
                     "AND PaymentsSum = 1876.9758 FROM Credits"),
                 QByteArray("1"));
        const Run cancelled = Tool(QStringLiteral("cancel-payment"), { QStringLiteral("--credit"), credit });
        QCOMPARE(cancelled.ExitCode, 0);
        QCOMPARE(Raw("SELECT Count(*) FROM PaymentHistory"), QByteArray("1"));
        QCOMPARE(Tool(QStringLiteral("check"), {}).ExitCode, 0);
        QCOMPARE(Tool(QStringLiteral("delete-debtor"), { QStringLiteral("--debtor=1") }).ExitCode, 0);
        QCOMPARE(Raw("SELECT (SELECT Count(*) FROM Debtors) + (SELECT Count(*) FROM Credits) "
                     "+ (SELECT Count(*) FROM PaymentSchedule) + (SELECT Count(*) FROM PaymentHistory)"),
                 QByteArray("0"));
    }

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after the book; %1 is the credit's code
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("payment of nothing") << QStringList{ "pay", "--credit=%1", "--amount=0" } << 1
                                            << "Платёж должен быть больше нуля.";
        QTest::newRow("part of a kopeck") << QStringList{ "pay", "--credit=%1", "--amount=1.001" } << 1
                                          << "В сумме не больше двух цифр после запятой.";
        QTest::newRow("above the debt") << QStringList{ "pay", "--credit=%1", "--amount=20000" } << 1
                                        << "Платёж не может быть больше оставшегося долга.";
        QTest::newRow("no such credit") << QStringList{ "pay", "--credit=99", "--amount=10" } << 1
                                        << "Кредит 99 не существует.";
        QTest::newRow("amount missing") << QStringList{ "pay", "--credit=%1" } << 2 << "Не задан параметр --amount";
        QTest::newRow("nothing to cancel") << QStringList{ "cancel-payment", "--credit=%1" } << 1
                                           << "По этому кредиту нет платежей.";
        QTest::newRow("debtor without a surname")
            << QStringList{ "add-debtor", "--surname= ", "--name=Ирина" } << 1 << "Введите фамилию.";
        QTest::newRow("credit for nobody")
            << QStringList{ "add-credit", "--debtor=5", "--size=100", "--period=2", "--rate=1", "--day=1",
                            "--start=2026-01-01" }
            << 1 << "Должник 5 не существует.";
        QTest::newRow("credit below a rouble")
            << QStringList{ "add-credit", "--debtor=1", "--size=0.5", "--period=2", "--rate=1", "--day=1",
                            "--start=2026-01-01" }
            << 1 << "Кредит не может быть меньше одного рубля.";
        QTest::newRow("day beyond the 28th")
            << QStringList{ "add-credit", "--debtor=1", "--size=100", "--period=2", "--rate=1", "--day=31",
                            "--start=2026-01-01" }
            << 1 << "Число выплаты: от 1 до 28.";
        QTest::newRow("nobody to delete") << QStringList{ "delete-debtor", "--debtor=8" } << 1
                                          << "Должник 8 не существует.";
        QTest::newRow("a flag with a value") << QStringList{ "pay", "--credit=%1", "--amount=5", "--recalculate=1" }
                                             << 2 << "Параметр --recalculate задаётся без значения";
    }

    void refusalsWriteNothing()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const QString credit = DebtorWithCredit();
        const QByteArray before = DumpContent(m_book);
        const QString command = arguments.takeFirst();
        for (QString& argument : arguments)
            argument.replace(QStringLiteral("%1"), credit);
        const Run run = Tool(command, arguments);
        QCOMPARE(run.ExitCode, exitCode);
        QCOMPARE(run.Err.section(u'\n', 0, 0), message);
        QCOMPARE(DumpContent(m_book), before);
    }
};

QTEST_GUILESS_MAIN(TestUseCaseCommands)
#include "TestUseCaseCommands.moc"

#include "data/DataAccessFacade.h"
#include "data/DataExceptions.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Company.h"
#include "domain/Exception.h"
#include "reports/DeclensionService.h"
#include "reports/ReportExceptions.h"
#include "reports/ReportManager.h"
#include "reports/ReportPageLayout.h"
#include "reports/ReportPreview.h"
#include "reports/ReportRuns.h"

#include "reports/ReportDocument.h"
#include <QtTest>

namespace {

// Keeps what the preview would have shown; with VARNEL_REPORT_PDF_DIR set it
// also writes each page as PDF there, for looking at the documents.
class TCapturingPreview : public IReportPreview
{
public:
    void ShowReport(TReportDocument& document, const QString& title) override
    {
        Titles.append(title);
        Texts.append(document.ToPlainText());
        const QString folder = qEnvironmentVariable("VARNEL_REPORT_PDF_DIR");
        if (!folder.isEmpty())
            WriteReportPdf(document, QDir(folder).filePath(QStringLiteral("%1-%2.pdf").arg(Name).arg(Titles.size())));
    }
    QString Name;
    QStringList Titles;
    QStringList Texts;
};

}

// Every document from the legacy loan book, checked for the values it must carry.
class TestReportRuns : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<TDataAccessFacade> m_facade;
    TDeclensionService m_declension { QStringLiteral(VARNEL_BIN_DIR "/padeg") };
    TReportManager m_manager { QStringLiteral(VARNEL_BIN_DIR "/") };
    TCapturingPreview m_preview;
    std::unique_ptr<TReportRuns> m_runs;

    QString LastText() const { return m_preview.Texts.isEmpty() ? QString() : m_preview.Texts.last(); }

    static TReportInput OnDate(const DateTime& date)
    {
        TReportInput input;
        input.Date = date;
        return input;
    }
    static TReportInput ForDebtor(int debtorID)
    {
        TReportInput input;
        input.DebtorID = debtorID;
        return input;
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        const QString path = m_dir.filePath(QStringLiteral("book.s3db"));
        QVERIFY(QFile::copy(QStringLiteral(VARNEL_TEST_DATA_DIR "/legacy-loanbook.s3db"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        m_facade = std::make_unique<TDataAccessFacade>();
        m_facade->Connection().SetFileName(path);
        m_facade->Connection().Open();
        // One debtor with an open overdue instalment, for the defaulters' list.
        m_facade->Connection().Execute(QStringLiteral("UPDATE Debtors SET ActiveDelayCount = 1 WHERE DebtorID = 1"));
        // A payment that rebuilt the schedule: most of it stored as paid ahead.
        m_facade->Connection().Execute(QStringLiteral(
            "INSERT INTO PaymentHistory (PaymentID, CreditID, PaymentDate, PaymentSum, AheadSum) "
            "VALUES (4, 2, '2009-04-06 10:00:00.000', '13752', '16248')"));
        m_manager.SetPreview(&m_preview);
        m_runs = std::make_unique<TReportRuns>(*m_facade, m_manager, m_declension);
    }

    void init() { m_preview.Name = QString::fromLatin1(QTest::currentTestFunction()); }

    void CreditSchedule()
    {
        TReportInput input;
        input.CreditID = 1;
        QVERIFY(m_runs->Run(QStringLiteral("credit-schedule"), input));
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("по кредитному договору № К-001/09 от 20.01.2009")));
        QVERIFY(text.contains(QStringLiteral("Иванов Иван Иванович")));
        QVERIFY(text.contains(QStringLiteral("12 мес.")));
        QVERIFY(text.contains(QStringLiteral("15.01.2010")));
        QVERIFY(text.contains(QStringLiteral("10 661,85")));
        QCOMPARE(m_preview.Titles.last(), QStringLiteral("График платежей по договору К-001/09"));
    }

    // The order states all the money received, from whom (in the genitive) and on which contract.
    void PaymentOrder_data()
    {
        QTest::addColumn<int>("paymentID");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("by the schedule")
            << 1
            << QStringList { "ООО «Ромашка»", "ПРИХОДНЫЙ КАССОВЫЙ ОРДЕР № 1", "Принято от\nИванова Ивана Ивановича",
                             "Платёж по кредитному договору № К-001/09 от 20.01.2009", "14.02.2009 11:20",
                             "Сумма\n888,49 ₽", "Восемьсот восемьдесят восемь рублей 49 копеек" };
        // 30 000 handed over, 13 752 of it by the schedule and the rest paid ahead, rebuilding the schedule.
        QTest::newRow("schedule rebuilt")
            << 4
            << QStringList { "Принято от\nПетровой Марии Сергеевны", "№ К-002/09 от 05.02.2009", "Сумма\n30 000,00 ₽",
                             "Тридцать тысяч рублей 00 копеек", "платёж по графику\n13 752,00 ₽",
                             "сверх графика\n16 248,00 ₽" };
    }
    void PaymentOrder()
    {
        QFETCH(int, paymentID);
        QFETCH(QStringList, texts);
        TReportInput input;
        input.PaymentID = paymentID;
        QVERIFY(m_runs->Run(QStringLiteral("payment-order"), input));
        const QString text = LastText().replace(QChar(0x00A0), QLatin1Char(' '));
        for (const QString& expected : texts)
            QVERIFY2(text.contains(expected), qPrintable(expected + QStringLiteral(" in:\n") + text));
    }

    // An order for a payment that is not in the book is refused, as one for a missing credit.
    void MissingPaymentIsRefused()
    {
        const qsizetype shown = m_preview.Texts.size();
        TReportInput input;
        input.PaymentID = 99;
        try {
            m_runs->Run(QStringLiteral("payment-order"), input);
            QFAIL("no error");
        } catch (const EPaymentNotExistsException& error) {
            QCOMPARE(error.Message(), QStringLiteral("Платёж 99 не существует."));
        }
        QCOMPARE(m_preview.Texts.size(), shown);
    }

    void PaymentHistory()
    {
        const std::unique_ptr<TResultSet> payments = m_facade->OpenCreditPaymentsQuery(1);
        TReportInput input;
        input.Rows = payments.get();
        QVERIFY(m_runs->Run(QStringLiteral("payment-history"), input));
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("15.03.2009 16:45")));
        QVERIFY(text.contains(QStringLiteral("1 776,98")));
        QVERIFY(text.contains(QStringLiteral("Платежей: 2.")));
    }

    void DebtorsForDate()
    {
        QVERIFY(m_runs->Run(QStringLiteral("debtors-for-date"), OnDate(DateTime::FromYMD(2009, 4, 15, 13, 5))));
        const QString text = LastText();
        // The chosen date, not the rows' due dates.
        QVERIFY(text.contains(QStringLiteral("Должники к 15.04.2009")));
        QVERIFY(text.contains(QStringLiteral("Иванов Иван Иванович")));
        QVERIFY(text.contains(QStringLiteral("Московская обл., Мытищинский р-н, Москва, Тверская, д. 7, кв. 15")));
        QVERIFY(!text.contains(QStringLiteral("Сидоров")));
    }

    // Every defaulter with each instalment left uncovered, however old, under its contract;
    // covered instalments (March is paid) and other debtors are not listed.
    void AllInsolvent_data()
    {
        QTest::addColumn<DateTime>("today");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("within the month and before")
            << DateTime::FromYMD(2009, 5, 20)
            << QStringList { "Все задолжники на 20.05.2009", "Иванов Иван Иванович", "К-001/09", "15.04.2009", "15.05.2009" };
        QTest::newRow("only months-old instalments open")
            << DateTime::FromYMD(2010, 6, 1) << QStringList { "Все задолжники на 01.06.2010", "15.04.2009", "15.01.2010" };
    }
    void AllInsolvent()
    {
        QFETCH(DateTime, today);
        QFETCH(QStringList, texts);
        QVERIFY(m_runs->Run(QStringLiteral("insolvent"), OnDate(today)));
        const QString text = LastText();
        for (const QString& expected : texts)
            QVERIFY2(text.contains(expected), qPrintable(expected));
        QVERIFY(!text.contains(QStringLiteral("15.03.2009")));
        QVERIFY(!text.contains(QStringLiteral("Петрова")));
    }

    void PaymentsForDate()
    {
        QVERIFY(m_runs->Run(QStringLiteral("payments-for-date"), OnDate(DateTime::FromYMD(2009, 3, 15))));
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("ПЛАТЕЖИ ЗА 15.03.2009")));
        QVERIFY(text.contains(QStringLiteral("№ К-001/09 от 20.01.2009")));
        QVERIFY(text.contains(QStringLiteral("Принято платежей: 1, на общую сумму 888,49")));
    }

    void Statistics()
    {
        QVERIFY(m_runs->Run(QStringLiteral("statistics"), TReportInput()));
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("ИНТЕРЕСНЫЕ ФАКТЫ")));
        QVERIFY(text.contains(QStringLiteral("63 000,00")));
        QVERIFY(text.contains(QStringLiteral("15.01.2010")));
    }

    void MonthForecast()
    {
        TReportInput input;
        input.Month = 5;
        input.Year = 2009;
        QVERIFY(m_runs->Run(QStringLiteral("month-forecast"), input));
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("поступлений в мае 2009 года")));
        // 888.4879 + 8926.2906 + 1010.0166 due in May.
        QVERIFY(text.contains(QStringLiteral("10 824,80")));
    }

    void Statements()
    {
        QVERIFY(m_runs->Run(QStringLiteral("ahead-statement"), ForDebtor(1)));
        QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("Кузнецову Петру Алексеевичу")));
        QVERIFY(text.contains(QStringLiteral("от Иванова Ивана Ивановича")));
        QVERIFY(text.contains(QStringLiteral("ООО «Ромашка»")));
        QVERIFY(text.contains(QStringLiteral("досрочное погашение")));
        QVERIFY(m_runs->Run(QStringLiteral("respite-statement"), ForDebtor(2)));
        text = LastText();
        QVERIFY(text.contains(QStringLiteral("от Петровой Марии Сергеевны")));
        QVERIFY(text.contains(QStringLiteral("отсрочку")));
    }

    void StatementWithoutBossNameShowsNothing()
    {
        const int shown = int(m_preview.Texts.size());
        QVERIFY(!m_runs->Run(QStringLiteral("ahead-statement"), ForDebtor(999)));
        QCOMPARE(int(m_preview.Texts.size()), shown);
    }

    // A row of the table without its template would fail only when a clerk prints it.
    void EveryKindHasItsTemplate()
    {
        for (const TReportKind& kind : ReportKinds())
            QVERIFY2(QFileInfo::exists(m_manager.TemplatePath(kind.TemplateName)), qPrintable(kind.Name));
        QVERIFY_THROWS_EXCEPTION(Exception, ReportKind(QStringLiteral("no-such-document")));
    }

    void CompanyNameForReport_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("reported");
        QTest::newRow("blanks") << "  " << "   ";
        QTest::newRow("empty") << "" << "   ";
        QTest::newRow("leading blanks kept") << "  Фирма" << "  Фирма";
    }
    void CompanyNameForReport()
    {
        QFETCH(QString, stored);
        QFETCH(QString, reported);
        TCompany company;
        m_facade->LoadCompany(company);
        TCompany changed = company;
        changed.CompanyName = stored;
        m_facade->SaveCompany(changed);
        QCOMPARE(m_runs->GetCompanyNameForReport(), reported);
        m_facade->SaveCompany(company);
    }

    void MonthNames()
    {
        QCOMPARE(TReportRuns::GetMonthNamePrepositional(5), QStringLiteral("мае"));
        QCOMPARE(TReportRuns::GetMonthNamePrepositional(13), QString());
        QCOMPARE(TReportRuns::MoneyGeneralText(Money::FromText(QStringLiteral("1234.5"))), QStringLiteral("1234,5"));
    }

    // A missing template names its full path, and the date reports do not
    // leave the variables looked up first.
    void MissingTemplate()
    {
        QTemporaryDir empty;
        TReportManager manager(empty.path() + QLatin1Char('/'));
        manager.SetPreview(&m_preview);
        TReportRuns runs(*m_facade, manager, m_declension);
        try {
            runs.Run(QStringLiteral("debtors-for-date"), OnDate(DateTime::FromYMD(2009, 4, 15)));
            QFAIL("no error");
        } catch (const EReportNotFoundException& error) {
            QCOMPARE(error.Message(),
                     QStringLiteral("Отчет %1 не найден.").arg(empty.filePath(QStringLiteral("Reports/DebtorsForDateReport.frf"))));
        }
        QVERIFY_THROWS_EXCEPTION(EReportNotFoundException, runs.Run(QStringLiteral("statistics"), TReportInput()));
    }
};

QTEST_MAIN(TestReportRuns)
#include "TestReportRuns.moc"

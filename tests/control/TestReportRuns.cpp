#include "control/ReportRuns.h"
#include "data/DataAccessFacade.h"
#include "sqlite/SQLiteConnection.h"
#include "domain/Company.h"
#include "reports/DeclensionService.h"
#include "reports/ReportExceptions.h"
#include "reports/ReportManager.h"
#include "reports/ReportPageLayout.h"
#include "reports/ReportPreview.h"

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
        m_manager.SetPreview(&m_preview);
        m_runs = std::make_unique<TReportRuns>(*m_facade, m_manager, m_declension);
    }

    void init() { m_preview.Name = QString::fromLatin1(QTest::currentTestFunction()); }

    void CreditSchedule()
    {
        m_runs->CreditSchedule(1);
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("по кредитному договору № К-001/09 от 20.01.2009")));
        QVERIFY(text.contains(QStringLiteral("Иванов Иван Иванович")));
        QVERIFY(text.contains(QStringLiteral("12 мес.")));
        QVERIFY(text.contains(QStringLiteral("15.01.2010")));
        QVERIFY(text.contains(QStringLiteral("10 661,85")));
        QCOMPARE(m_preview.Titles.last(), QStringLiteral("График платежей по договору К-001/09"));
    }

    void PaymentOrder()
    {
        m_runs->PaymentOrder(1);
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("ООО «Ромашка»")));
        QVERIFY(text.contains(QStringLiteral("ПРИХОДНЫЙ КАССОВЫЙ ОРДЕР № 1")));
        QVERIFY(text.contains(QStringLiteral("888,49")));
        QVERIFY(text.contains(QStringLiteral("Восемьсот восемьдесят восемь  рублей 49 копеек")));
        QVERIFY(text.contains(QStringLiteral("14.02.2009 11:20")));
    }

    void PaymentHistory()
    {
        const std::unique_ptr<TResultSet> payments = m_facade->OpenCreditPaymentsQuery(1);
        payments->SetCurrentRow(1);
        m_runs->PaymentHistory(payments.get(), nullptr);
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("15.03.2009 16:45")));
        QVERIFY(text.contains(QStringLiteral("1 776,98")));
        QVERIFY(text.contains(QStringLiteral("Платежей: 2.")));
        // The dialog's selection is where it was.
        QCOMPARE(payments->CurrentRow(), 1);
    }

    void DebtorsForDate()
    {
        m_runs->DebtorsForDate(DateTime::FromYMD(2009, 4, 15, 13, 5));
        const QString text = LastText();
        // The chosen date, not the rows' due dates.
        QVERIFY(text.contains(QStringLiteral("Должники к 15.04.2009")));
        QVERIFY(text.contains(QStringLiteral("Иванов Иван Иванович")));
        QVERIFY(text.contains(QStringLiteral("Московская обл., Мытищинский р-н, Москва, Тверская, д. 7, кв. 15")));
        QVERIFY(!text.contains(QStringLiteral("Сидоров")));
        QVERIFY(!m_manager.VariablesFirst());
    }

    void AllInsolvent()
    {
        m_runs->AllInsolvent(DateTime::FromYMD(2009, 5, 20));
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("Все задолжники на 20.05.2009")));
        QVERIFY(text.contains(QStringLiteral("Иванов Иван Иванович")));
        QVERIFY(!text.contains(QStringLiteral("Петрова")));
    }

    void PaymentsForDate()
    {
        m_runs->PaymentsForDate(DateTime::FromYMD(2009, 3, 15));
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("ПЛАТЕЖИ ЗА 15.03.2009")));
        QVERIFY(text.contains(QStringLiteral("№ К-001/09 от 20.01.2009")));
        QVERIFY(text.contains(QStringLiteral("Принято платежей: 1, на общую сумму 888,49")));
    }

    void Statistics()
    {
        m_runs->Statistics();
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("ИНТЕРЕСНЫЕ ФАКТЫ")));
        QVERIFY(text.contains(QStringLiteral("63 000,00")));
        QVERIFY(text.contains(QStringLiteral("15.01.2010")));
    }

    void MonthForecast()
    {
        m_runs->MonthForecast(5, 2009);
        const QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("поступлений в мае 2009 года")));
        // 888.4879 + 8926.2906 + 1010.0166 due in May.
        QVERIFY(text.contains(QStringLiteral("10 824,80")));
    }

    void Statements()
    {
        QVERIFY(m_runs->AheadStatement(1));
        QString text = LastText();
        QVERIFY(text.contains(QStringLiteral("Кузнецову Петру Алексеевичу")));
        QVERIFY(text.contains(QStringLiteral("от Иванова Ивана Ивановича")));
        QVERIFY(text.contains(QStringLiteral("ООО «Ромашка»")));
        QVERIFY(text.contains(QStringLiteral("досрочное погашение")));
        QVERIFY(m_runs->RespiteStatement(2));
        text = LastText();
        QVERIFY(text.contains(QStringLiteral("от Петровой Марии Сергеевны")));
        QVERIFY(text.contains(QStringLiteral("отсрочку")));
    }

    void StatementWithoutBossNameShowsNothing()
    {
        const int shown = int(m_preview.Texts.size());
        QVERIFY(!m_runs->AheadStatement(999));
        QCOMPARE(int(m_preview.Texts.size()), shown);
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
        m_facade->LoadCompany(&company);
        TCompany changed = company;
        changed.CompanyName = stored;
        m_facade->SaveCompany(&changed);
        QCOMPARE(m_runs->GetCompanyNameForReport(), reported);
        m_facade->SaveCompany(&company);
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
            runs.DebtorsForDate(DateTime::FromYMD(2009, 4, 15));
            QFAIL("no error");
        } catch (const EReportNotFoundException& error) {
            QCOMPARE(error.Message(),
                     QStringLiteral("Отчет %1 не найден.").arg(empty.filePath(QStringLiteral("Reports/DebtorsForDateReport.frf"))));
        }
        QVERIFY(!manager.VariablesFirst());
        QVERIFY_THROWS_EXCEPTION(EReportNotFoundException, runs.Statistics());
    }
};

QTEST_MAIN(TestReportRuns)
#include "TestReportRuns.moc"

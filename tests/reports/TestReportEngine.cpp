#include "data/LoanBookFile.h"
#include "sqlite/ResultSet.h"
#include "sqlite/SQLiteConnection.h"
#include "reports/ReportExceptions.h"
#include "reports/ReportManager.h"
#include "reports/ReportPreview.h"
#include "reports/ReportRenderer.h"
#include "reports/ReportTemplate.h"
#include "reports/ReportVariables.h"

#include <QTextDocument>
#include <QtTest>

namespace {

class TCapturingPreview : public IReportPreview
{
public:
    void ShowReport(const QTextDocument& document, const QString& title) override
    {
        Text = document.toPlainText();
        Title = title;
    }
    QString Text;
    QString Title;
};

void WriteFile(const QString& path, const QString& text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
}

}

// The engine and the manager's value lookup, on a small data set of constants.
class TestReportEngine : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    TSQLiteConnection m_connection;

    std::unique_ptr<TResultSet> Rows(const QString& select)
    {
        return std::make_unique<TResultSet>(m_connection, QStringList { select });
    }

    QString Render(const QString& source, TResultSet* dataSet, const QStringList& variables = {})
    {
        const TReportTemplate reportTemplate = TReportTemplate::Parse(source, QStringLiteral("test.frf"));
        TReportRenderer renderer(reportTemplate, dataSet, [&](const QString& name, QString& value) {
            if (dataSet && dataSet->FindColumn(name) >= 0)
                value = dataSet->Text(dataSet->CurrentRow(), dataSet->FindColumn(name));
            else if (!ReportVariable(variables, name).isEmpty())
                value = ReportVariable(variables, name);
        });
        return renderer.Render()->toPlainText();
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
        const QString path = m_dir.filePath(QStringLiteral("book.s3db"));
        CreateLoanBookFile(path);
        m_connection.SetFileName(path);
        m_connection.Open();
        QVERIFY(QDir(m_dir.path()).mkpath(QStringLiteral("Reports")));
    }

    void LookupOrder_data()
    {
        QTest::addColumn<bool>("variablesFirst");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("found");
        const QStringList date { "PaymentDate=15.04.2009", "ReportTitle=Должники к " };
        QTest::newRow("fields first: the column") << false << "PaymentDate" << date << "2009-04-20" << true;
        QTest::newRow("variables first: the variable") << true << "PaymentDate" << date << "15.04.2009" << true;
        QTest::newRow("names regardless of case") << false << "paymentdate" << date << "2009-04-20" << true;
        QTest::newRow("variable kept with its blank") << false << "REPORTTITLE" << date << "Должники к " << true;
        QTest::newRow("null column counts as found") << false << "Flat" << QStringList { "Flat=5" } << "" << true;
        QTest::newRow("variables first over a null column") << true << "Flat" << QStringList { "Flat=5" } << "5" << true;
        QTest::newRow("empty variable is absent") << true << "CompanyName" << QStringList { "CompanyName=" } << "Ромашка" << true;
        QTest::newRow("blank variable is a value") << true << "CompanyName" << QStringList { "CompanyName=   " } << "   " << true;
        QTest::newRow("first of two lines wins") << true << "Year" << QStringList { "Year=2009", "Year=2010" } << "2009" << true;
        QTest::newRow("unknown leaves the value") << true << "Nothing" << date << "прежнее" << false;
        QTest::newRow("empty only variable leaves the value") << false << "Year" << QStringList { "Year=" } << "прежнее" << false;
    }
    void LookupOrder()
    {
        QFETCH(bool, variablesFirst);
        QFETCH(QString, name);
        QFETCH(QStringList, variables);
        QFETCH(QString, value);
        QFETCH(bool, found);
        auto rows = Rows(QStringLiteral("SELECT '2009-04-20' AS PaymentDate, NULL AS Flat, 'Ромашка' AS CompanyName"));
        TReportManager manager(m_dir.path() + QLatin1Char('/'));
        TCapturingPreview preview;
        manager.SetPreview(&preview);
        // The values are those of the run in progress.
        WriteFile(manager.TemplatePath(QStringLiteral("Probe")), QStringLiteral("text x"));
        manager.RunReport(QStringLiteral("Probe"), rows.get(), &variables);
        manager.SetVariablesFirst(variablesFirst);
        QString result = QStringLiteral("прежнее");
        QCOMPARE(manager.GetReportValue(name, result), found);
        QCOMPARE(result, value);
    }

    // A name or an address typed with markup prints as typed.
    void ValuesAreText()
    {
        const QString markup = QStringLiteral("<b>Жирный</b> &amp; <img src=x>");
        const TReportTemplate reportTemplate = TReportTemplate::Parse(
            QStringLiteral("title [Name]\ntable\ncolumn 100 Кто | [Name]\nend"), QStringLiteral("t.frf"));
        auto rows = Rows(QStringLiteral("SELECT '%1' AS Name").arg(markup));
        TReportRenderer renderer(reportTemplate, rows.get(),
                                 [&](const QString&, QString& value) { value = rows->Text(QStringLiteral("Name")); });
        const auto document = renderer.Render();
        QCOMPARE(document->toPlainText().count(markup), 2);
        QVERIFY(document->toHtml().contains(QStringLiteral("&lt;b&gt;Жирный&lt;/b&gt; &amp;amp; &lt;img src=x&gt;")));
    }

    // The band repeats per row in order; sums are exact and the current row comes back.
    void BandSumsAndCounts()
    {
        auto rows = Rows(QStringLiteral("SELECT 'А' AS Who, '0.005' AS Amount UNION ALL SELECT 'Б', '0.005' "
                                        "UNION ALL SELECT 'В', '1000' UNION ALL SELECT 'Г', NULL"));
        rows->SetCurrentRow(2);
        const QString text = Render(QStringLiteral("text Всего [COUNT], сумма [SUM(Amount)], [SUM(Amount):amount]\n"
                                                   "table\n"
                                                   "column 10 № | [#]\n"
                                                   "column 40 Кто | [Who] [Missing]\n"
                                                   "column 50:right Сколько | [Amount:amount]\n"
                                                   "total | Итого | [SUM(Amount):amount]\n"
                                                   "end\n"
                                                   "text После: [Who]"),
                                    rows.get());
        QVERIFY2(text.startsWith(QStringLiteral("Всего 4, сумма 1 000,01 ₽, 1 000,01\n")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("1\nА \n0,01\n2\nБ \n0,01\n3\nВ \n1 000,00\n4\nГ \n\n\nИтого\n1 000,01")));
        QVERIFY(text.endsWith(QStringLiteral("После: В")));
        QCOMPARE(rows->CurrentRow(), 2);
    }

    void Formats_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("text");
        QTest::newRow("money") << "1234.5" << "money" << "1 234,50 ₽";
        QTest::newRow("money half away from zero") << "-100.005" << "money" << "-100,01 ₽";
        QTest::newRow("money in the user's form") << "1234,5" << "amount" << "1 234,50";
        QTest::newRow("date") << "2009-02-15 00:00:00.000" << "date" << "15.02.2009";
        QTest::newRow("date and time") << "2009-03-15 16:45:00.250" << "datetime" << "15.03.2009 16:45";
        QTest::newRow("date already short") << "15.04.2009" << "date" << "15.04.2009";
        QTest::newRow("text in a money place") << "нет" << "money" << "нет";
    }
    void Formats()
    {
        QFETCH(QString, value);
        QFETCH(QString, format);
        QFETCH(QString, text);
        QCOMPARE(Render(QStringLiteral("text [V:%1]").arg(format), nullptr, { QStringLiteral("V=") + value }), text);
    }

    void BadTemplates_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown command") << "# x\ntext a\nsing b" << "строка 3: неизвестная команда «sing»";
        QTest::newRow("no closing bracket") << "text [Name" << "строка 1: нет закрывающей скобки «]»";
        QTest::newRow("unknown format") << "\ntext [Name:roman]" << "строка 2: неизвестный формат «roman»";
        QTest::newRow("table not closed") << "table\ncolumn 10 A | [B]" << "строка 2: нет строки «end» в конце таблицы";
        QTest::newRow("bad width") << "grid 0 100\nend" << "строка 1: неверная ширина столбца «0»";
    }
    void BadTemplates()
    {
        QFETCH(QString, source);
        QFETCH(QString, message);
        try {
            TReportTemplate::Parse(source, QStringLiteral("/x/Reports/Bad.frf"));
            QFAIL("no error");
        } catch (const ETemplateFormatException& error) {
            QCOMPARE(error.Message(), QStringLiteral("Ошибка в шаблоне /x/Reports/Bad.frf, ") + message);
        }
    }

    void MissingTemplateNamesThePath()
    {
        TReportManager manager(m_dir.path() + QLatin1Char('/'));
        try {
            manager.ShowStatistics(nullptr, nullptr);
            QFAIL("no error");
        } catch (const EReportNotFoundException& error) {
            QCOMPARE(error.Message(), QStringLiteral("Отчет %1/Reports/Statistics.frf не найден.").arg(m_dir.path()));
        }
    }
};

QTEST_MAIN(TestReportEngine)
#include "TestReportEngine.moc"

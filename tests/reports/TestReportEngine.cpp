#include "data/LoanBookFile.h"
#include "sqlite/ResultSet.h"
#include "sqlite/SQLiteConnection.h"
#include "reports/ReportDocument.h"
#include "reports/ReportExceptions.h"
#include "reports/ReportManager.h"
#include "reports/ReportPageLayout.h"
#include "reports/ReportRenderer.h"
#include "reports/ReportTemplate.h"
#include "reports/ReportVariables.h"

#include <QAbstractTextDocumentLayout>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

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
        TReportRenderer renderer(reportTemplate, dataSet, [&](int row, const QString& name, QString& value) {
            if (dataSet && dataSet->FindColumn(name) >= 0)
                value = dataSet->Text(row, dataSet->FindColumn(name));
            else if (!ReportVariable(variables, name).isEmpty())
                value = ReportVariable(variables, name);
        });
        return renderer.Render().ToPlainText();
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
        const TReportValues values { rows.get(), &variables, variablesFirst };
        QString result = QStringLiteral("прежнее");
        QCOMPARE(values.Find(name, result), found);
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
                                 [&](int, const QString&, QString& value) { value = rows->Text(0, QStringLiteral("Name")); });
        auto document = renderer.Render();
        QCOMPARE(document.ToPlainText().count(markup), 2);
        QVERIFY(document.ToHtml().contains(QStringLiteral("&lt;b&gt;Жирный&lt;/b&gt; &amp;amp; &lt;img src=x&gt;")));
    }

    // The band repeats per row in order; sums are exact; outside the band the first row's values print.
    void BandSumsAndCounts()
    {
        auto rows = Rows(QStringLiteral("SELECT 'А' AS Who, '0.005' AS Amount UNION ALL SELECT 'Б', '0.005' "
                                        "UNION ALL SELECT 'В', '1000' UNION ALL SELECT 'Г', NULL"));
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
        QVERIFY(text.contains(QStringLiteral("1\nА\n0,01\n2\nБ\n0,01\n3\nВ\n1 000,00\n4\nГ\n\n\nИтого\n1 000,01")));
        QVERIFY(text.endsWith(QStringLiteral("После: А")));
    }

    // A long band of rows of several lines is laid out in parts of one page:
    // every row printed once and whole, on one page; numbers and amounts as
    // wide as the widest of them, however narrow the template made their
    // columns; on another page the parts are laid out anew without the repeated rows.
    void LongBandKeepsRowsWhole_data()
    {
        QTest::addColumn<int>("partRows");
        QTest::newRow("first part measured short") << 5;
        QTest::newRow("first part measured long") << 500;
    }
    void LongBandKeepsRowsWhole()
    {
        QFETCH(int, partRows);
        const int count = 1100;
        auto rows = Rows(QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "SELECT 'Д' || i || 'Ж' || (CASE WHEN i % 2 = 0 THEN ' с длинным именем, что не помещается в одну "
            "строку колонки и переносится на три строки, К' || i || 'К' ELSE '' END) AS Who, "
            "(CASE WHEN i = 1000 THEN '999999999999.99' ELSE i END) AS Amount FROM n").arg(count));
        const TReportTemplate reportTemplate = TReportTemplate::Parse(
            QStringLiteral("title Список\ntable\ncolumn 3 № | [#]\ncolumn 22 Кто | [Who]\n"
                           "column 8:right Сумма | [Amount:amount]\ncolumn 67 Примечание | \n"
                           "total Всего | [COUNT]\nend\ntext Конец списка"),
            QStringLiteral("t.frf"));
        TReportRenderer renderer(reportTemplate, rows.get(), [&](int row, const QString& name, QString& value) {
            value = rows->Text(row, name);
        });
        renderer.SetPartRows(partRows);
        TReportDocument document = renderer.Render();
        const int pages = document.PageCount();
        QVERIFY(document.PartCount() >= pages - 1);

        QTemporaryDir folder;
        const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
        QVERIFY(WriteReportPdf(document, pdf));
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), { QStringLiteral("-raw"), pdf, QStringLiteral("-") });
        QVERIFY(pdftotext.waitForFinished());
        const QString printed = QString::fromUtf8(pdftotext.readAllStandardOutput()).replace(QChar(0x00A0), QLatin1Char(' '));
        QCOMPARE(printed.count(QLatin1Char('\f')), pages);
        QVERIFY(printed.contains(QStringLiteral("Страница %1 из %1").arg(pages)));
        // Each row's beginning (Д..Ж) and, for every second one, its end three lines below (К..К) once, on one page.
        QList<int> starts;
        QHash<int, int> startPage;
        QHash<int, int> endPage;
        const QStringList pageTexts = printed.split(QLatin1Char('\f'));
        for (int page = 0; page < pageTexts.size(); ++page) {
            for (const auto& match : QRegularExpression(QStringLiteral("Д(\\d+)Ж")).globalMatch(pageTexts[page])) {
                starts.append(match.captured(1).toInt());
                startPage.insert(match.captured(1).toInt(), page);
            }
            for (const auto& match : QRegularExpression(QStringLiteral("К(\\d+)К")).globalMatch(pageTexts[page])) {
                QVERIFY2(!endPage.contains(match.captured(1).toInt()), qPrintable(match.captured(0)));
                endPage.insert(match.captured(1).toInt(), page);
            }
        }
        QList<int> expected;
        for (int i = 1; i <= count; ++i)
            expected.append(i);
        QCOMPARE(starts, expected);
        QCOMPARE(endPage.size(), count / 2);
        for (auto end = endPage.cbegin(); end != endPage.cend(); ++end)
            QVERIFY2(startPage.value(end.key()) == end.value(), qPrintable(QStringLiteral("row %1").arg(end.key())));
        // Four-digit row numbers and the largest amount stay on one line.
        QVERIFY(printed.contains(QRegularExpression(QStringLiteral("(^|\\s)1100\\sД1100Ж"))));
        QVERIFY(printed.contains(QStringLiteral("999 999 999 999,99")));

        QPdfWriter landscape(folder.filePath(QStringLiteral("landscape.pdf")));
        QPageLayout page = ReportPageLayout();
        page.setOrientation(QPageLayout::Landscape);
        landscape.setPageLayout(page);
        QVERIFY(PrintReportDocument(document, landscape));
        const QString text = document.ToPlainText();
        QList<int> textStarts;
        for (const auto& match : QRegularExpression(QStringLiteral("Д(\\d+)Ж")).globalMatch(text))
            textStarts.append(match.captured(1).toInt());
        QCOMPARE(textStarts, expected);
        QCOMPARE(document.ToHtml().count(QStringLiteral("Д1099Ж")), 1);
        QVERIFY(text.endsWith(QStringLiteral("Всего\n1100\n\n\nКонец списка")));
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

    void NameWithoutPatronymicLeavesNoDoubleBlank_data()
    {
        QTest::addColumn<QString>("patronymic");
        QTest::addColumn<QString>("text");
        QTest::newRow("full name") << "Ильич" << "от Кравец Анатолий Ильич / подпись";
        QTest::newRow("no patronymic") << "" << "от Кравец Анатолий / подпись";
    }
    void NameWithoutPatronymicLeavesNoDoubleBlank()
    {
        QFETCH(QString, patronymic);
        QFETCH(QString, text);
        auto rows = Rows(QStringLiteral("SELECT 'Кравец' AS Surname, 'Анатолий' AS Name, '%1' AS PatronymicName")
                             .arg(patronymic));
        QCOMPARE(Render(QStringLiteral("text от [Surname] [Name] [PatronymicName] / подпись"), rows.get()), text);
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

    // Files that are no template are refused by name, and their bytes are never quoted.
    void UnreadableTemplateFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty") << QByteArray() << "файл пуст";
        QTest::newRow("blank lines") << QByteArray(" \n\r\n") << "файл пуст";
        QTest::newRow("Windows-1251") << QByteArray("text \xCF\xF0\xE8\xE2\xE5\xF2") << "это не текст в кодировке UTF-8";
        QTest::newRow("binary") << QByteArray("\x7F" "ELF\x02\x01\x01\0\0sing", 13) << "это не текст в кодировке UTF-8";
    }
    void UnreadableTemplateFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const QString path = m_dir.filePath(QStringLiteral("Reports/Unreadable.frf"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        try {
            TReportTemplate::Load(path);
            QFAIL("no error");
        } catch (const ETemplateFormatException& error) {
            QCOMPARE(error.Message(), QStringLiteral("Ошибка в шаблоне %1: %2").arg(path, reason));
        }
    }

    // A gap line keeps its room beside a table, before and after it.
    void GapBesideATable()
    {
        const auto laidOut = [](const QString& source) {
            const TReportTemplate reportTemplate = TReportTemplate::Parse(source, QStringLiteral("t.frf"));
            TReportRenderer renderer(reportTemplate, nullptr, {});
            TReportDocument document = renderer.Render();
            QTextDocument& text = document.Part(0);
            const QAbstractTextDocumentLayout& layout = *text.documentLayout();
            return std::pair { layout.frameBoundingRect(text.rootFrame()->childFrames().constFirst()).top(),
                               layout.blockBoundingRect(text.lastBlock()).top() };
        };
        const auto [tableTop, textTop] = laidOut(QStringLiteral("text A\nbox 100\nrow x\nend\ntext B"));
        const auto [gapTableTop, gapTextTop] = laidOut(QStringLiteral("text A\ngap\nbox 100\nrow x\nend\ngap 2\ntext B"));
        QVERIFY2(gapTableTop - tableTop > 10, qPrintable(QString::number(gapTableTop - tableTop)));
        QVERIFY2(gapTextTop - textTop > 40, qPrintable(QString::number(gapTextTop - textTop)));
    }

    void MissingTemplateNamesThePath()
    {
        TReportManager manager(m_dir.path() + QLatin1Char('/'));
        try {
            manager.RunReport(QStringLiteral("Statistics"), {});
            QFAIL("no error");
        } catch (const EReportNotFoundException& error) {
            QCOMPARE(error.Message(), QStringLiteral("Отчет %1/Reports/Statistics.frf не найден.").arg(m_dir.path()));
        }
    }
};

QTEST_MAIN(TestReportEngine)
#include "TestReportEngine.moc"

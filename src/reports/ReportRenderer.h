#pragma once

#include "ReportDocument.h"
#include "ReportTemplate.h"
#include "domain/Money.h"

#include <QHash>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <functional>
#include <memory>

class QTextDocument;
class QTextTable;
class TResultSet;

// Asks for the value of a name used in a template, at a row of the main data
// set; leaves value untouched when the name is unknown (it then prints empty).
using TReportValueCallback = std::function<void(int row, const QString& name, QString& value)>;

// Fills a template into a document: static text as written, every [..] value
// inserted as plain text (never read as markup), the band table repeated for
// each row of the main data set. Outside the band the data set's values are
// those of its first row.
class TReportRenderer
{
public:
    TReportRenderer(const TReportTemplate& reportTemplate, TResultSet* mainDataSet, TReportValueCallback valueCallback);

    TReportDocument Render();

    // Rows filled into the first part of a band before its page is measured
    // (each part holds the rows of one page; see TReportDocument).
    static constexpr int DefaultPartRows = 60;
    void SetPartRows(int rows) { m_partRows = rows; }

private:
    using TBlock = TReportTemplate::TBlock;

    QString Evaluate(const TReportText& text);
    QString Value(const QString& name);
    Money Sum(const QString& name);

    void RenderParagraph(const TBlock& block);
    void RenderGap(const TBlock& block);
    void RenderRule();
    void RenderGrid(const TBlock& block);
    void RenderTable(const TBlock& block);
    // Column widths in per cent of the line, as the template sets them but
    // never narrower than the widest value of a column of numbers, amounts or
    // dates (of the rows and the totals), or than the widest word of another.
    QList<qreal> FittedWidths(const TBlock& block, int dataRows);
    // The band table with the data rows [first, first + count) under its header.
    QTextTable* InsertBandTable(const TBlock& block, const QList<qreal>& widths, int first, int count);
    // Fills the data rows [first, first + count) into the table's rows from tableRow on.
    void FillBandRows(QTextTable* table, const TBlock& block, int tableRow, int first, int count);
    // How many of the table's first count data rows end on the page its first data row is on.
    int WholeRowsOnFirstPage(QTextTable* table, int count);
    void StartPart();
    // A new paragraph, or the empty one the document begins with or a table left behind.
    void StartBlock(const QTextBlockFormat& blockFormat, const QTextCharFormat& charFormat);
    // The grid's rows, or the totals under a band table.
    void FillFixedRows(const TBlock& block);
    void FillCell(const QString& text, Qt::Alignment alignment, const QTextCharFormat& format);

    const TReportTemplate& m_template;
    TResultSet* m_dataSet;
    TReportValueCallback m_valueCallback;
    int m_partRows = DefaultPartRows;

    TReportDocument m_report;
    QTextDocument* m_document = nullptr;
    QTextCursor m_cursor;
    QTextCharFormat m_plain;
    bool m_reuseBlock = true;
    bool m_afterTable = false; // nothing put after the last table yet
    bool m_pageBreakPending = false;
    int m_row = 0;        // of the data set, whose values are read
    int m_lineNumber = 0; // inside the band: the row's number from 1
    QHash<QString, Money> m_sums;
};

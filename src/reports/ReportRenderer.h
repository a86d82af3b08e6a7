#pragma once

#include "ReportTemplate.h"
#include "domain/Money.h"

#include <QHash>
#include <QString>
#include <QTextCharFormat>
#include <QTextCursor>

#include <functional>
#include <memory>

class QTextDocument;
class TResultSet;

// Asks for the value of a name used in a template; leaves value untouched
// when the name is unknown (it then prints empty).
using TReportValueCallback = std::function<void(const QString& name, QString& value)>;

// Fills a template into a document: static text as written, every [..] value
// inserted as plain text (never read as markup), the band table repeated for
// each row of the main data set. Outside the band the data set's values are
// those of its current row; the current row is the same after rendering.
class TReportRenderer
{
public:
    TReportRenderer(const TReportTemplate& reportTemplate, TResultSet* mainDataSet, TReportValueCallback valueCallback);

    std::unique_ptr<QTextDocument> Render();

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
    // A new paragraph, or the empty one the document begins with or a table left behind.
    void StartBlock(const QTextBlockFormat& blockFormat, const QTextCharFormat& charFormat);
    void FillCell(const QString& text, Qt::Alignment alignment, const QTextCharFormat& format);

    const TReportTemplate& m_template;
    TResultSet* m_dataSet;
    TReportValueCallback m_valueCallback;

    std::unique_ptr<QTextDocument> m_document;
    QTextCursor m_cursor;
    QTextCharFormat m_plain;
    bool m_reuseBlock = true;
    bool m_pageBreakPending = false;
    int m_lineNumber = 0; // inside the band: the row's number from 1
    QHash<QString, Money> m_sums;
};

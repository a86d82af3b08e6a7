#include "ReportRenderer.h"

#include "ReportPageLayout.h"
#include "ReportValueFormat.h"
#include "sqlite/ResultSet.h"

#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

namespace {

// Lengths of the document are in the layout's device-independent pixels.
constexpr qreal ParagraphIndent = 47; // 1.25 cm
constexpr qreal CellPadding = 3;
constexpr qreal FrameBorder = 0.7;

QTextTableFormat TableFormat(const QList<TReportTemplate::TColumn>& columns, bool framed)
{
    QTextTableFormat format;
    QList<QTextLength> widths;
    for (const auto& column : columns)
        widths.append(QTextLength(QTextLength::PercentageLength, column.WidthPercent));
    format.setColumnWidthConstraints(widths);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setCellSpacing(0);
    format.setCellPadding(CellPadding);
    format.setMargin(0);
    format.setTopMargin(4);
    format.setBottomMargin(4);
    if (framed) {
        format.setBorder(FrameBorder);
        format.setBorderBrush(Qt::black);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        format.setBorderCollapse(false);
    } else {
        format.setBorder(0);
        format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    }
    return format;
}

}

TReportRenderer::TReportRenderer(const TReportTemplate& reportTemplate, TResultSet* mainDataSet,
                                 TReportValueCallback valueCallback)
    : m_template(reportTemplate)
    , m_dataSet(mainDataSet)
    , m_valueCallback(std::move(valueCallback))
{
}

TReportDocument TReportRenderer::Render()
{
    m_report = TReportDocument();
    m_document = &m_report.Current();
    m_document->setDefaultFont(QFont(m_template.FontFamily, m_template.FontPointSize));
    m_plain = QTextCharFormat();
    m_plain.setForeground(Qt::black);
    m_cursor = QTextCursor(m_document);
    m_reuseBlock = true;
    m_sums.clear();
    m_document->setMetaInformation(QTextDocument::DocumentTitle, Evaluate(m_template.DocumentName).simplified());

    for (const TBlock& block : m_template.Blocks) {
        switch (block.Kind) {
        case TBlock::TKind::Paragraph:
            RenderParagraph(block);
            break;
        case TBlock::TKind::Gap:
            RenderGap(block);
            break;
        case TBlock::TKind::Rule:
            RenderRule();
            break;
        case TBlock::TKind::PageBreak:
            m_pageBreakPending = true;
            break;
        case TBlock::TKind::Grid:
            RenderGrid(block);
            break;
        case TBlock::TKind::Table:
            RenderTable(block);
            break;
        }
    }
    // The page is set last: a document with a layout would be laid out anew on every insertion.
    SetReportPageSize(*m_document);
    m_document = nullptr;
    return std::move(m_report);
}

void TReportRenderer::StartPart()
{
    m_report.StartPart();
    m_document = &m_report.Current();
    m_cursor = QTextCursor(m_document);
    m_reuseBlock = true;
}

QString TReportRenderer::Value(const QString& name)
{
    QString value;
    if (m_valueCallback)
        m_valueCallback(name, value);
    return value;
}

Money TReportRenderer::Sum(const QString& name)
{
    const QString key = name.toLower();
    if (auto found = m_sums.constFind(key); found != m_sums.constEnd())
        return *found;
    Money sum;
    if (m_dataSet && m_dataSet->RowCount() > 0) {
        const int current = m_dataSet->CurrentRow();
        for (int row = 0; row < m_dataSet->RowCount(); ++row) {
            m_dataSet->SetCurrentRow(row);
            sum += ReadReportMoney(Value(name)).value_or(Money());
        }
        m_dataSet->SetCurrentRow(current);
    } else {
        sum = ReadReportMoney(Value(name)).value_or(Money());
    }
    m_sums.insert(key, sum);
    return sum;
}

QString TReportRenderer::Evaluate(const TReportText& text)
{
    QString result;
    for (const TReportTextPiece& piece : text.Pieces()) {
        switch (piece.Kind) {
        case TReportTextPiece::TKind::Literal:
            result += piece.Text;
            break;
        case TReportTextPiece::TKind::Value: {
            const QString value = FormatReportValue(Value(piece.Text), piece.Format);
            // A missing part of a name (no patronymic) leaves no double blank behind.
            if (value.isEmpty() && result.endsWith(QLatin1Char(' ')))
                result.chop(1);
            result += value;
            break;
        }
        case TReportTextPiece::TKind::Sum:
            result += FormatReportValue(Sum(piece.Text).ToText(), piece.Format);
            break;
        case TReportTextPiece::TKind::List: {
            QStringList parts;
            for (const auto& [prefix, name] : piece.Items) {
                const QString value = FormatReportValue(Value(name), piece.Format).trimmed();
                if (!value.isEmpty())
                    parts.append(prefix + value);
            }
            result += parts.join(QStringLiteral(", "));
            break;
        }
        case TReportTextPiece::TKind::Count:
            result += QString::number(m_dataSet ? m_dataSet->RowCount() : 0);
            break;
        case TReportTextPiece::TKind::LineNumber:
            if (m_lineNumber > 0)
                result += QString::number(m_lineNumber);
            break;
        }
    }
    return result;
}

void TReportRenderer::StartBlock(const QTextBlockFormat& blockFormat, const QTextCharFormat& charFormat)
{
    QTextBlockFormat format = blockFormat;
    if (m_pageBreakPending)
        format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    m_pageBreakPending = false;
    m_cursor.movePosition(QTextCursor::End);
    if (m_reuseBlock) {
        m_cursor.setBlockFormat(format);
        m_cursor.setBlockCharFormat(charFormat);
        m_cursor.setCharFormat(charFormat);
    } else {
        m_cursor.insertBlock(format, charFormat);
    }
    m_reuseBlock = false;
}

void TReportRenderer::RenderParagraph(const TBlock& block)
{
    QTextBlockFormat blockFormat;
    blockFormat.setAlignment(block.Alignment);
    blockFormat.setBottomMargin(2);
    if (block.Indented) {
        // Statements leave blanks to fill in by hand: justified lines would stretch them.
        blockFormat.setAlignment(Qt::AlignLeft);
        blockFormat.setTextIndent(ParagraphIndent);
    }
    QTextCharFormat charFormat = m_plain;
    qreal size = m_template.FontPointSize;
    if (block.Style == TReportTemplate::TParagraphStyle::Title) {
        size += 4;
        charFormat.setFontWeight(QFont::Bold);
        blockFormat.setTopMargin(6);
        blockFormat.setBottomMargin(6);
    } else if (block.Style == TReportTemplate::TParagraphStyle::Subtitle) {
        size += 1;
        charFormat.setFontWeight(QFont::Bold);
        blockFormat.setBottomMargin(4);
    }
    if (block.Small)
        size -= 2;
    if (block.Bold)
        charFormat.setFontWeight(QFont::Bold);
    charFormat.setFontItalic(block.Italic);
    charFormat.setFontPointSize(size);
    StartBlock(blockFormat, charFormat);
    // Values are text: insertText never reads markup.
    m_cursor.insertText(Evaluate(block.Text), charFormat);
}

void TReportRenderer::RenderGap(const TBlock& block)
{
    for (int i = 0; i < block.Lines; ++i)
        StartBlock(QTextBlockFormat(), m_plain);
}

void TReportRenderer::RenderRule()
{
    QTextBlockFormat format;
    format.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth, QTextLength(QTextLength::PercentageLength, 100));
    QTextCharFormat small = m_plain;
    small.setFontPointSize(2);
    StartBlock(format, small);
}

void TReportRenderer::FillCell(const QString& text, Qt::Alignment alignment, const QTextCharFormat& format)
{
    QTextBlockFormat blockFormat;
    blockFormat.setAlignment(alignment);
    m_cursor.setBlockFormat(blockFormat);
    m_cursor.insertText(text, format);
    m_cursor.movePosition(QTextCursor::NextCell);
}

void TReportRenderer::FillFixedRows(const TBlock& block)
{
    QTextCharFormat bold = m_plain;
    bold.setFontWeight(QFont::Bold);
    for (const auto& row : block.Rows) {
        for (qsizetype column = 0; column < block.Columns.size(); ++column) {
            const QString text = column < row.Cells.size() ? Evaluate(row.Cells.at(column)) : QString();
            FillCell(text, block.Columns.at(column).Alignment, row.Bold ? bold : m_plain);
        }
    }
}

void TReportRenderer::RenderGrid(const TBlock& block)
{
    if (block.Rows.isEmpty())
        return;
    // A table put at the end of a paragraph follows it without an empty line.
    m_cursor.movePosition(QTextCursor::End);
    m_cursor.insertTable(int(block.Rows.size()), int(block.Columns.size()), TableFormat(block.Columns, block.Framed));
    FillFixedRows(block);
    m_reuseBlock = true;
}

void TReportRenderer::RenderTable(const TBlock& block)
{
    const int dataRows = m_dataSet ? m_dataSet->RowCount() : 0;
    const int current = dataRows > 0 ? m_dataSet->CurrentRow() : 0;
    int first = 0;
    for (;;) {
        const int count = std::min(dataRows - first, std::max(1, m_partRows));
        const bool last = first + count == dataRows;
        QTextTable* table = InsertBandTable(block, first, count, last);
        if (last)
            break;
        first += count - RepeatLastPages(table, count);
        StartPart();
    }
    m_lineNumber = 0;
    if (dataRows > 0)
        m_dataSet->SetCurrentRow(current);
    m_reuseBlock = true;
}

QTextTable* TReportRenderer::InsertBandTable(const TBlock& block, int first, int count, bool totals)
{
    m_cursor.movePosition(QTextCursor::End);
    QTextTableFormat format = TableFormat(block.Columns, true);
    format.setHeaderRowCount(1);
    const int fixedRows = totals ? int(block.Rows.size()) : 0;
    QTextTable* table = m_cursor.insertTable(1 + count + fixedRows, int(block.Columns.size()), format);

    QTextCharFormat header = m_plain;
    header.setFontWeight(QFont::Bold);
    for (const auto& column : block.Columns)
        FillCell(Evaluate(column.Caption), Qt::AlignHCenter, header);

    for (int row = first; row < first + count; ++row) {
        m_dataSet->SetCurrentRow(row);
        m_lineNumber = row + 1;
        for (const auto& column : block.Columns)
            FillCell(Evaluate(column.Cell), column.Alignment, m_plain);
    }
    m_lineNumber = 0;
    if (totals)
        FillFixedRows(block);
    return table;
}

int TReportRenderer::RepeatLastPages(QTextTable* table, int count)
{
    SetReportPageSize(*m_document);
    const QAbstractTextDocumentLayout& layout = *m_document->documentLayout();
    const auto cellBlock = [table](int row, int column, bool last) {
        const QTextTableCell cell = table->cellAt(row, column);
        return (last ? cell.lastCursorPosition() : cell.firstCursorPosition()).block();
    };
    const auto rowTop = [&](int row) { return layout.blockBoundingRect(cellBlock(row, 0, false)).top(); };
    // A row that a page break split goes on over the next page: no cut there.
    const auto crosses = [&](int row, qreal pageTop) {
        for (int column = 0; column < table->columns(); ++column) {
            if (layout.blockBoundingRect(cellBlock(row, column, true)).bottom() > pageTop)
                return true;
        }
        return false;
    };
    // The table ends the part, and row 0 is its header. The cut is at the top
    // of the last page that some row begins, whole, at.
    const qreal pageHeight = m_document->pageSize().height();
    for (int page = m_document->pageCount() - 1; page > 0; --page) {
        const qreal pageTop = page * pageHeight;
        int low = 1;
        int high = count + 1;
        while (low < high) {
            const int middle = (low + high) / 2;
            if (rowTop(middle) >= pageTop)
                high = middle;
            else
                low = middle + 1;
        }
        if (high > count || crosses(high - 1, pageTop))
            continue;
        // A part whose rows all lie on its last pages is kept whole.
        if (high == 1)
            return 0;
        m_report.RepeatInNextPart(table, high, page);
        return count + 1 - high;
    }
    return 0;
}

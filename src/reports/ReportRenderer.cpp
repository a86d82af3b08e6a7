#include "ReportRenderer.h"

#include "ReportPageLayout.h"
#include "ReportValueFormat.h"
#include "sqlite/ResultSet.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QTextDocument>
#include <QTextTable>

#include <algorithm>
#include <cmath>

namespace {

// Lengths of the document are in the layout's device-independent pixels.
constexpr qreal ParagraphIndent = 47; // 1.25 cm
constexpr qreal CellPadding = 3;
constexpr qreal FrameBorder = 0.7;

QList<qreal> TemplateWidths(const QList<TReportTemplate::TColumn>& columns)
{
    QList<qreal> widths;
    for (const auto& column : columns)
        widths.append(column.WidthPercent);
    return widths;
}

QTextTableFormat TableFormat(const QList<qreal>& percents, bool framed)
{
    QTextTableFormat format;
    QList<QTextLength> widths;
    for (const qreal percent : percents)
        widths.append(QTextLength(QTextLength::PercentageLength, percent));
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

// A cell of numbers, amounts or dates: one word that must never wrap.
bool IsUnbreakable(const TReportText& text)
{
    if (text.IsEmpty())
        return false;
    return std::all_of(text.Pieces().cbegin(), text.Pieces().cend(), [](const TReportTextPiece& piece) {
        switch (piece.Kind) {
        case TReportTextPiece::TKind::Literal:
            return piece.Text.trimmed().isEmpty();
        case TReportTextPiece::TKind::Value:
            return piece.Format != TReportValueFormat::Text;
        case TReportTextPiece::TKind::List:
            return false;
        case TReportTextPiece::TKind::Sum:
        case TReportTextPiece::TKind::Count:
        case TReportTextPiece::TKind::LineNumber:
            return true;
        }
        return false;
    });
}

// The top of a table row: its first cell's first line.
qreal RowTop(const QAbstractTextDocumentLayout& layout, QTextTable* table, int row)
{
    return layout.blockBoundingRect(table->cellAt(row, 0).firstCursorPosition().block()).top();
}

// The bottom of a table row's box: below its lowest cell's last line.
qreal RowBottom(const QAbstractTextDocumentLayout& layout, QTextTable* table, int row)
{
    qreal bottom = 0;
    for (int column = 0; column < table->columns(); ++column)
        bottom = std::max(bottom, layout.blockBoundingRect(table->cellAt(row, column).lastCursorPosition().block()).bottom());
    return bottom + CellPadding + 2 * FrameBorder;
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
    m_afterTable = false;
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
        m_valueCallback(m_row, name, value);
    return value;
}

Money TReportRenderer::Sum(const QString& name)
{
    const QString key = name.toLower();
    if (auto found = m_sums.constFind(key); found != m_sums.constEnd())
        return *found;
    Money sum;
    if (m_dataSet && m_dataSet->RowCount() > 0) {
        const int current = m_row;
        for (m_row = 0; m_row < m_dataSet->RowCount(); ++m_row)
            sum += ReadReportMoney(Value(name)).value_or(Money());
        m_row = current;
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
    m_afterTable = false;
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
    // The layout hides an empty line that touches a table: the one a table
    // leaves behind stays hidden under new ones, and a gap line with a
    // background of its own (an empty one) is not taken for the filler before a table.
    if (m_afterTable)
        m_reuseBlock = false;
    QTextBlockFormat format;
    format.setBackground(QBrush(Qt::NoBrush));
    for (int i = 0; i < block.Lines; ++i)
        StartBlock(format, m_plain);
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
    m_cursor.insertTable(int(block.Rows.size()), int(block.Columns.size()),
                         TableFormat(TemplateWidths(block.Columns), block.Framed));
    FillFixedRows(block);
    m_reuseBlock = true;
    m_afterTable = true;
}

void TReportRenderer::RenderTable(const TBlock& block)
{
    const int dataRows = m_dataSet ? m_dataSet->RowCount() : 0;
    const QList<qreal> widths = FittedWidths(block, dataRows);
    // One part per page: a part is filled with somewhat more rows than its
    // page holds and cut after the last row that ends on it, so that no row
    // is split between pages; the cut rows open the next part.
    int first = 0;
    int fill = m_partRows;
    QTextTable* table = nullptr;
    for (;;) {
        int count = std::min(dataRows - first, std::max(1, fill));
        table = InsertBandTable(block, widths, first, count);
        int whole = WholeRowsOnFirstPage(table, count);
        while (whole == count && first + count < dataRows) {
            // The page has room for more.
            const int more = std::min(dataRows - first - count, std::max(count, 8));
            table->appendRows(more);
            FillBandRows(table, block, 1 + count, first + count, more);
            count += more;
            whole = WholeRowsOnFirstPage(table, count);
        }
        if (whole == count)
            break;
        if (whole == 0 && m_report.PartCount() == 1
            && m_document->documentLayout()->frameBoundingRect(table).top() > 0) {
            // The first row does not fit under what stands before the table: the table opens the next page.
            QTextTableFormat format = table->format();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            table->setFormat(format);
            whole = WholeRowsOnFirstPage(table, count);
        }
        if (whole == count)
            break;
        // A row taller than a page goes on over the next one.
        whole = std::max(whole, 1);
        const qreal printedBottom = RowBottom(*m_document->documentLayout(), table, whole);
        m_report.RepeatInNextPart(table, 1 + whole, int(std::ceil(printedBottom / m_document->pageSize().height())),
                                  printedBottom);
        first += whole;
        fill = whole + whole / 2 + 1;
        StartPart();
    }
    if (!block.Rows.isEmpty()) {
        const int fixedRows = int(block.Rows.size());
        table->appendRows(fixedRows);
        m_cursor = table->cellAt(table->rows() - fixedRows, 0).firstCursorPosition();
        FillFixedRows(block);
    }
    m_lineNumber = 0;
    m_row = 0;
    m_reuseBlock = true;
    m_afterTable = true;
}

QList<qreal> TReportRenderer::FittedWidths(const TBlock& block, int dataRows)
{
    QList<qreal> widths = TemplateWidths(block.Columns);
    QFont plain(m_template.FontFamily, m_template.FontPointSize);
    QFont bold = plain;
    bold.setBold(true);
    const QFontMetricsF plainMetrics(plain);
    const QFontMetricsF boldMetrics(bold);
    const qreal lineWidth = ReportBodySize(ReportPageLayout()).width();
    // The narrowest each column may be: its widest value where values never
    // wrap (numbers, amounts, dates), its widest word elsewhere.
    QList<qreal> least(widths.size(), 0);
    for (qsizetype column = 0; column < block.Columns.size(); ++column) {
        const bool unbreakable = IsUnbreakable(block.Columns.at(column).Cell);
        qreal widest = 0;
        const auto measure = [&](const QString& text, const QFontMetricsF& metrics) {
            if (unbreakable) {
                widest = std::max(widest, metrics.horizontalAdvance(text));
                return;
            }
            for (const QStringView word : QStringView(text).split(u' ', Qt::SkipEmptyParts))
                widest = std::max(widest, metrics.horizontalAdvance(word.toString()));
        };
        for (int row = 0; row < dataRows; ++row) {
            m_row = row;
            m_lineNumber = row + 1;
            measure(Evaluate(block.Columns.at(column).Cell), plainMetrics);
        }
        m_row = 0;
        m_lineNumber = 0;
        for (const auto& total : block.Rows) {
            if (column < total.Cells.size())
                measure(Evaluate(total.Cells.at(column)), boldMetrics);
        }
        least[column] = (widest + 2 * (CellPadding + FrameBorder) + 2) * 100 / lineWidth;
    }
    // Numbers never wrap: those columns get their least first. The columns of
    // words share the rest, each at least its widest word where the rest
    // allows, otherwise in the template's proportions (a word then breaks).
    qreal words = 0;
    qreal wordsLeast = 0;
    qreal spare = 0;
    qreal room = 100;
    for (qsizetype column = 0; column < widths.size(); ++column) {
        if (IsUnbreakable(block.Columns.at(column).Cell)) {
            widths[column] = std::max(widths.at(column), least.at(column));
            room -= widths.at(column);
        } else {
            words += widths.at(column);
            wordsLeast += least.at(column);
            spare += std::max(qreal(0), widths.at(column) - least.at(column));
        }
    }
    for (qsizetype column = 0; column < widths.size(); ++column) {
        if (IsUnbreakable(block.Columns.at(column).Cell) || words <= 0 || room <= 0)
            continue;
        const qreal given = widths.at(column);
        if (wordsLeast > room) {
            widths[column] = room * given / words;
            continue;
        }
        const qreal slack = std::max(qreal(0), given - least.at(column));
        widths[column] = least.at(column) + (room - wordsLeast) * (spare > 0 ? slack / spare : given / words);
    }
    return widths;
}

QTextTable* TReportRenderer::InsertBandTable(const TBlock& block, const QList<qreal>& widths, int first, int count)
{
    m_cursor.movePosition(QTextCursor::End);
    QTextTableFormat format = TableFormat(widths, true);
    format.setHeaderRowCount(1);
    QTextTable* table = m_cursor.insertTable(1 + count, int(block.Columns.size()), format);

    QTextCharFormat header = m_plain;
    header.setFontWeight(QFont::Bold);
    for (const auto& column : block.Columns)
        FillCell(Evaluate(column.Caption), Qt::AlignHCenter, header);
    FillBandRows(table, block, 1, first, count);
    return table;
}

void TReportRenderer::FillBandRows(QTextTable* table, const TBlock& block, int tableRow, int first, int count)
{
    if (count == 0)
        return;
    m_cursor = table->cellAt(tableRow, 0).firstCursorPosition();
    for (int row = first; row < first + count; ++row) {
        m_row = row;
        m_lineNumber = row + 1;
        for (const auto& column : block.Columns)
            FillCell(Evaluate(column.Cell), column.Alignment, m_plain);
    }
    m_row = 0;
    m_lineNumber = 0;
}

int TReportRenderer::WholeRowsOnFirstPage(QTextTable* table, int count)
{
    SetReportPageSize(*m_document);
    const QAbstractTextDocumentLayout& layout = *m_document->documentLayout();
    const qreal pageHeight = m_document->pageSize().height();
    // The first page the band's rows are on; the rows before the table may fill pages of their own.
    const int page = count > 0 ? int(RowTop(layout, table, 1) / pageHeight) : 0;
    const qreal pageBottom = (page + 1) * pageHeight;
    // Rows lie in order: the first one that ends below the page bottom.
    int low = 1;
    int high = count + 1;
    while (low < high) {
        const int middle = (low + high) / 2;
        if (RowBottom(layout, table, middle) > pageBottom)
            high = middle;
        else
            low = middle + 1;
    }
    return low - 1;
}

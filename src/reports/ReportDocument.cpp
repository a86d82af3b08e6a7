#include "ReportDocument.h"

#include "ReportPageLayout.h"

#include <QTextDocument>
#include <QTextTable>

#include <algorithm>

struct TReportDocument::TPart
{
    std::unique_ptr<QTextDocument> Document = std::make_unique<QTextDocument>();
    QTextTable* RepeatedTable = nullptr;
    int RepeatedFromRow = 0;
    int PrintedPages = 0;
    qreal PrintedBottom = 0;
};

TReportDocument::TReportDocument()
{
    StartPart();
}

TReportDocument::TReportDocument(TReportDocument&&) noexcept = default;
TReportDocument& TReportDocument::operator=(TReportDocument&&) noexcept = default;
TReportDocument::~TReportDocument() = default;

QString TReportDocument::Title() const
{
    return m_parts.front()->Document->metaInformation(QTextDocument::DocumentTitle);
}

QTextDocument& TReportDocument::Current()
{
    return *m_parts.back()->Document;
}

void TReportDocument::StartPart()
{
    auto part = std::make_unique<TPart>();
    part->Document->setUndoRedoEnabled(false);
    part->Document->setDocumentMargin(0);
    if (!m_parts.empty()) {
        part->Document->setDefaultFont(Current().defaultFont());
        part->Document->setMetaInformation(QTextDocument::DocumentTitle, Title());
    }
    m_parts.push_back(std::move(part));
}

void TReportDocument::RepeatInNextPart(QTextTable* table, int firstRow, int printedPages, qreal printedBottom)
{
    m_parts.back()->RepeatedTable = table;
    m_parts.back()->RepeatedFromRow = firstRow;
    m_parts.back()->PrintedPages = printedPages;
    m_parts.back()->PrintedBottom = printedBottom;
}

int TReportDocument::PartCount() const
{
    return int(m_parts.size());
}

QTextDocument& TReportDocument::Part(int index)
{
    return *m_parts.at(size_t(index))->Document;
}

int TReportDocument::PrintedPages(int index)
{
    const TPart& part = *m_parts.at(size_t(index));
    return part.RepeatedTable ? part.PrintedPages : part.Document->pageCount();
}

qreal TReportDocument::PrintedBottom(int index)
{
    const TPart& part = *m_parts.at(size_t(index));
    return part.RepeatedTable ? part.PrintedBottom : part.Document->pageCount() * part.Document->pageSize().height();
}

void TReportDocument::LayOut(const QSizeF& body)
{
    const bool cutForThisPage = std::all_of(m_parts.begin(), m_parts.end(),
                                            [&body](const auto& part) { return part->Document->pageSize() == body; });
    if (cutForThisPage)
        return;
    DropRepeatedRows();
    // Setting a page lays the document out anew, even the same page.
    for (const auto& part : m_parts) {
        if (part->Document->pageSize() != body)
            part->Document->setPageSize(body);
    }
}

int TReportDocument::PageCount()
{
    LayOut(ReportBodySize(ReportPageLayout()));
    return PrintedPageCount();
}

int TReportDocument::PrintedPageCount()
{
    int pages = 0;
    for (int index = 0; index < PartCount(); ++index)
        pages += PrintedPages(index);
    return pages;
}

void TReportDocument::DropRepeatedRows()
{
    for (const auto& part : m_parts) {
        if (!part->RepeatedTable)
            continue;
        QTextTable* table = part->RepeatedTable;
        part->RepeatedTable = nullptr;
        table->removeRows(part->RepeatedFromRow, table->rows() - part->RepeatedFromRow);
    }
}

QString TReportDocument::ToPlainText()
{
    DropRepeatedRows();
    QStringList texts;
    for (const auto& part : m_parts)
        texts.append(part->Document->toPlainText());
    return texts.join(QLatin1Char('\n'));
}

QString TReportDocument::ToHtml()
{
    DropRepeatedRows();
    // One page of HTML: the bodies of the later parts go into the first one's.
    QString html = m_parts.front()->Document->toHtml();
    const QLatin1String bodyEnd("</body>");
    for (size_t index = 1; index < m_parts.size(); ++index) {
        const QString part = m_parts[index]->Document->toHtml();
        const qsizetype bodyTag = part.indexOf(QLatin1String("<body"));
        const qsizetype bodyStart = bodyTag < 0 ? -1 : part.indexOf(QLatin1Char('>'), bodyTag);
        const qsizetype partEnd = part.lastIndexOf(bodyEnd);
        if (bodyStart < 0 || partEnd < bodyStart)
            continue;
        html.insert(html.lastIndexOf(bodyEnd), part.mid(bodyStart + 1, partEnd - bodyStart - 1));
    }
    return html;
}

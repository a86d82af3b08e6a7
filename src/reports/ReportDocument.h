#pragma once

#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

class QTextDocument;
class QTextTable;

// A filled report: text documents printed one after another, each from a new
// page. A long band table is cut into parts of a few hundred rows, so that
// laying a report out costs the same per row however many rows it has (one
// text document's layout grows faster than its length).
//
// Each cut falls at a page end: the rows laid out on the last pages of a part
// open the next part as well, and those pages are left out when the parts are
// printed on the page they were cut for. On any other page, and in text or
// HTML, the repeated rows are first taken out of the earlier part.
class TReportDocument
{
public:
    TReportDocument();
    TReportDocument(TReportDocument&&) noexcept;
    TReportDocument& operator=(TReportDocument&&) noexcept;
    ~TReportDocument();

    QString Title() const;

    // The part filled now; a new part begins from a new page.
    QTextDocument& Current();
    void StartPart();
    // The rows of table from firstRow to its end, laid out on the current
    // part's pages from printedPages on, are filled again at the head of the next part.
    void RepeatInNextPart(QTextTable* table, int firstRow, int printedPages);

    int PartCount() const;
    QTextDocument& Part(int index);
    // Pages of the part as printed on the page the parts were cut for.
    int PrintedPages(int index);

    // Lays every part out on the page body (in the report's layout units);
    // a page other than the one the parts were cut for drops the repeated rows first.
    void LayOut(const QSizeF& body);
    // Pages as printed on the page laid out last.
    int PrintedPageCount();
    // Pages on the report page.
    int PageCount();

    QString ToPlainText();
    QString ToHtml();

private:
    struct TPart;
    void DropRepeatedRows();

    std::vector<std::unique_ptr<TPart>> m_parts;
};

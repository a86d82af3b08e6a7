#pragma once

#include <QSizeF>
#include <QString>

#include <memory>
#include <vector>

class QTextDocument;
class QTextTable;

// A filled report: text documents printed one after another, each from a new
// page. A band table is laid out in parts of one page each, so that laying a
// report out costs the same per row however many rows it has (one text
// document's layout grows faster than its length) and no row is split
// between pages.
//
// A part is filled with more rows than its page holds; the rows after the last
// one that ends on the page open the next part as well. On the page the parts
// were cut for, a part is printed down to the end of its last whole row. On any
// other page, and in text or HTML, the repeated rows are first taken out of
// the earlier part.
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
    // The rows of table from firstRow to its end are filled again at the head
    // of the next part; the current part is printed on printedPages pages, down to printedBottom.
    void RepeatInNextPart(QTextTable* table, int firstRow, int printedPages, qreal printedBottom);

    int PartCount() const;
    QTextDocument& Part(int index);
    // Pages of the part as printed on the page the parts were cut for.
    int PrintedPages(int index);
    // How far down the part is printed, in its layout's units.
    qreal PrintedBottom(int index);

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

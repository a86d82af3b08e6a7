#pragma once

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;
class TReportDocument;

// Every report is an A4 portrait page with margins for filing on the left
// and a page number at the foot.
QPageLayout ReportPageLayout();

// The part of a page the text takes (without margins and the page number's
// line), in the units reports are laid out in: pixels of 96 per inch, as the screen.
QSizeF ReportBodySize(const QPageLayout& page);

// Lays the document out on the report page (the body of ReportPageLayout()).
void SetReportPageSize(QTextDocument& document);

// Paints the report's pages with "Страница N из M" at the foot of each, on
// the device's own page layout. False when the device cannot be painted on.
bool PrintReportDocument(TReportDocument& document, QPagedPaintDevice& device);

// Writes the report as a PDF file on the report page; false when the file cannot be written.
bool WriteReportPdf(TReportDocument& document, const QString& path);

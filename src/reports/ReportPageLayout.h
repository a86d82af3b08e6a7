#pragma once

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

// Every report is an A4 portrait page with margins for filing on the left
// and a page number at the foot.
QPageLayout ReportPageLayout();

// Lays the document out on the report page as the screen would (used where
// no printer is involved: the page count, HTML output).
void SetReportPageSize(QTextDocument& document);

// Paints the document's pages with "Страница N из M" at the foot of each, on
// the device's own page layout. False when the device cannot be painted on.
bool PrintReportDocument(const QTextDocument& document, QPagedPaintDevice& device);

// Writes the document as a PDF file on the report page; false when the file cannot be written.
bool WriteReportPdf(const QTextDocument& document, const QString& path);

#pragma once

#include "ReportPreview.h"

// Writes the report into a file instead of showing it: PDF pages for a name
// ending in ".pdf", an HTML page (every value escaped as text) for ".html".
// Raises an Exception when the file cannot be written.
class TReportFileOutput : public IReportPreview
{
public:
    explicit TReportFileOutput(QString fileName);

    static bool IsSupported(const QString& fileName);

    void ShowReport(TReportDocument& document, const QString& title) override;
    // True once a report has been written.
    bool Written() const { return m_written; }

private:
    QString m_fileName;
    bool m_written = false;
};

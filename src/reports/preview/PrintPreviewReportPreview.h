#pragma once

#include "reports/ReportPreview.h"

#include <functional>

// The modal print preview on an A4 page, with "Сохранить в PDF" beside the print button.
class TPrintPreviewReportPreview : public IReportPreview
{
public:
    void ShowReport(TReportDocument& document, const QString& title) override;
    // Told the path of every PDF saved from the preview (the main window names it in its status bar).
    void SetSavedFileNotice(std::function<void(const QString& path)> notice);

private:
    std::function<void(const QString&)> m_savedFileNotice;
};

#pragma once

#include "ReportPreview.h"

// The modal print preview on an A4 page, with "Сохранить в PDF" beside the print button.
class TPrintPreviewReportPreview : public IReportPreview
{
public:
    void ShowReport(TReportDocument& document, const QString& title) override;
};

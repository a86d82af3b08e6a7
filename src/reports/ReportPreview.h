#pragma once

#include <QString>

class TReportDocument;

// Shows a filled report to the user and returns when the user is done with
// it. The program shows the modal print preview; tests put their own here.
class IReportPreview
{
public:
    virtual ~IReportPreview() = default;
    virtual void ShowReport(TReportDocument& document, const QString& title) = 0;
};

#pragma once

#include "ReportDocument.h"

#include <QString>
#include <QStringList>

class IReportPreview;
class TResultSet;

// Where one run takes the values its template names: a column of the data set
// at the row, or a named value ("Name=value"), tried in the order chosen. It
// never owns the data set or the values.
struct TReportValues
{
    TResultSet* Rows = nullptr;
    const QStringList* Variables = nullptr;
    bool VariablesFirst = false;

    // Value is left untouched when neither has the name.
    bool Find(const QString& name, QString& value, int row = 0) const;
};

// Finds a report template by name in the Reports folder beside the program,
// fills it from the values of the run and shows it. It keeps nothing of a run.
class TReportManager
{
public:
    // The folder the Reports folder lies in; the program's own unless a test says otherwise.
    explicit TReportManager(QString applicationFolder = QString());
    ~TReportManager();

    // Fills the template and shows it modally; raises EReportNotFoundException
    // when the template file is missing.
    void RunReport(const QString& templateName, const TReportValues& values);
    // Fills the template without showing it (output to a file).
    TReportDocument BuildReport(const QString& templateName, const TReportValues& values);

    QString GetApplicationFolder() const { return m_applicationFolder; }
    QString TemplatePath(const QString& templateName) const;

    // Where reports are shown (the program's print preview, a file, a
    // test's record); borrowed. Without one, RunReport raises.
    void SetPreview(IReportPreview* preview) { m_preview = preview; }

private:
    QString m_applicationFolder;
    IReportPreview* m_preview = nullptr;
};

#pragma once

#include "ReportDocument.h"

#include <QString>
#include <QStringList>

class IReportPreview;
class TResultSet;

// Finds a report template by name in the Reports folder beside the program,
// fills it from a main data set and a list of named values, and shows it.
// It never owns the data set or the values: the caller frees both after the run.
class TReportManager
{
public:
    // The folder the Reports folder lies in; the program's own unless a test says otherwise.
    explicit TReportManager(QString applicationFolder = QString());
    ~TReportManager();

    // Fills the template and shows it modally; raises EReportNotFoundException
    // when the template file is missing.
    void RunReport(const QString& templateName, TResultSet* dataSet, const QStringList* variables);
    // Fills the template without showing it (output to a file).
    TReportDocument BuildReport(const QString& templateName, TResultSet* dataSet, const QStringList* variables);

    // The value of a name used in a template: a column of the current data
    // set at the row, or a variable, tried in the order VariablesFirst sets.
    // Value is left untouched when neither has it.
    bool GetReportValue(const QString& name, QString& value, int row = 0) const;

    QString GetApplicationFolder() const { return m_applicationFolder; }
    QString TemplatePath(const QString& templateName) const;

    bool VariablesFirst() const { return m_variablesFirst; }
    void SetVariablesFirst(bool value) { m_variablesFirst = value; }

    // Where reports are shown (the program's print preview, a file, a
    // test's record); borrowed. Without one, RunReport raises.
    void SetPreview(IReportPreview* preview) { m_preview = preview; }

private:
    bool FieldValue(int row, const QString& name, QString& value) const;
    bool VariableValue(const QString& name, QString& value) const;

    QString m_applicationFolder;
    bool m_variablesFirst = false;
    TResultSet* m_dataSet = nullptr;         // borrowed, during a run
    const QStringList* m_variables = nullptr; // borrowed, during a run
    IReportPreview* m_preview = nullptr;
};

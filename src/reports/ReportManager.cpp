#include "ReportManager.h"

#include "ApplicationFolder.h"
#include "ReportExceptions.h"
#include "ReportPreview.h"
#include "ReportRenderer.h"
#include "ReportTemplate.h"
#include "ReportVariables.h"
#include "sqlite/ResultSet.h"

#include <QDir>
#include <QTextDocument>

TReportManager::TReportManager(QString applicationFolder)
    : m_applicationFolder(applicationFolder.isEmpty() ? ApplicationFolder() : std::move(applicationFolder))
{
}

TReportManager::~TReportManager() = default;

QString TReportManager::TemplatePath(const QString& templateName) const
{
    return m_applicationFolder + QStringLiteral("Reports") + QDir::separator() + templateName + QStringLiteral(".frf");
}

TReportDocument TReportManager::BuildReport(const QString& templateName, TResultSet* dataSet,
                                            const QStringList* variables)
{
    // The current set and values stay after the run; they are only read during one.
    m_dataSet = dataSet;
    m_variables = variables;
    const TReportTemplate reportTemplate = TReportTemplate::Load(TemplatePath(templateName));
    TReportRenderer renderer(reportTemplate, dataSet,
                             [this](int row, const QString& name, QString& value) { GetReportValue(name, value, row); });
    return renderer.Render();
}

void TReportManager::RunReport(const QString& templateName, TResultSet* dataSet, const QStringList* variables)
{
    TReportDocument document = BuildReport(templateName, dataSet, variables);
    if (!m_preview)
        throw EReportManagerException(QStringLiteral("Отчет %1 показать негде.").arg(templateName));
    const QString title = document.Title();
    m_preview->ShowReport(document, title.isEmpty() ? templateName : title);
}

bool TReportManager::FieldValue(int row, const QString& name, QString& value) const
{
    if (!m_dataSet)
        return false;
    const int column = m_dataSet->FindColumn(name);
    if (column < 0)
        return false;
    // A null counts as found: the column is there, its value is empty.
    value = m_dataSet->Text(row, column);
    return true;
}

bool TReportManager::VariableValue(const QString& name, QString& value) const
{
    if (!m_variables)
        return false;
    const QString found = ReportVariable(*m_variables, name);
    if (found.isEmpty())
        return false;
    value = found;
    return true;
}

bool TReportManager::GetReportValue(const QString& name, QString& value, int row) const
{
    if (m_variablesFirst)
        return VariableValue(name, value) || FieldValue(row, name, value);
    return FieldValue(row, name, value) || VariableValue(name, value);
}

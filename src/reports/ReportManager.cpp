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

TReportDocument TReportManager::BuildReport(const QString& templateName, const TReportValues& values)
{
    const TReportTemplate reportTemplate = TReportTemplate::Load(TemplatePath(templateName));
    TReportRenderer renderer(reportTemplate, values.Rows,
                             [&values](int row, const QString& name, QString& value) { values.Find(name, value, row); });
    return renderer.Render();
}

void TReportManager::RunReport(const QString& templateName, const TReportValues& values)
{
    TReportDocument document = BuildReport(templateName, values);
    if (!m_preview)
        throw EReportManagerException(QStringLiteral("Отчет %1 показать негде.").arg(templateName));
    const QString title = document.Title();
    m_preview->ShowReport(document, title.isEmpty() ? templateName : title);
}

namespace {

bool FieldValue(const TResultSet* rows, int row, const QString& name, QString& value)
{
    if (!rows)
        return false;
    const int column = rows->FindColumn(name);
    if (column < 0)
        return false;
    // A null counts as found: the column is there, its value is empty.
    value = rows->Text(row, column);
    return true;
}

bool VariableValue(const QStringList* variables, const QString& name, QString& value)
{
    if (!variables)
        return false;
    const QString found = ReportVariable(*variables, name);
    if (found.isEmpty())
        return false;
    value = found;
    return true;
}

}

bool TReportValues::Find(const QString& name, QString& value, int row) const
{
    if (VariablesFirst)
        return VariableValue(Variables, name, value) || FieldValue(Rows, row, name, value);
    return FieldValue(Rows, row, name, value) || VariableValue(Variables, name, value);
}

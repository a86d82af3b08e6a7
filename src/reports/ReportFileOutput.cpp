#include "ReportFileOutput.h"

#include "ReportDocument.h"
#include "ReportPageLayout.h"
#include "domain/Exception.h"

#include <QFile>

namespace {

bool IsHtml(const QString& fileName)
{
    return fileName.endsWith(QLatin1String(".html"), Qt::CaseInsensitive)
        || fileName.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive);
}

}

TReportFileOutput::TReportFileOutput(QString fileName)
    : m_fileName(std::move(fileName))
{
}

bool TReportFileOutput::IsSupported(const QString& fileName)
{
    return IsHtml(fileName) || fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

void TReportFileOutput::ShowReport(TReportDocument& document, const QString& /*title*/)
{
    bool written = false;
    if (IsHtml(m_fileName)) {
        QFile file(m_fileName);
        written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(document.ToHtml().toUtf8()) >= 0;
    } else {
        written = WriteReportPdf(document, m_fileName);
    }
    if (!written)
        throw Exception(QStringLiteral("Не удалось записать файл %1.").arg(m_fileName));
    m_written = true;
}

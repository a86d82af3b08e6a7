#include "DeclineCommand.h"

#include "ToolOptions.h"

#include "reports/DeclensionService.h"

void TDeclineCommand::ReadOptions(TToolOptions& options)
{
    QStringList words = options.Files();
    if (options.Has(QStringLiteral("case")) == options.Has(QStringLiteral("sex"))) {
        options.Refuse(QStringLiteral("Нужен ровно один из параметров --case и --sex."));
        return;
    }
    if (options.Has(QStringLiteral("sex"))) {
        QString first;
        options.Read(QStringLiteral("sex"), first);
        words.prepend(first);
    } else {
        options.Read(QStringLiteral("case"), m_case);
        if (options.Error().isEmpty() && (m_case < 1 || m_case > 6))
            options.Refuse(QStringLiteral("Падеж задаётся числом от 1 до 6."));
        if (words.isEmpty())
            options.Refuse(QStringLiteral("Не задан текст."));
    }
    m_text = words.join(QLatin1Char(' '));
}

int TDeclineCommand::Execute(QTextStream& out, QTextStream& /*err*/)
{
    TDeclensionService service(TDeclensionService::DefaultLibraryPath());
    if (m_case == 0)
        out << service.GetNameSex(m_text) << '\n';
    else
        out << service.DeclineFullName(m_text, m_case) << '\n';
    return ecSuccess;
}

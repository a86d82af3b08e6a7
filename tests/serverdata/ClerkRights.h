#pragma once

#include <QString>

// The rights the administrator gives the clerks' role on a server book (the
// README's GRANTs): the book's rows, the cash orders' counter, nothing more.
inline QString ClerkRightsScript(const QString& role)
{
    return QStringLiteral("GRANT SELECT, INSERT, UPDATE, DELETE "
                          "  ON Debtors, Credits, PaymentSchedule, PaymentHistory, CompanyInfo, DataBaseState TO %1;"
                          "GRANT SELECT ON QDBVersion TO %1;"
                          "GRANT SELECT, UPDATE ON PaymentKeys TO %1;"
                          "GRANT USAGE ON ALL SEQUENCES IN SCHEMA public TO %1;")
        .arg(role);
}

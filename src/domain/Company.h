#pragma once

#include <QString>

// The lender's details; one per loan book.
class TCompany
{
public:
    QString CompanyName;
    QString BossName;
};

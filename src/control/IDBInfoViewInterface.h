#pragma once

#include <QString>

class TCompany;

// Shows which loan book is open (the main window's status bar).
class IDBInfoViewInterface
{
public:
    // The company is optional; without it only the file is shown.
    virtual void ShowDatabaseInfo(const QString& fileName, const TCompany* company) = 0;

protected:
    ~IDBInfoViewInterface() = default;
};

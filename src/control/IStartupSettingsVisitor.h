#pragma once

#include <QString>

// Where the start-up keeps the connection string between runs.
class IStartupSettingsVisitor
{
public:
    virtual void ReadConnectionString(QString& value) = 0;
    virtual void WriteConnectionString(const QString& value) = 0;

protected:
    ~IStartupSettingsVisitor() = default;
};

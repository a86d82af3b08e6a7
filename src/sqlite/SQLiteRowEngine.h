#pragma once

#include "RowSource.h"

class TSQLiteConnection;

// Result sets' statements run on a loan-book file.
class TSQLiteRowEngine : public IRowEngine
{
public:
    explicit TSQLiteRowEngine(TSQLiteConnection& connection) : m_connection(connection) {}
    std::unique_ptr<IRowSource> Run(const QString& sql, const TQueryParams& params) override;

private:
    TSQLiteConnection& m_connection;
};

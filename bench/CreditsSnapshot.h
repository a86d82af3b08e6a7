#pragma once

#include "postgres/PgConnection.h"

#include <QString>

#include <vector>

// Some credits of a server book as they are now, with their schedules and
// payments, kept on the server (temporary tables of a connection of its own),
// so that a writing operation can be run on them again and again from the
// same state: Restore puts the rows back as they were, keys, derived totals
// and cash-order numbers too, and drops whatever was added to those credits
// meanwhile.
class TCreditsSnapshot
{
public:
    TCreditsSnapshot(const QString& address, const std::vector<int>& creditIDs);

    void Restore();

private:
    TPgConnection m_connection;
};

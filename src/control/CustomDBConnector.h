#pragma once

// Knows how to open one kind of database, asking the user when it must.
class TCustomDBConnector
{
public:
    TCustomDBConnector() = default;
    virtual ~TCustomDBConnector() = default;
    TCustomDBConnector(const TCustomDBConnector&) = delete;
    TCustomDBConnector& operator=(const TCustomDBConnector&) = delete;

    // Forgets what it was told to open, so that the user is asked.
    virtual void Reset() = 0;
    // True when the database opened.
    virtual bool Connect() = 0;
};

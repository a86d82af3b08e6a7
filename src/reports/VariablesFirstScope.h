#pragma once

#include "ReportManager.h"

// Variables are looked up before the data set's columns for as long as the
// scope lives, and no longer, whether the report runs or fails.
class TVariablesFirstScope
{
public:
    explicit TVariablesFirstScope(TReportManager& manager) : m_manager(manager) { m_manager.SetVariablesFirst(true); }
    ~TVariablesFirstScope() { m_manager.SetVariablesFirst(false); }
    TVariablesFirstScope(const TVariablesFirstScope&) = delete;
    TVariablesFirstScope& operator=(const TVariablesFirstScope&) = delete;

private:
    TReportManager& m_manager;
};

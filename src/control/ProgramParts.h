#pragma once

class TDataAccessFacade;
class TDeclensionService;
class THistoryManager;
class TReportManager;
class TSimpleSettingsManager;
class TStartUpController;

// What main() builds once, in the order of their dependencies, and hands
// down by reference: the window, its controller and the report use cases
// borrow them and never free them.
struct TProgramParts
{
    TDataAccessFacade& Facade;
    TReportManager& Reports;
    TDeclensionService& Declension;
    TSimpleSettingsManager& Settings;
    THistoryManager& History;
    TStartUpController& StartUp;
};

#pragma once

#include "BookInUse.h"

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
    TBookInUse& Book;
    TReportManager& Reports;
    TDeclensionService& Declension;
    TSimpleSettingsManager& Settings;
    THistoryManager& History;
    TStartUpController& StartUp;

    // The store of the book in use, asked anew each time: a switch of books replaces it.
    ILoanBookStore& Facade() const { return Book.Store(); }
};

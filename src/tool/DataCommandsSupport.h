#pragma once

#include <QString>

class TDataAccessFacade;

namespace DataCommands {

void PrintOut(const QString& text);
void PrintError(const QString& text);
// Prints the usage line and returns the exit code for wrong arguments.
int Usage(const QString& usage);

// Connects the single facade to an existing loan book of the expected type and
// version. False (with the reason on stderr) when the file is missing, does not
// open or fails the check.
bool ConnectChecked(TDataAccessFacade& facade, const QString& fileName);

}

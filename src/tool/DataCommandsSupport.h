#pragma once

#include <QString>

class TDataAccessFacade;

namespace DataCommands {

void PrintOut(const QString& text);
void PrintError(const QString& text);

// Connects the single facade to an existing loan book of the expected type and
// version. False (with the reason on stderr) when the file is missing, does not
// open or fails the check.
// Prints why the arguments are wrong and returns the exit code for it.
int WrongArguments(const QString& reason);

bool ConnectChecked(TDataAccessFacade& facade, const QString& fileName);

}

#pragma once

#include <functional>

class QDialog;

// Plays the user of a modal dialog (tests): gets the dialog, may fill and
// press its controls, and returns the dialog's result.
using TModalHandler = std::function<int(QDialog& dialog)>;

// Every modal dialog of the program is run here, so that tests can answer it.
int ExecModal(QDialog& dialog);

// Installs the handler (an empty one brings back the real modal run); returns the previous one.
TModalHandler SetModalHandler(TModalHandler handler);
